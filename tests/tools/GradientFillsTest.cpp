#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "platform/gdi/Canvas.h"
#include "support/PixelGrid.h"
#include "tools/engine/GradientFills.h"
#include "tools/engine/GradientList.h"

using namespace gdi;
using testing_support::countColor;
using testing_support::noiseBitmap;

namespace {

const std::vector<TColor> kRedBlue{clRed, clBlue};
const std::vector<TColor> kThree{clRed, clLime, clBlue};

// True when every pixel outside `r` is the same in both bitmaps.
bool sameOutside(const Bitmap& a, const Bitmap& b, const Rect& r) {
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (!r.contains(x, y) && a.pixel(x, y) != b.pixel(x, y)) return false;
  return true;
}

}  // namespace

TEST(GradientBoxFill, FourPixelsHighDrawsNothingFiveDraws) {
  Bitmap b(40, 40);
  const Bitmap blank = b;
  EXPECT_FALSE(tools::Hdogradboxfill(b.canvas(), 5, 5, 30, 9, kRedBlue));
  EXPECT_TRUE(b == blank);
  EXPECT_FALSE(tools::Vdogradboxfill(b.canvas(), 5, 5, 9, 30, kRedBlue));
  EXPECT_TRUE(b == blank);
  EXPECT_TRUE(tools::Hdogradboxfill(b.canvas(), 5, 5, 30, 10, kRedBlue));
  EXPECT_FALSE(b == blank);
}

TEST(GradientBoxFill, AShortListDrawsNothingButSetsThePen) {
  Bitmap b(40, 40);
  const std::vector<TColor> one{clRed};
  EXPECT_FALSE(tools::Hdogradboxfill(b.canvas(), 0, 0, 30, 30, one));
  EXPECT_EQ(countColor(b, clWhite), 1600);
  EXPECT_EQ(b.canvas().pen.width, 2);
  EXPECT_TRUE(b.canvas().brush.isClear());
}

TEST(GradientBoxFill, RowsRunFromTheFirstColourToTheLast) {
  Bitmap b(60, 60);
  // Dragged from bottom right to top left: the same box.
  ASSERT_TRUE(tools::Hdogradboxfill(b.canvas(), 50, 40, 10, 10, kRedBlue));
  EXPECT_EQ(b.pixel(30, 11), clRed);
  EXPECT_EQ(b.pixel(30, 38), clBlue);
  for (int y = 11; y < 39; ++y) EXPECT_EQ(b.pixel(10, y), b.pixel(49, y)) << y;
  // The wide pen reaches at most a pixel past the box.
  EXPECT_TRUE(sameOutside(b, Bitmap(60, 60), {9, 9, 51, 41}));
}

TEST(GradientBoxFill, ColumnsRunFromLeftToRight) {
  Bitmap b(60, 60);
  ASSERT_TRUE(tools::Vdogradboxfill(b.canvas(), 10, 10, 50, 40, kThree));
  EXPECT_EQ(b.pixel(11, 25), clRed);
  EXPECT_EQ(b.pixel(25, 25), clLime);
  EXPECT_EQ(b.pixel(48, 25), clBlue);
}

TEST(GradientAreaFill, ChangesOnlyTheFloodedArea) {
  Bitmap b(30, 20);
  Canvas& c = b.canvas();
  c.pen.color = clBlack;
  c.moveTo(10, 0);
  c.lineTo(10, 20);
  const Bitmap before = b;
  Bitmap undo;
  ASSERT_TRUE(tools::Hdogradfill(b, undo, 20, 5, kRedBlue));
  EXPECT_TRUE(undo == before);
  EXPECT_TRUE(sameOutside(b, before, {11, 0, 30, 20}));
  EXPECT_EQ(countColor(b, clWhite), 10 * 20);
  EXPECT_EQ(b.pixel(20, 1), clRed);
  EXPECT_EQ(b.pixel(20, 19), clBlue);
  EXPECT_EQ(countColor(b, 0x000001), 0);
}

