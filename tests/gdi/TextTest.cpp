#include <gtest/gtest.h>

#include "platform/gdi/Canvas.h"
#include "platform/gdi/TextLayout.h"
#include "support/PixelGrid.h"

using namespace gdi;
using testing_support::countColor;
using testing_support::pixelHash;

namespace {

// Smallest rectangle holding every pixel that is not `background`.
Rect inkBounds(const Bitmap& b, TColor background = clWhite) {
  Rect r;
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x)
      if (b.pixel(x, y) != background) r = r.united({x, y, x + 1, y + 1});
  return r;
}

Bitmap textPicture(const Font& font, const char* text, int x = 10, int y = 10) {
  Bitmap b(200, 100);
  Canvas& c = b.canvas();
  c.font = font;
  c.brush.setStyle(BrushStyle::Clear);
  c.textOut(x, y, text);
  return b;
}

// Layout measures: every byte 10 pixels wide.
int tenPerByte(std::string_view s) { return int(s.size()) * 10; }

std::vector<std::string> lineTexts(const std::vector<TextLine>& lines) {
  std::vector<std::string> out;
  for (const TextLine& l : lines) {
    std::string t;
    for (const TextSegment& s : l.segments) t += s.text;
    out.push_back(t);
  }
  return out;
}

}  // namespace

TEST(Text, RendersHardEdgedGlyphsInTheFontColourTheSameEveryTime) {
  Font font;
  font.color = clRed;
  const Bitmap a = textPicture(font, "Hello, World");
  // Only two colours: no anti-aliasing.
  EXPECT_GT(countColor(a, clRed), 30);
  EXPECT_EQ(countColor(a, clRed) + countColor(a, clWhite), 200 * 100);
  const Rect ink = inkBounds(a);
  Bitmap measure(1, 1);
  measure.canvas().font = font;
  const Size extent = measure.canvas().textExtent("Hello, World");
  EXPECT_GE(ink.left, 10);
  EXPECT_GE(ink.top, 10);
  EXPECT_LE(ink.right, 10 + extent.cx + 1);
  EXPECT_LE(ink.bottom, 10 + extent.cy);
  EXPECT_EQ(a.dirty(), ink);

  // Other fonts in between (and so another state of the font cache) change nothing.
  Font other;
  other.name = "Times New Roman";
  other.height = -30;
  other.style = fsBold | fsItalic;
  (void)textPicture(other, "Something else");
  EXPECT_EQ(pixelHash(textPicture(font, "Hello, World")), pixelHash(a));
}

TEST(Text, ClassicFaceNamesResolveToTheirMetricCompatibleFaces) {
  Font arial, liberation;
  liberation.name = "Liberation Sans";
  arial.height = liberation.height = -20;
  EXPECT_EQ(pixelHash(textPicture(arial, "Quillmoor")),
            pixelHash(textPicture(liberation, "Quillmoor")));
}

TEST(Text, ExtentGrowsWithTheTextAndFollowsTheFontHeight) {
  Bitmap b(10, 10);
  Canvas& c = b.canvas();
  c.font.height = -16;
  const Size one = c.textExtent("a"), four = c.textExtent("aaaa");
  EXPECT_GT(one.cx, 0);
  EXPECT_EQ(four.cx, 4 * one.cx);
  EXPECT_EQ(four.cy, one.cy);
  EXPECT_EQ(c.textExtent("").cx, 0);
  EXPECT_EQ(c.textExtent("").cy, one.cy);
  EXPECT_GE(one.cy, 16);  // the cell holds the em and more
  c.font.height = 40;     // positive: the cell height itself
  EXPECT_NEAR(c.textExtent("a").cy, 40, 1);
  c.font.setSize(24);
  EXPECT_EQ(c.font.height, -32);
  EXPECT_GT(c.textExtent("a").cy, one.cy);
  EXPECT_TRUE(b.dirty().isEmpty());  // measuring draws nothing
}

TEST(Text, EscapementTurnsTheTextCounterClockwiseAboutItsStart) {
  Font font;
  font.height = -14;
  const Bitmap flat = textPicture(font, "Rotated text", 60, 90);
  font.escapement = 900;
  const Bitmap up = textPicture(font, "Rotated text", 60, 90);
  const Rect f = inkBounds(flat), u = inkBounds(up);
  EXPECT_GT(f.width(), f.height());
  EXPECT_GT(u.height(), u.width());
  // At 90 degrees the baseline runs up from the start point, the cell to its right.
  EXPECT_LE(u.bottom, 91);
  EXPECT_GE(u.left, 59);
  EXPECT_NEAR(u.height(), f.width(), 2);

  font.escapement = 450;
  const Rect d = inkBounds(textPicture(font, "Rotated text", 60, 90));
  EXPECT_NEAR(d.width(), d.height(), 6);
}

