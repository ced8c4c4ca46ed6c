// The notepad's per-character render: each character in its own font, line
// heights from the largest font of the line, the bitmap widened for long
// lines, nothing for an empty text and a clear refusal past the line limit.
#include <gtest/gtest.h>

#include "platform/gdi/Canvas.h"
#include "support/PixelGrid.h"
#include "tools/text/RichTextRender.h"

using testing_support::countColor;
using tools::renderRichText;

namespace {

gdi::Font editorFont() {
  gdi::Font f;
  f.name = "Arial";
  f.setSize(10);
  return f;
}

ui::CharFormat format(const char* face, int points, gdi::TColor color = gdi::clBlack,
                      bool bold = false, bool italic = false, bool underline = false) {
  ui::CharFormat f;
  f.font = face;
  f.halfPoints = points * 2;
  f.bold = bold;
  f.italic = italic;
  f.underline = underline;
  f.color = color;
  return f;
}

ui::Paragraph paragraph(std::initializer_list<std::pair<QString, ui::CharFormat>> runs) {
  ui::Paragraph p;
  for (const auto& [text, f] : runs) p.append(text, f);
  return p;
}

int cellHeight(const gdi::Font& f) {
  gdi::Bitmap scratch(1, 1);
  gdi::Canvas c(scratch);
  c.font = f;
  return c.textHeight("X");
}

// The written algorithm, one text output per character straight onto the
// bitmap, for comparing the renderer against.
gdi::Bitmap reference(const ui::RichDocument& doc, const gdi::Font& editor, int minWidth) {
  std::vector<std::vector<std::pair<QString, gdi::Font>>> lines;
  for (const ui::Paragraph& p : doc.paragraphs) {
    lines.emplace_back();
    for (const ui::TextRun& r : p.runs)
      for (const QChar ch : r.text) {
        if (ch == QChar(0x2028)) {
          lines.emplace_back();
          continue;
        }
        lines.back().push_back({QString(ch), tools::characterFont(r.format, editor)});
      }
  }
  gdi::Bitmap b(1, 1);
  gdi::Canvas c(b);
  c.font = editor;
  std::vector<int> tops{0};
  int width = minWidth;
  for (const auto& line : lines) {
    int h = line.empty() ? c.textHeight(" ") : 0, w = 0;
    for (const auto& [ch, f] : line) {
      c.font = f;
      h = std::max(h, c.textHeight(ch.toStdString()));
      w += c.textWidth(ch.toStdString());
    }
    width = std::max(width, w);
    tops.push_back(tops.back() + h);
  }
  b.setSize(width, tops.back());
  b.fill(gdi::clWhite);
  c.brush.setStyle(gdi::BrushStyle::Clear);
  for (std::size_t l = 0; l < lines.size(); ++l) {
    int x = 0;
    for (const auto& [ch, f] : lines[l]) {
      c.font = f;
      c.textOut(x, tops[l], ch.toStdString());
      x += c.textWidth(ch.toStdString());
    }
  }
  return b;
}

}  // namespace

TEST(RichTextRender, EmptyTextGivesNothing) {
  EXPECT_TRUE(renderRichText({}, editorFont(), 300).empty());
}

TEST(RichTextRender, EachCharacterInItsOwnFontAsTheWrittenLoopDrawsIt) {
  ui::RichDocument doc;
  // Italic glyphs reaching past the left edge and over their neighbours.
  doc.paragraphs.push_back(
      paragraph({{"jff", format("Times New Roman", 26, gdi::clRed, false, true)},
                 {"W", format("Courier New", 12, gdi::clBlue, true)}}));
  doc.paragraphs.push_back(
      paragraph({{"Quill", format("Arial", 12)},
                 {"moor ", format("Times New Roman", 20, gdi::clRed, true)},
                 {"fjord", format("Courier New", 9, gdi::clBlue, false, true)}}));
  doc.paragraphs.push_back(paragraph({}));  // an empty line
  doc.paragraphs.push_back(
      paragraph({{QString::fromUtf8("Ünïcödé € & tabs\there"),
                  format("", 14, gdi::clGreen, false, false, true)},
                 {QString(QChar(0x2028)) + "after a break", format("Arial", 28)}}));
  // Descenders and underline against the bottom edge.
  doc.paragraphs.push_back(
      paragraph({{"gjy_", format("Times New Roman", 30, gdi::clBlack, false, true, true)}}));
  const gdi::Bitmap b = renderRichText(doc, editorFont(), 50);
  EXPECT_EQ(b, reference(doc, editorFont(), 50));
  EXPECT_GT(countColor(b, gdi::clRed), 50);
  EXPECT_GT(countColor(b, gdi::clBlue), 20);
  EXPECT_GT(countColor(b, gdi::clGreen), 50);
}

