#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>

#include "platform/gdi/Canvas.h"
#include "support/PixelGrid.h"
#include "tools/engine/Spray.h"

using namespace gdi;
using testing_support::countColor;

namespace {

tools::RandomInt seeded(unsigned seed) {
  auto rng = std::make_shared<std::mt19937>(seed);
  return [rng](int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(*rng); };
}

}  // namespace

TEST(Spray, FourHundredPointsInFourMirroredQuadrants) {
  const std::vector<Point> points = tools::sprayPoints(50, 40, 8, seeded(1));
  ASSERT_EQ(points.size(), 400u);
  for (std::size_t i = 0; i < points.size(); i += 4) {
    const int dx = points[i + 2].x - 50, dy = points[i + 2].y - 40;
    EXPECT_GE(dx, 0);
    EXPECT_LT(dx, 8);
    EXPECT_GE(dy, 0);
    EXPECT_LT(dy, 8);
    EXPECT_EQ(points[i], (Point{50 - dx, 40 + dy}));
    EXPECT_EQ(points[i + 1], (Point{50 + dx, 40 - dy}));
    EXPECT_EQ(points[i + 3], (Point{50 - dx, 40 - dy}));
  }
}

TEST(Spray, WidthOnePutsEveryPointOnTheMouse) {
  for (const Point& p : tools::sprayPoints(7, 9, 1, seeded(2))) EXPECT_EQ(p, (Point{7, 9}));
  Bitmap b(20, 20);
  tools::do_spray(b.canvas(), 7, 9, 1, clRed, false, seeded(2));
  EXPECT_EQ(countColor(b, clRed), 1);
  EXPECT_EQ(b.pixel(7, 9), clRed);
}

TEST(Spray, ABurstStaysInsideItsSquareAndIsSymmetric) {
  Bitmap b(60, 60);
  const Rect area = tools::do_spray(b.canvas(), 30, 30, 10, clBlue, false, seeded(3));
  EXPECT_EQ(area, (Rect{21, 21, 40, 40}));  // side 2 * 10 - 1
  int painted = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 60; ++x) {
      if (b.pixel(x, y) != clBlue) continue;
      ++painted;
      EXPECT_TRUE(area.contains(x, y));
      // Mirrored through the mouse point.
      EXPECT_EQ(b.pixel(60 - x, 60 - y), clBlue);
    }
  EXPECT_GT(painted, 100);
  EXPECT_LE(painted, 400);
}

TEST(Spray, TheSameRandomSequenceSpraysTheSamePixels) {
  Bitmap a(40, 40), b(40, 40);
  tools::do_spray(a.canvas(), 20, 20, 6, clRed, false, seeded(5));
  tools::do_spray(b.canvas(), 20, 20, 6, clRed, false, seeded(5));
  EXPECT_TRUE(a == b);
}

TEST(Spray, MixingWritesEachPixelOnceInNotXor) {
  // Every one of the 400 points lands on one pixel: a not-xor applied 400
  // times would leave it as it was; once per burst it mixes.
  Bitmap b(10, 10);
  Canvas& c = b.canvas();
  tools::do_spray(c, 4, 4, 1, clBlack, true, seeded(9));
  EXPECT_EQ(b.pixel(4, 4), clBlack);  // not-xor of black inverts white
  EXPECT_EQ(c.pen.mode, PenMode::NotXor);
  tools::do_spray(c, 4, 4, 1, clBlack, true, seeded(9));
  EXPECT_EQ(b.pixel(4, 4), clWhite);
  // A plain burst leaves the pen alone.
  c.pen.mode = PenMode::Copy;
  tools::do_spray(c, 4, 4, 1, clRed, false, seeded(9));
  EXPECT_EQ(c.pen.mode, PenMode::Copy);
  EXPECT_EQ(b.pixel(4, 4), clRed);
}

TEST(Spray, BurstsAtTheEdgeAreClipped) {
  Bitmap b(10, 10);
  tools::do_spray(b.canvas(), 0, 0, 30, clRed, false, seeded(4));
  tools::do_spray(b.canvas(), -40, 500, 30, clRed, false, seeded(4));
  EXPECT_GT(countColor(b, clRed), 0);
}
