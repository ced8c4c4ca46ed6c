#include <gtest/gtest.h>

#include "platform/gdi/Canvas.h"
#include "support/PixelGrid.h"
#include "tools/engine/PenSetup.h"
#include "tools/engine/ToolTable.h"

using namespace gdi;
using testing_support::Grid;
using testing_support::grid;
using testing_support::gridBitmap;

namespace {

struct Setup : ::testing::Test {
  tools::DrawingState s;
  Bitmap picture{20, 20};
  bool firstRubber = false;
  bool polyActive = true;
  tools::StrokeFlags flags{firstRubber, polyActive};
  Canvas& c = picture.canvas();
};

}  // namespace

TEST(ToolTable, RoutingFamiliesHoldTheirCodes) {
  for (int code : {7, 8, 11, 15, 16, 101, 105, 108, 151, 153, 154, 158, 159})
    EXPECT_TRUE(tools::isPointHandled(code)) << code;
  for (int code : {5, 12, 17, 18, 100, 109, 152, 155})
    EXPECT_FALSE(tools::isPointHandled(code)) << code;
  for (int code : {5, 6, 9, 10, 13, 14, 24, 25, 152, 155, 156, 157})
    EXPECT_TRUE(tools::isRubberBandFigure(code)) << code;
  EXPECT_FALSE(tools::isRubberBandFigure(11));
  // Filled and outline shapes split the rubber-band figures except the special circle.
  for (int code = -5; code < 300; ++code) {
    if (!tools::isRubberBandFigure(code)) {
      EXPECT_FALSE(tools::isFilledShape(code) || tools::isOutlineShape(code)) << code;
      continue;
    }
    EXPECT_NE(tools::isFilledShape(code), tools::isOutlineShape(code) || code == 25) << code;
  }
  for (int code : {0, 1, 2, 3, 4, 20}) EXPECT_TRUE(tools::isFreehand(code)) << code;
  EXPECT_FALSE(tools::isFreehand(5));
  for (int code : {22, 23, 229}) EXPECT_TRUE(tools::isCaptureBox(code)) << code;
  for (int code : {19, 21, 109}) EXPECT_TRUE(tools::isOutlineCapture(code)) << code;
}

TEST(ToolTable, CodesNoToolHasAreNeitherRoutedNorPainting) {
  for (int code : {-1, 26, 100, 110, 160, 230, 255, 256, 1000}) {
    const tools::ToolTraits& t = tools::toolTraits(code);
    EXPECT_EQ(t.family, tools::ToolFamily::None) << code;
    EXPECT_EQ(t.pen, tools::ToolPen::Keep) << code;
    EXPECT_FALSE(t.paints || t.undoAtPress || t.resetsOutline) << code;
  }
}

TEST(ToolTable, WhatPaintsThePictureAndWhatOnlyShowsOutlines) {
  // Captures, the sampler, the curve under edit and the clipboard replacement
  // change the picture only when their work is done, not at a press.
  for (int code : {12, 17, 19, 21, 22, 23, 24, 25, 31, 109, 217, 229})
    EXPECT_FALSE(tools::paintsPicture(code)) << code;
  for (int code : {0,  1,  2,  3,   4,   5,   6,   7,   8,   9,   10,  11,  13,  14, 15,
                   16, 18, 20, 101, 108, 151, 152, 153, 154, 155, 156, 157, 158, 159})
    EXPECT_TRUE(tools::paintsPicture(code)) << code;
}

TEST_F(Setup, EraserPaintsWhiteAtLeastTenWideAndAsksForTheColourBox) {
  s.LineWidth = 4;
  s.PenWidth = 4;
  c.pen.mode = PenMode::NotXor;
  EXPECT_TRUE(tools::set_t(tools::kEraser, s, c, flags));
  EXPECT_EQ(s.ForeColor, clWhite);
  EXPECT_EQ(s.LineWidth, 10);
  EXPECT_EQ(s.PenWidth, 10);
  EXPECT_EQ(c.pen.width, 10);
  EXPECT_EQ(c.pen.mode, PenMode::Copy);
  EXPECT_EQ(c.pen.style, PenStyle::InsideFrame);
  // A wider eraser keeps its width.
  s.LineWidth = 30;
  tools::set_t(tools::kEraser, s, c, flags);
  EXPECT_EQ(s.LineWidth, 30);
}

TEST_F(Setup, PencilAndPenNarrowTheLine) {
  s.LineWidth = 7;
  EXPECT_TRUE(tools::set_t(tools::kPencil, s, c, flags));
  EXPECT_EQ(s.ForeColor, clGray);
  EXPECT_EQ(s.LineWidth, 2);
  s.LineWidth = 7;
  EXPECT_TRUE(tools::set_t(tools::kPen, s, c, flags));
  EXPECT_EQ(s.ForeColor, clBlue);
  EXPECT_EQ(s.LineWidth, 1);
  // Exactly two stays two for the pen.
  s.LineWidth = 2;
  tools::set_t(tools::kPen, s, c, flags);
  EXPECT_EQ(s.LineWidth, 2);
  EXPECT_EQ(c.pen.width, 2);
}