TEST(RichTextRender, LineHeightComesFromTheLargestFontOfTheLine) {
  const ui::CharFormat small = format("Arial", 10), big = format("Arial", 30, gdi::clRed);
  ui::RichDocument doc;
  doc.paragraphs.push_back(paragraph({{"ab", small}, {"C", big}, {"d", small}}));
  doc.paragraphs.push_back(paragraph({{"e", small}}));
  doc.paragraphs.push_back(paragraph({}));  // as high as the character before it
  doc.paragraphs.push_back(paragraph({{"f", big}}));
  const gdi::Bitmap b = renderRichText(doc, editorFont(), 10);
  const int hs = cellHeight(tools::characterFont(small, editorFont()));
  const int hb = cellHeight(tools::characterFont(big, editorFont()));
  ASSERT_GT(hb, 2 * hs);
  EXPECT_EQ(b.height(), hb + hs + hs + hb);
  // The small characters of the first line stand at its top, not on a baseline.
  int firstInk = -1;
  for (int y = 0; y < b.height() && firstInk < 0; ++y)
    for (int x = 0; x < 8; ++x)
      if (b.pixel(x, y) == gdi::clBlack) {
        firstInk = y;
        break;
      }
  EXPECT_LT(firstInk, hs);
  // Nothing of the second line above its top.
  for (int y = hb; y < hb + 2; ++y)
    for (int x = 0; x < b.width(); ++x) ASSERT_NE(b.pixel(x, y), gdi::clRed);
}

TEST(RichTextRender, TheBitmapWidensForALongLineAndKeepsTheEditorsWidthOtherwise) {
  ui::RichDocument doc;
  doc.paragraphs.push_back(paragraph({{"short", format("Arial", 10)}}));
  EXPECT_EQ(renderRichText(doc, editorFont(), 400).width(), 400);
  doc.paragraphs.push_back(paragraph({{QString(200, 'W'), format("Arial", 16)}}));
  const gdi::Bitmap b = renderRichText(doc, editorFont(), 400);
  EXPECT_GT(b.width(), 400);
  // The last W reaches the right edge.
  bool inkAtEnd = false;
  for (int y = 0; y < b.height(); ++y)
    for (int x = b.width() - 4; x < b.width(); ++x) inkAtEnd |= b.pixel(x, y) == gdi::clBlack;
  EXPECT_TRUE(inkAtEnd);
}

TEST(RichTextRender, DefaultFaceAndColourComeFromTheEditor) {
  ui::CharFormat plain;
  plain.halfPoints = 21;  // 10.5 points
  gdi::Font editor = editorFont();
  editor.name = "Courier New";
  editor.color = gdi::clMaroon;
  const gdi::Font f = tools::characterFont(plain, editor);
  EXPECT_EQ(f.name, "Courier New");
  EXPECT_EQ(f.color, gdi::clMaroon);
  EXPECT_EQ(f.height, -14);
  EXPECT_EQ(f.style, 0u);
}

TEST(RichTextRender, TextsPastTheLineLimitAreRefusedWithAMessage) {
  ui::RichDocument doc;
  for (int i = 0; i < tools::kMaxRenderedLines; ++i)
    doc.paragraphs.push_back(paragraph({{"l", format("Arial", 8)}}));
  EXPECT_FALSE(renderRichText(doc, editorFont(), 10).empty());
  // One more line, made by a break inside the last paragraph.
  doc.paragraphs.back().runs.back().text += QChar(0x2028);
  try {
    renderRichText(doc, editorFont(), 10);
    FAIL() << "no error";
  } catch (const tools::TooManyLinesError& e) {
    EXPECT_EQ(e.lines(), tools::kMaxRenderedLines + 1);
    EXPECT_STREQ(e.what(),
                 "The text has 1001 lines; at most 1000 lines can be turned into a picture.");
  }
}
