#include <gtest/gtest.h>

#include <set>

#include "support/PixelGrid.h"
#include "tools/engine/ToolPaletteImages.h"

using namespace gdi;
using testing_support::countColor;

namespace {

constexpr TColor kMarker = 0x123456;

Bitmap markedBox(int w, int h) {
  Bitmap b(w, h);
  b.fill(kMarker);
  return b;
}

std::set<TColor> groundColours(const Bitmap& b) {
  std::set<TColor> seen;
  for (int y = 0; y < 36; ++y)
    for (int x = 0; x < 40; ++x)
      if (!tools::kForeSquare.contains({x, y})) seen.insert(b.pixel(x, y));
  return seen;
}

}  // namespace

TEST(ColorBox, SolidStyleFillsTheGroundWithTheBackColourAndNoSilver) {
  Bitmap box = markedBox(40, 40);
  tools::drawColorBox(box, clRed, clWhite, BrushStyle::Solid);
  EXPECT_EQ(groundColours(box), std::set<TColor>{clWhite});
  EXPECT_EQ(countColor(box, clSilver), 0);
  for (int y = 10; y < 24; ++y)
    for (int x = 12; x < 30; ++x) ASSERT_EQ(box.pixel(x, y), clRed) << x << "," << y;
  EXPECT_EQ(box.pixel(11, 10), clWhite);
  EXPECT_EQ(box.pixel(30, 23), clWhite);
  // Rows 36..39 are not part of the drawing.
  EXPECT_EQ(box.pixel(0, 36), kMarker);
  EXPECT_EQ(box.pixel(39, 39), kMarker);
}

TEST(ColorBox, HatchStylesDrawOverSilver) {
  for (BrushStyle style : {BrushStyle::Horizontal, BrushStyle::Vertical, BrushStyle::FDiagonal,
                           BrushStyle::BDiagonal, BrushStyle::Cross, BrushStyle::DiagCross}) {
    Bitmap box = markedBox(40, 40);
    tools::drawColorBox(box, clRed, clBlue, style);
    EXPECT_EQ(groundColours(box), (std::set<TColor>{clSilver, clBlue})) << int(style);
    EXPECT_EQ(box.pixel(20, 15), clRed);
  }
}

TEST(ColorBox, EmptyStyleLeavesSilverOnly) {
  Bitmap box = markedBox(40, 40);
  tools::drawColorBox(box, clLime, clBlue, BrushStyle::Clear);
  EXPECT_EQ(groundColours(box), std::set<TColor>{clSilver});
  EXPECT_EQ(box.pixel(12, 10), clLime);
}

TEST(ColorBox, ASolidBoxAfterAHatchedOneHasNoSilverLeft) {
  Bitmap box = markedBox(40, 40);
  tools::drawColorBox(box, clRed, clBlue, BrushStyle::Cross);
  tools::drawColorBox(box, clRed, clBlue, BrushStyle::Solid);
  EXPECT_EQ(groundColours(box), std::set<TColor>{clBlue});
}

TEST(WidthPreview, OnePixelStrokeInAWhiteFrame) {
  Bitmap p = markedBox(tools::kWidthPreviewWidth, tools::kWidthPreviewHeight);
  tools::drawWidthPreview(p, 1);
  for (int y = 0; y < 32; ++y) EXPECT_EQ(p.pixel(1, y), clBlack) << y;
  for (int x = 1; x < 40; ++x) {
    EXPECT_EQ(p.pixel(x, 0), clBlack) << x;
    EXPECT_EQ(p.pixel(x, 31), clBlack) << x;
  }
  for (int y = 0; y < 32; ++y) EXPECT_EQ(p.pixel(39, y), clBlack) << y;
  EXPECT_EQ(p.pixel(0, 10), kMarker);
  for (int y = 15; y < 25; ++y) EXPECT_EQ(p.pixel(16, y), clBlack) << y;
  EXPECT_EQ(p.pixel(16, 25), clWhite);  // one-pixel lines leave out their end
  EXPECT_EQ(p.pixel(15, 20), clWhite);
  EXPECT_EQ(p.pixel(17, 20), clWhite);
}

TEST(WidthPreview, WideStrokeIsRoundAndRedrawingNarrowerClearsIt) {
  Bitmap p = markedBox(tools::kWidthPreviewWidth, tools::kWidthPreviewHeight);
  tools::drawWidthPreview(p, 9);
  EXPECT_EQ(p.pixel(12, 20), clBlack);
  EXPECT_EQ(p.pixel(20, 20), clBlack);
  EXPECT_EQ(p.pixel(16, 11), clBlack);  // round cap above the start
  EXPECT_EQ(p.pixel(22, 20), clWhite);
  tools::drawWidthPreview(p, 1);
  EXPECT_EQ(p.pixel(12, 20), clWhite);
  EXPECT_EQ(p.pixel(16, 11), clWhite);
}

TEST(WidthPreview, WidestStrokeStaysInsideTheBitmap) {
  Bitmap p = markedBox(tools::kWidthPreviewWidth, tools::kWidthPreviewHeight);
  tools::drawWidthPreview(p, 90);
  EXPECT_EQ(countColor(p, clBlack), 40 * 32);
}

TEST(PatternSwatch, CopiesTheNineByNineBlockAtEight) {
  Bitmap pattern(24, 24);
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 24; ++x) pattern.setPixel(x, y, RGB(x * 10, y * 10, 7));
  Bitmap swatch = markedBox(tools::kSwatchSide, tools::kSwatchSide);
  tools::copyPatternSwatch(pattern, swatch);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 9; ++x) ASSERT_EQ(swatch.pixel(x, y), pattern.pixel(x + 8, y + 8));
}

TEST(PatternSwatch, ASmallPatternLeavesTheRestOfTheSwatch) {
  Bitmap pattern(10, 12);
  pattern.fill(clRed);
  Bitmap swatch = markedBox(tools::kSwatchSide, tools::kSwatchSide);
  tools::copyPatternSwatch(pattern, swatch);
  EXPECT_EQ(swatch.pixel(1, 3), clRed);
  EXPECT_EQ(swatch.pixel(2, 3), kMarker);
  EXPECT_EQ(swatch.pixel(1, 4), kMarker);
  EXPECT_EQ(countColor(swatch, clRed), 2 * 4);
}

TEST(PickStrip, HasColoursAcrossAndAGreyRampFromBlackToWhite) {
  Bitmap strip(117, 37);
  tools::paintPickStrip(strip);
  const int grey = 37 - 37 / 5;
  EXPECT_EQ(strip.pixel(0, grey), clBlack);
  EXPECT_EQ(strip.pixel(116, 36), clWhite);
  // Full colour somewhere in the hue rows: red at the left, blue two thirds on.
  const int mid = 16;
  EXPECT_GT(GetRValue(strip.pixel(0, mid)), 200);
  EXPECT_LT(GetGValue(strip.pixel(0, mid)), 60);
  EXPECT_GT(GetBValue(strip.pixel(78, mid)), 200);
  EXPECT_LT(GetRValue(strip.pixel(78, mid)), 60);
  // Lighter at the top than at the bottom of the hue rows.
  EXPECT_GT(GetGValue(strip.pixel(0, 0)), GetGValue(strip.pixel(0, grey - 1)));
}