TEST_F(Setup, MarkerTurnsLimeAndCarriesTheRaisedWidthToThePen) {
  // The palette raised LineWidth without touching PenWidth.
  s.LineWidth = 10;
  s.PenWidth = 4;
  EXPECT_TRUE(tools::set_t(tools::kMarker, s, c, flags));
  EXPECT_EQ(s.ForeColor, clLime);
  EXPECT_EQ(s.PenWidth, 10);
  EXPECT_EQ(c.pen.width, 10);
}

TEST_F(Setup, RubberBandToolsGetABlackNotXorPenAndResetTheBand) {
  for (int code : {5, 6, 7, 9, 10, 11, 13, 14, 19, 21, 24, 25, 101, 109, 152, 155, 157}) {
    firstRubber = false;
    polyActive = true;
    c.pen = {};
    c.brush.setStyle(BrushStyle::Solid);
    EXPECT_FALSE(tools::set_t(code, s, c, flags)) << code;
    EXPECT_EQ(c.pen.width, 2) << code;
    EXPECT_EQ(c.pen.mode, PenMode::NotXor) << code;
    EXPECT_EQ(c.pen.color, clBlack) << code;
    EXPECT_EQ(c.pen.style, PenStyle::InsideFrame) << code;
    EXPECT_TRUE(c.brush.isClear()) << code;
    EXPECT_TRUE(firstRubber) << code;
    EXPECT_FALSE(polyActive) << code;
  }
  for (int code : {22, 23, 229}) {
    tools::set_t(code, s, c, flags);
    EXPECT_EQ(c.pen.width, 1) << code;
    EXPECT_EQ(c.pen.mode, PenMode::NotXor) << code;
  }
  // The Bezier pen leaves the band flag alone.
  firstRubber = false;
  tools::set_t(tools::kBezier, s, c, flags);
  EXPECT_EQ(c.pen.width, 1);
  EXPECT_FALSE(firstRubber);
}

TEST_F(Setup, FloodAndAreaGradientBrushes) {
  s.BrushStyle = BrushStyle::Cross;
  s.BackColor = clRed;
  tools::set_t(tools::kFloodFill, s, c, flags);
  EXPECT_EQ(c.brush.style(), BrushStyle::Cross);
  EXPECT_EQ(c.brush.color(), clRed);
  tools::set_t(tools::kHGradientFill, s, c, flags);
  EXPECT_EQ(c.brush.style(), BrushStyle::Solid);
  EXPECT_EQ(c.brush.color(), 0x000001);
}

TEST_F(Setup, SetItBackGivesTheRealPenAndTheFillBrush) {
  s.ForeColor = clRed;
  s.BackColor = clBlue;
  s.LineWidth = 6;
  s.BrushStyle = BrushStyle::Horizontal;
  c.pen.mode = PenMode::NotXor;
  tools::set_itback(s, c, nullptr);
  EXPECT_EQ(c.pen.mode, PenMode::Copy);
  EXPECT_EQ(c.pen.width, 6);
  EXPECT_EQ(c.pen.color, clRed);
  EXPECT_EQ(c.pen.style, PenStyle::Solid);
  EXPECT_EQ(c.brush.style(), BrushStyle::Horizontal);
  EXPECT_EQ(c.brush.color(), clBlue);
  EXPECT_EQ(c.brush.bitmap(), nullptr);
}

TEST_F(Setup, FloodFillWithPatternFillTilesThePatternFromTheOrigin) {
  const Bitmap pattern = gridBitmap({"rb", "gy"});
  s.PlainFill = false;
  s.PatternFill = true;
  Bitmap b = gridBitmap({"......", ".####.", ".#...#", ".#...#", ".#####"});
  Canvas& bc = b.canvas();
  tools::set_itback(s, bc, &pattern);
  bc.floodFill(3, 2, b.pixel(3, 2), FillStyle::Surface);
  EXPECT_EQ(grid(b), (Grid{"......", ".####.", ".#rbr#", ".#gyg#", ".#####"}));
}

TEST_F(Setup, ClearImageKeepsTheUndoCopyAndFillsWithTheBackgroundColour) {
  s.BackColor = clYellow;
  picture.setPixel(3, 3, clRed);
  Bitmap undo;
  tools::clearit(picture, undo, s, flags);
  EXPECT_EQ(undo.pixel(3, 3), clRed);
  EXPECT_EQ(testing_support::countColor(picture, clYellow), 400);
  EXPECT_EQ(c.pen.mode, PenMode::Copy);
}