TEST(GradientAreaFill, MatchesAPictureSizedWorkBitmap) {
  // The fill's narrow work strip against the plain method: a work bitmap of
  // the picture's size with a line drawn across every row or column.
  Bitmap picture = noiseBitmap(37, 23, 5);
  for (int y = 0; y < 23; ++y)
    for (int x = 5; x < 30; ++x) picture.setPixel(x, y, clSilver);
  for (bool rows : {true, false}) {
    Bitmap b = picture, undo;
    ASSERT_TRUE(rows ? tools::Hdogradfill(b, undo, 10, 10, kThree)
                     : tools::Vdogradfill(b, undo, 10, 10, kThree));
    Bitmap work(37, 23);
    Canvas& w = work.canvas();
    w.brush.setStyle(BrushStyle::Clear);
    w.pen.width = 2;
    w.pen.style = PenStyle::InsideFrame;
    const int n = rows ? 23 : 37;
    for (int k = 0; k < n; ++k) {
      const double v = 3 < n ? k / (double(n) / 3) : k * (3.0 / n);
      const int i = int(std::nearbyint(v));
      if (i <= 2) w.pen.color = kThree[std::size_t(i)];
      if (rows) {
        w.moveTo(0, k);
        w.lineTo(37, k);
      } else {
        w.moveTo(k, 0);
        w.lineTo(k, 23);
      }
    }
    for (int y = 0; y < 23; ++y)
      for (int x = 0; x < 37; ++x) {
        const TColor want = x >= 5 && x < 30 ? work.pixel(x, y) : picture.pixel(x, y);
        ASSERT_EQ(b.pixel(x, y), want) << (rows ? "rows" : "columns") << " at " << x << "," << y;
      }
  }
}

TEST(GradientAreaFill, AnAreaAlreadyInTheMarkerColourStaysAsItIs) {
  Bitmap b(20, 20);
  b.fill(0x000001);
  b.takeDirty();
  const Bitmap before = b;
  Bitmap undo;
  EXPECT_TRUE(tools::Vdogradfill(b, undo, 5, 5, kRedBlue));
  EXPECT_TRUE(b == before);
}

TEST(GradientAreaFill, AShortListOrAClickOutsideChangesNothing) {
  Bitmap b(20, 20);
  const Bitmap before = b;
  Bitmap undo(3, 3);
  const std::vector<TColor> one{clRed};
  EXPECT_FALSE(tools::Hdogradfill(b, undo, 5, 5, one));
  EXPECT_EQ(undo.width(), 3);  // no undo copy taken
  EXPECT_TRUE(tools::Hdogradfill(b, undo, -5, 5, kRedBlue));
  EXPECT_TRUE(b == before);
}

TEST(GradientGlobe, RingsFromTheFirstColourOutsideToTheLastInTheMiddle) {
  Bitmap b(80, 80);
  // The larger half side (20) is the radius; the circle hangs from the top left.
  ASSERT_TRUE(tools::globe(b.canvas(), 50, 30, 10, 10, kThree));
  EXPECT_EQ(b.pixel(10, 30), clRed);
  EXPECT_EQ(b.pixel(30, 30), clBlue);
  EXPECT_EQ(b.pixel(30, 18), clLime);
  EXPECT_EQ(b.pixel(30, 55), clWhite);  // below the circle
  EXPECT_EQ(b.pixel(11, 11), clWhite);  // outside it at the corner
}

TEST(GradientGlobe, ARadiusOfFourDrawsNothing) {
  Bitmap b(40, 40);
  EXPECT_FALSE(tools::globe(b.canvas(), 0, 0, 9, 8, kThree));
  EXPECT_EQ(countColor(b, clWhite), 1600);
  EXPECT_TRUE(tools::globe(b.canvas(), 0, 0, 10, 8, kThree));
}

TEST(GradientFrame, OutsideInTheLastColourInsideInTheFirst) {
  Bitmap b(50, 30);
  ASSERT_TRUE(tools::Hdogradrectfill(b.canvas(), 0, 0, 40, 20, kRedBlue, clYellow));
  EXPECT_EQ(b.pixel(0, 10), clBlue);
  EXPECT_EQ(b.pixel(20, 0), clBlue);
  EXPECT_EQ(b.pixel(20, 10), clRed);
  EXPECT_EQ(countColor(b, clWhite), 50 * 30 - 40 * 20);
  EXPECT_FALSE(tools::Hdogradrectfill(b.canvas(), 0, 0, 40, 4, kRedBlue, clYellow));
}

