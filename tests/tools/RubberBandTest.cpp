#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/gdi/Canvas.h"
#include "support/PixelGrid.h"
#include "tools/engine/PenSetup.h"
#include "tools/engine/RubberBand.h"
#include "tools/engine/ToolTable.h"

using namespace gdi;
using testing_support::Grid;
using testing_support::grid;
using testing_support::noiseBitmap;
using tools::BandFigure;

namespace {

// A drag that wanders in every direction and off the picture.
std::vector<Point> dragPath() {
  return {{30, 30}, {31, 30}, {45, 52}, {70, 70}, {95, 20},   {10, 5}, {-12, 40},
          {30, 31}, {30, 30}, {60, 99}, {99, 99}, {120, 130}, {5, 90}, {50, 50}};
}

struct Case {
  BandFigure figure;
  bool filled;
};

}  // namespace

TEST(RubberBand, FigureOfEachCode) {
  EXPECT_EQ(tools::bandFigure(5), BandFigure::Rectangle);
  EXPECT_EQ(tools::bandFigure(157), BandFigure::Rectangle);
  EXPECT_EQ(tools::bandFigure(103), BandFigure::Rectangle);
  EXPECT_EQ(tools::bandFigure(10), BandFigure::RoundRect);
  EXPECT_EQ(tools::bandFigure(25), BandFigure::Ellipse);
  EXPECT_EQ(tools::bandFigure(152), BandFigure::Ellipse);
  EXPECT_EQ(tools::bandFigure(11), BandFigure::Line);
  EXPECT_EQ(tools::bandFigure(151), BandFigure::None);
  EXPECT_EQ(tools::bandFigure(7), BandFigure::None);
}

TEST(RubberBand, EveryBandIsErasedByDrawingItAgainAcrossAWholeDrag) {
  const Bitmap original = noiseBitmap(100, 100, 7);
  for (const Case& k : {Case{BandFigure::Line, false}, Case{BandFigure::Rectangle, false},
                        Case{BandFigure::Rectangle, true}, Case{BandFigure::RoundRect, false},
                        Case{BandFigure::RoundRect, true}, Case{BandFigure::Ellipse, false},
                        Case{BandFigure::Ellipse, true}}) {
    Bitmap b = original;
    Canvas& c = b.canvas();
    tools::setBandPen(c, k.filled, clRed);
    c.pen.style = PenStyle::InsideFrame;
    bool first = true;
    Rect last;
    const Point down{40, 40};
    for (const Point& p : dragPath()) {
      tools::moveBand(c, k.figure, {down.x, down.y, p.x, p.y}, first, last);
      EXPECT_FALSE(first);
    }
    EXPECT_FALSE(b == original) << int(k.figure);
    tools::drawBandFigure(c, k.figure, last);
    EXPECT_TRUE(b == original) << "figure " << int(k.figure) << " filled " << k.filled;
  }
}

TEST(RubberBand, ThePixelMoverBoxIsErasedWithItsOwnWidePen) {
  const Bitmap original = noiseBitmap(60, 60, 3);
  Bitmap b = original;
  tools::DrawingState s;
  bool first = false, poly = false;
  tools::set_t(101, s, b.canvas(), {first, poly});
  Rect last;
  for (int x = -5; x < 70; x += 7)
    tools::moveBand(b.canvas(), BandFigure::Rectangle, {x - 3, x / 2 - 3, x + 13, x / 2 + 13},
                    first, last);
  tools::drawBandFigure(b.canvas(), BandFigure::Rectangle, last);
  EXPECT_TRUE(b == original);
}

TEST(RubberBand, ALineRunsFromThePressPointToTheMouse) {
  Bitmap b(6, 4);
  Canvas& c = b.canvas();
  tools::setBandPen(c, false, clWhite);
  // Dragged up and to the left: the rectangle keeps its corners unsorted.
  tools::drawBandFigure(c, BandFigure::Line, {5, 3, 0, 0});
  EXPECT_EQ(grid(b), (Grid{"......", ".##...", "...##.", ".....#"}));
}

TEST(RubberBand, OutlineAreasHoldEveryChangedPixel) {
  std::mt19937 rng(11);
  std::uniform_int_distribution<int> coord(-20, 220);
  for (int round = 0; round < 60; ++round) {
    for (BandFigure figure :
         {BandFigure::Line, BandFigure::Rectangle, BandFigure::RoundRect, BandFigure::Ellipse}) {
      const Rect r{coord(rng), coord(rng), coord(rng), coord(rng)};
      for (int width : {1, 2, 9}) {
        Bitmap b(200, 200);
        Canvas& c = b.canvas();
        tools::setBandPen(c, false, clWhite);
        c.pen.width = width;
        c.pen.style = round % 2 ? PenStyle::InsideFrame : PenStyle::Solid;
        tools::drawBandFigure(c, figure, r);
        const std::vector<Rect> areas = tools::figureOutlineAreas(figure, r, width);
        for (int y = 0; y < 200; ++y)
          for (int x = 0; x < 200; ++x) {
            if (b.pixel(x, y) == clWhite) continue;
            bool held = false;
            for (const Rect& a : areas) held = held || a.contains(x, y);
            ASSERT_TRUE(held) << "figure " << int(figure) << " width " << width << " at " << x
                              << "," << y;
          }
      }
    }
  }
}

TEST(RubberBand, OutlineAreasOfALargeFrameAreThin) {
  const std::vector<Rect> areas =
      tools::figureOutlineAreas(BandFigure::Rectangle, {0, 0, 4000, 4000}, 1);
  long long pixels = 0;
  for (const Rect& a : areas) pixels += (long long)a.width() * a.height();
  EXPECT_LT(pixels, 4000LL * 4 * 10);
  const std::vector<Rect> ellipse =
      tools::figureOutlineAreas(BandFigure::Ellipse, {0, 0, 4000, 3000}, 1);
  pixels = 0;
  for (const Rect& a : ellipse) pixels += (long long)a.width() * a.height();
  EXPECT_LT(pixels, 4000LL * 3000 / 10);
}
