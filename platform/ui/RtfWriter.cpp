#include "platform/ui/RtfWriter.h"

#include <algorithm>

#include "platform/ui/Cp1252.h"

namespace ui {

namespace {

void appendHex(std::string& out, int b) {
  static const char digits[] = "0123456789abcdef";
  out += "\\'";
  out += digits[(b >> 4) & 15];
  out += digits[b & 15];
}

void appendText(std::string& out, const QString& text, bool inFontTable = false) {
  for (const QChar qc : text) {
    const char16_t c = qc.unicode();
    if (c == '\\' || c == '{' || c == '}') {
      out += '\\';
      out += char(c);
    } else if (inFontTable && (c == '\t' || c == 0x2028 || c == 0x2029)) {
      continue;  // a face name is one plain line
    } else if (c == '\t') {
      out += "\\tab ";
    } else if (c == 0x2028) {
      out += "\\line ";
    } else if (c == ';' && inFontTable) {
      continue;  // ends an entry there
    } else if (c < 0x20) {
      continue;
    } else if (c < 0x80) {
      out += char(c);
    } else if (const int b = toCp1252(c); b >= 0) {
      appendHex(out, b);
    } else {
      out += "\\u" + std::to_string(std::int16_t(c)) + "?";
    }
  }
}

const char* alignmentWord(Alignment a) {
  switch (a) {
    case Alignment::Left:
      return "\\ql";
    case Alignment::Center:
      return "\\qc";
    case Alignment::Right:
      return "\\qr";
    case Alignment::Justify:
      return "\\qj";
  }
  return "\\ql";
}

// The runs as written: without a face they are in Arial, and neighbours
// that end up alike become one run.
std::vector<TextRun> effectiveRuns(const Paragraph& p) {
  std::vector<TextRun> runs;
  for (TextRun r : p.runs) {
    if (r.format.font.isEmpty()) r.format.font = QStringLiteral("Arial");
    if (!runs.empty() && runs.back().format == r.format)
      runs.back().text += r.text;
    else
      runs.push_back(std::move(r));
  }
  return runs;
}

}  // namespace

std::string writeRtf(const RichDocument& doc) {
  std::vector<QString> fonts;
  std::vector<gdi::TColor> colors;
  for (const Paragraph& p : doc.paragraphs)
    for (const TextRun& r : p.runs) {
      const QString face = r.format.font.isEmpty() ? QStringLiteral("Arial") : r.format.font;
      if (std::find(fonts.begin(), fonts.end(), face) == fonts.end()) fonts.push_back(face);
      if (r.format.color &&
          std::find(colors.begin(), colors.end(), *r.format.color) == colors.end())
        colors.push_back(*r.format.color);
    }
  if (fonts.empty()) fonts.push_back(QStringLiteral("Arial"));

  std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
  for (std::size_t i = 0; i < fonts.size(); ++i) {
    out += "{\\f" + std::to_string(i) + "\\fnil\\fcharset0 ";
    appendText(out, fonts[i], true);
    out += ";}";
  }
  out += "}\r\n{\\colortbl ;";
  for (gdi::TColor c : colors)
    out += "\\red" + std::to_string(gdi::GetRValue(c)) + "\\green" +
           std::to_string(gdi::GetGValue(c)) + "\\blue" + std::to_string(gdi::GetBValue(c)) + ";";
  out += "}\r\n\\viewkind4\\uc1";

  for (const Paragraph& p : doc.paragraphs) {
    out += "\\pard";
    out += alignmentWord(p.alignment);
    for (const TextRun& r : effectiveRuns(p)) {
      const CharFormat& f = r.format;
      const auto font = std::find(fonts.begin(), fonts.end(), f.font) - fonts.begin();
      out += "{\\f" + std::to_string(font) + "\\fs" + std::to_string(f.halfPoints);
      if (f.bold) out += "\\b";
      if (f.italic) out += "\\i";
      if (f.underline) out += "\\ul";
      if (f.strike) out += "\\strike";
      if (f.color)
        out += "\\cf" + std::to_string(std::find(colors.begin(), colors.end(), *f.color) -
                                       colors.begin() + 1);
      out += ' ';
      appendText(out, r.text);
      out += '}';
    }
    out += "\\par\r\n";
  }
  out += "}\r\n";
  return out;
}

}  // namespace ui