TEST(GradientTubes, ShadedFromTheEdgesToTheMiddleAndThePenRestored) {
  Bitmap b(80, 40);
  Canvas& c = b.canvas();
  c.pen.mode = PenMode::NotXor;
  ASSERT_TRUE(tools::dogradtubes(c, {10, 20}, {60, 20}, 9, clLime, kRedBlue));
  EXPECT_EQ(b.pixel(30, 16), clRed);
  EXPECT_EQ(b.pixel(30, 20), clBlue);
  EXPECT_EQ(b.pixel(30, 25), clWhite);
  EXPECT_EQ(c.pen.mode, PenMode::Copy);
  EXPECT_EQ(c.pen.width, 9);
  EXPECT_EQ(c.pen.color, clLime);
  // Too thin for shading: nothing drawn, the pen still restored.
  c.pen.mode = PenMode::Xor;
  EXPECT_FALSE(tools::dogradtubes(c, {10, 5}, {60, 5}, 2, clRed, kRedBlue));
  EXPECT_EQ(c.pen.mode, PenMode::Copy);
  EXPECT_EQ(b.pixel(30, 5), clWhite);
}

// The fills paint the picture their figures leave without drawing every
// figure; these hold them to the figures drawn one by one.
namespace {

Bitmap drawnByFigures(Bitmap b, const std::vector<TColor>& steps,
                      const std::function<void(Canvas&, int)>& figure) {
  Canvas& c = b.canvas();
  c.brush.setStyle(BrushStyle::Clear);
  c.pen.width = 2;
  c.pen.style = PenStyle::InsideFrame;
  for (int k = 0; k < int(steps.size()); ++k) {
    c.pen.color = steps[std::size_t(k)];
    figure(c, k);
  }
  return b;
}

std::vector<TColor> rainbow(int n) {
  std::vector<TColor> v;
  for (int i = 0; i < n; ++i) v.push_back(RGB(i * 7, 255 - i * 5, i * 13));
  return v;
}

}  // namespace

TEST(GradientFigures, GlobeMatchesItsRingsDrawnOneByOne) {
  const std::vector<TColor> list = rainbow(9);
  for (int side : {10, 11, 17, 24, 41}) {
    for (Point at : {Point{3, 2}, Point{-6, 20}, Point{30, -5}}) {
      const Bitmap start = noiseBitmap(60, 50, unsigned(side));
      Bitmap fast = start;
      ASSERT_TRUE(tools::globe(fast.canvas(), at.x, at.y, at.x + side, at.y + side - 3, list));
      const int r = side / 2;
      const Bitmap slow =
          drawnByFigures(start, tools::gradientSteps(list, r), [&](Canvas& c, int n) {
            c.ellipse(at.x + n, at.y + n, at.x + 2 * r - n, at.y + 2 * r - n);
          });
      ASSERT_TRUE(fast == slow) << "side " << side << " at " << at.x << "," << at.y;
    }
  }
}

TEST(GradientFigures, FrameMatchesItsRectanglesDrawnOneByOne) {
  const std::vector<TColor> list = rainbow(6);
  const std::vector<TColor> reversed(list.rbegin(), list.rend());
  for (Size box :
       {Size{30, 9}, Size{3, 20}, Size{4, 21}, Size{12, 12}, Size{50, 35}, Size{7, 40}}) {
    const Bitmap start = noiseBitmap(60, 50, unsigned(box.cx));
    Bitmap fast = start;
    ASSERT_TRUE(tools::Hdogradrectfill(fast.canvas(), 5, 4, 5 + box.cx, 4 + box.cy, list, clRed));
    const int sideLimit = (box.cx - 1) / 2;
    const Bitmap slow =
        drawnByFigures(start, tools::gradientSteps(reversed, box.cy / 2), [&](Canvas& c, int k) {
          const int dx = std::min(k, sideLimit);
          c.rectangle(5 + dx, 4 + k, 5 + box.cx - dx, 4 + box.cy - k);
        });
    ASSERT_TRUE(fast == slow) << box.cx << " x " << box.cy;
  }
}

TEST(GradientFigures, ColumnFillMatchesItsLinesDrawnOneByOne) {
  const std::vector<TColor> list = rainbow(5);
  for (Rect box : {Rect{5, 5, 40, 30}, Rect{-3, 10, 20, 11}, Rect{50, -4, 70, 60}}) {
    const Bitmap start = noiseBitmap(60, 50, 4);
    Bitmap fast = start;
    ASSERT_TRUE(
        tools::Vdogradboxfill(fast.canvas(), box.left, box.top, box.right, box.bottom, list));
    const Bitmap slow =
        drawnByFigures(start, tools::gradientSteps(list, box.width()), [&](Canvas& c, int k) {
          c.moveTo(box.left + k, box.top);
          c.lineTo(box.left + k, box.bottom);
        });
    ASSERT_TRUE(fast == slow) << box.left << "," << box.top;
  }
}