TEST(Text, SolidBrushFillsTheCellAndClearBrushLeavesTheBackground) {
  Bitmap b(120, 40);
  b.fill(clYellow);
  Canvas& c = b.canvas();
  c.font.color = clBlue;
  c.brush.setColor(clLime);
  c.textOut(5, 5, "Opaque");
  const Size e = c.textExtent("Opaque");
  EXPECT_EQ(countColor(b, clLime) + countColor(b, clBlue), std::int64_t(e.cx) * e.cy);
  EXPECT_EQ(inkBounds(b, clYellow), (Rect{5, 5, 5 + e.cx, 5 + e.cy}));

  Bitmap clear(120, 40);
  clear.fill(clYellow);
  clear.canvas().font.color = clBlue;
  clear.canvas().brush.setStyle(BrushStyle::Clear);
  clear.canvas().textOut(5, 5, "Opaque");
  EXPECT_EQ(countColor(clear, clLime), 0);
  EXPECT_EQ(countColor(clear, clBlue), countColor(b, clBlue));

  // Rotated, the filled cell turns with the text.
  Bitmap turned(120, 120);
  turned.canvas().brush.setColor(clLime);
  turned.canvas().font.escapement = 900;
  turned.canvas().textOut(20, 100, "Opaque");
  const Rect cell = inkBounds(turned);
  EXPECT_NEAR(cell.width(), e.cy, 1);
  EXPECT_NEAR(cell.height(), e.cx, 1);
}

TEST(Text, StylesAddInkAndPaletteBitmapsGetPaletteColours) {
  Font plain;
  plain.height = -20;
  const std::int64_t base = countColor(textPicture(plain, "Style"), clBlack);
  for (unsigned style : {unsigned(fsBold), unsigned(fsUnderline), unsigned(fsStrikeOut)}) {
    Font styled = plain;
    styled.style = style;
    EXPECT_GT(countColor(textPicture(styled, "Style"), clBlack), base) << style;
  }
  Font italic = plain;
  italic.style = fsItalic;
  EXPECT_NE(pixelHash(textPicture(italic, "Style")), pixelHash(textPicture(plain, "Style")));

  Bitmap mono(60, 30);
  mono.setPixelFormat(PixelFormat::Bits1);
  mono.canvas().font.color = clSilver;   // nearer white than black
  mono.canvas().brush.setColor(clGray);  // nearer white too
  mono.canvas().textOut(2, 2, "Hi");
  EXPECT_EQ(countColor(mono, clWhite), 60 * 30);
}

TEST(DrawText, MeasuresWrapsAlignsAndClips) {
  Bitmap b(200, 120);
  Canvas& c = b.canvas();
  c.brush.setStyle(BrushStyle::Clear);
  const int lineHeight = c.textExtent("X").cy;
  const int two = c.textExtent("word word").cx;

  Rect calc{0, 0, two + 2, 0};
  const int h = c.drawText("word word word", calc, DT_WORDBREAK | DT_CALCRECT);
  EXPECT_EQ(h, 2 * lineHeight);
  EXPECT_EQ(calc.bottom, 2 * lineHeight);
  EXPECT_EQ(calc.right, two);
  EXPECT_EQ(countColor(b, clBlack), 0);  // measuring draws nothing

  Rect empty{3, 4, 50, 50};
  EXPECT_EQ(c.drawText("", empty, DT_CALCRECT), 0);
  EXPECT_EQ(empty, (Rect{3, 4, 3, 4}));

  Rect box{0, 0, 200, 60};
  EXPECT_EQ(c.drawText("Mid", box, DT_SINGLELINE | DT_CENTER | DT_VCENTER),
            (60 - lineHeight) / 2 + lineHeight);
  const Rect mid = inkBounds(b);
  EXPECT_NEAR((mid.left + mid.right) / 2, 100, 3);
  EXPECT_NEAR((mid.top + mid.bottom) / 2, 30, 4);

  Bitmap right(200, 40);
  right.canvas().brush.setStyle(BrushStyle::Clear);
  Rect rr{0, 0, 200, 40};
  right.canvas().drawText("Right", rr, DT_RIGHT | DT_SINGLELINE | DT_BOTTOM);
  EXPECT_GE(inkBounds(right).right, 196);
  EXPECT_GE(inkBounds(right).bottom, 40 - lineHeight);

  // Clipped to the rectangle unless DT_NOCLIP.
  Bitmap clipped(200, 40), unclipped(200, 40);
  for (Bitmap* p : {&clipped, &unclipped}) p->canvas().brush.setStyle(BrushStyle::Clear);
  Rect narrow{10, 10, 30, 40};
  clipped.canvas().drawText("A long line of text", narrow, DT_LEFT);
  unclipped.canvas().drawText("A long line of text", narrow, DT_LEFT | DT_NOCLIP);
  EXPECT_LE(inkBounds(clipped).right, 30);
  EXPECT_GT(inkBounds(unclipped).right, 60);
}

