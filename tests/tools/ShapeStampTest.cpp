#include <gtest/gtest.h>

#include <cmath>

#include "platform/gdi/Canvas.h"
#include "support/PixelGrid.h"
#include "tools/engine/ShapeStamp.h"

using namespace gdi;
using testing_support::countColor;
using tools::StampKind;

TEST(ShapeStamp, StarHasFivePointsOnItsRadius) {
  const std::vector<Point> star = tools::starPoints({50, 50}, 20);
  ASSERT_EQ(star.size(), 10u);
  EXPECT_EQ(star[0], (Point{50, 30}));  // points up
  for (std::size_t k = 0; k < star.size(); ++k) {
    const double r = std::hypot(star[k].x - 50, star[k].y - 50);
    EXPECT_NEAR(r, k % 2 ? 7.6 : 20.0, 1.0) << k;
  }
  EXPECT_TRUE(tools::starPoints({0, 0}, 0).empty());
}

TEST(ShapeStamp, HeartIsMirroredAndFitsItsRadius) {
  const std::vector<Point> heart = tools::heartPoints({100, 100}, 34);
  ASSERT_FALSE(heart.empty());
  int minX = 1000, maxX = -1000, minY = 1000, maxY = -1000;
  for (const Point& p : heart) {
    minX = std::min(minX, p.x);
    maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y);
    maxY = std::max(maxY, p.y);
  }
  EXPECT_EQ(100 - minX, maxX - 100);
  EXPECT_LE(maxX - 100, 34);
  EXPECT_LE(maxY - 100, 34);
  EXPECT_LE(100 - minY, 34);
}

TEST(ShapeStamp, ArrowRunsFromTailToTip) {
  const std::vector<Point> arrow = tools::arrowPoints({10, 50}, {110, 50});
  ASSERT_EQ(arrow.size(), 7u);
  EXPECT_EQ(arrow[3], (Point{110, 50}));
  for (const Point& p : arrow) EXPECT_GE(p.x, 10);
  EXPECT_TRUE(tools::arrowPoints({10, 10}, {12, 11}).empty());
}

TEST(ShapeStamp, ShapesAreFilledAndOutlinedAndThePenComesBack) {
  Bitmap b(200, 100);
  Canvas& c = b.canvas();
  c.pen.width = 7;
  c.pen.color = clLime;
  c.brush.setStyle(BrushStyle::Cross);
  tools::stampShapes(c, {10, 50}, {190, 50}, StampKind::Arrow, 1, 3, clRed, clBlue);
  EXPECT_EQ(b.pixel(100, 50), clRed);   // inside the shaft
  EXPECT_EQ(b.pixel(189, 50), clBlue);  // the tip's outline
  EXPECT_GT(countColor(b, clBlue), 100);
  EXPECT_EQ(c.pen.width, 7);
  EXPECT_EQ(c.pen.color, clLime);
  EXPECT_EQ(c.brush.style(), BrushStyle::Cross);
}

TEST(ShapeStamp, SeveralShapesShareTheWay) {
  Bitmap b(300, 100);
  tools::stampShapes(b.canvas(), {0, 50}, {300, 50}, StampKind::Star, 3, 1, clRed, clBlue);
  // Three stars centred at 50, 150 and 250.
  for (int x : {50, 150, 250}) EXPECT_EQ(b.pixel(x, 50), clRed) << x;
  EXPECT_EQ(b.pixel(100, 50), clWhite);
}

TEST(ShapeStamp, ATrailPutsStampsEveryTwoSizesInThePenColour) {
  Bitmap b(200, 60);
  Canvas& c = b.canvas();
  c.pen.color = clBlue;
  c.pen.width = 4;
  tools::stampTrail(c, {20, 30}, {140, 30}, StampKind::Star, 10);
  // Stars at 20, 40, ..., 140: seven of them.
  for (int x = 20; x <= 140; x += 20) EXPECT_EQ(b.pixel(x, 30), clBlue) << x;
  EXPECT_EQ(b.pixel(175, 30), clWhite);
  EXPECT_EQ(c.pen.width, 4);
  // A click without moving still stamps once.
  Bitmap one(40, 40);
  one.canvas().pen.color = clRed;
  tools::stampTrail(one.canvas(), {20, 20}, {20, 20}, StampKind::Heart, 9);
  EXPECT_EQ(one.pixel(20, 20), clRed);
}
