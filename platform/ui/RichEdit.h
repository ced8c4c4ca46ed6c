#pragma once
// The rich edit: a text editor that loads and saves RTF (with our own
// reader and writer) or plain text, and answers the questions the program
// asks of it: its lines, the font of one character, whether it was modified.
//
// Loading takes RTF when the file starts with "{\rtf" (and plain-text mode
// is off), otherwise plain text (UTF-8, or the Windows Western code page
// when the bytes are not UTF-8). Saving writes RTF, or plain UTF-8 text with
// CR LF line ends in plain-text mode, through a temporary file so a failed
// save keeps the old file. Files that cannot be read or written throw
// std::runtime_error with a message for the user.
#include <QStringList>
#include <QTextEdit>

#include "platform/gdi/Canvas.h"
#include "platform/ui/RichDocument.h"

namespace ui {

class RichEdit : public QTextEdit {
  Q_OBJECT
 public:
  explicit RichEdit(QWidget* parent = nullptr);

  void loadFromFile(const QString& path);
  void saveToFile(const QString& path) const;
  bool plainTextMode() const { return plainTextMode_; }
  void setPlainTextMode(bool on) { plainTextMode_ = on; }

  // Paragraphs as lines.
  QStringList lines() const;
  int lineCount() const;
  // Appends a paragraph in the default font.
  void addLine(const QString& line);

  bool modified() const;
  void setModified(bool on);

  // The editor's own font: new text takes it; setting it restyles all text.
  gdi::Font defaultFont() const;
  void setDefaultFont(const gdi::Font& font);
  // The font (face, size, style, colour) of the character at `position`.
  gdi::Font fontAt(int position) const;

  RichDocument richDocument() const;
  void setRichDocument(const RichDocument& doc);

  // Prints the text through ui::printer() under `title`.
  void print(const QString& title) const;

 private:
  bool plainTextMode_ = false;
  gdi::TColor fontColor_ = gdi::clBlack;
};

}  // namespace ui