TEST(DrawText, PrefixesUnderlineUnlessTurnedOff) {
  auto draw = [](const char* text, unsigned flags) {
    Bitmap b(100, 30);
    b.canvas().brush.setStyle(BrushStyle::Clear);
    Rect r{0, 0, 100, 30};
    b.canvas().drawText(text, r, flags);
    return b;
  };
  const Bitmap plain = draw("File", DT_NOPREFIX);
  EXPECT_TRUE(draw("Fi&&le", 0) != plain);  // "&&" shows one "&"
  EXPECT_TRUE(draw("F&&ile", 0) == draw("F&ile", DT_NOPREFIX));
  const Bitmap prefixed = draw("&File", 0);
  EXPECT_GT(countColor(prefixed, clBlack), countColor(plain, clBlack));  // the underline
  const Rect extra = inkBounds(prefixed);
  EXPECT_GT(extra.bottom, inkBounds(plain).bottom);
}

TEST(TextLayout, BreaksLinesWordsAndTabs) {
  // Hard breaks in every spelling; a final break adds no line.
  EXPECT_EQ(lineTexts(layoutText("a\r\nb\nc\rd\n", 0, DT_LEFT, 0, tenPerByte)),
            (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(lineTexts(layoutText("a\n\nb", 0, DT_LEFT, 0, tenPerByte)),
            (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(lineTexts(layoutText("a\nb", 0, DT_SINGLELINE, 0, tenPerByte)),
            (std::vector<std::string>{"a b"}));
  EXPECT_TRUE(layoutText("", 100, DT_WORDBREAK, 0, tenPerByte).empty());

  // Word breaks: greedy, spaces at breaks dropped, long words kept whole.
  EXPECT_EQ(lineTexts(layoutText("aa bb cc dd", 50, DT_WORDBREAK, 0, tenPerByte)),
            (std::vector<std::string>{"aa bb", "cc dd"}));
  EXPECT_EQ(lineTexts(layoutText("  aa   bbbbbbbb c", 50, DT_WORDBREAK, 0, tenPerByte)),
            (std::vector<std::string>{"  aa", "bbbbbbbb", "c"}));
  EXPECT_EQ(lineTexts(layoutText("aa bb", 40, 0, 0, tenPerByte)),
            (std::vector<std::string>{"aa bb"}));

  // Tabs stop every 80 pixels when expanded.
  const std::vector<TextLine> tabs = layoutText("ab\tc\t\td", 0, DT_EXPANDTABS, 80, tenPerByte);
  ASSERT_EQ(tabs.size(), 1u);
  EXPECT_EQ(tabs[0].segments,
            (std::vector<TextSegment>{{"ab", 0, 20}, {"c", 80, 10}, {"d", 240, 10}}));
  EXPECT_EQ(tabs[0].width, 250);

  // Prefixes: the underline sits under the character after "&".
  const std::vector<TextLine> pre = layoutText("x&&y&zw&", 0, DT_LEFT, 0, tenPerByte);
  EXPECT_EQ(lineTexts(pre), (std::vector<std::string>{"x&yzw"}));
  EXPECT_EQ(pre[0].underlines, (std::vector<TextUnderline>{{30, 10}}));
  EXPECT_TRUE(layoutText("&a", 0, DT_NOPREFIX, 0, tenPerByte)[0].underlines.empty());
}
