#pragma once
// Formatted text as the rich edit loads and saves it: paragraphs with an
// alignment, made of runs of text that share one character format. Plain
// values with no widget behind them, so the RTF reader and writer can be
// tested and fuzzed on their own.
#include <QString>
#include <optional>
#include <vector>

#include "platform/gdi/Color.h"

namespace ui {

enum class Alignment { Left, Center, Right, Justify };

struct CharFormat {
  QString font;         // face name; empty means the editor's default face
  int halfPoints = 24;  // size in half points, as RTF counts it
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strike = false;
  std::optional<gdi::TColor> color;  // nothing: the default text colour
  friend bool operator==(const CharFormat&, const CharFormat&) = default;
};

struct TextRun {
  QString text;  // U+2028 stands for a line break inside the paragraph, '\t' for a tab
  CharFormat format;
  friend bool operator==(const TextRun&, const TextRun&) = default;
};

struct Paragraph {
  Alignment alignment = Alignment::Left;
  std::vector<TextRun> runs;
  QString text() const;
  // Appends text, merging with the last run when the format is the same.
  void append(const QString& text, const CharFormat& format);
  friend bool operator==(const Paragraph&, const Paragraph&) = default;
};

struct RichDocument {
  std::vector<Paragraph> paragraphs;
  // The text with paragraphs separated by '\n'.
  QString plainText() const;
  friend bool operator==(const RichDocument&, const RichDocument&) = default;
};

}  // namespace ui
