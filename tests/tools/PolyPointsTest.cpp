#include <gtest/gtest.h>

#include "platform/gdi/Canvas.h"
#include "support/PixelGrid.h"
#include "tools/engine/PolyPoints.h"

using gdi::Point;
using tools::PolyPointArray;

TEST(PolyPoints, PressBeginsOnlyAnEmptyFigure) {
  PolyPointArray pts;
  int count = 1;
  tools::beginPolygon(pts, count, {5, 6});
  EXPECT_EQ(count, 2);
  EXPECT_EQ(pts[1], (Point{5, 6}));
  tools::beginPolygon(pts, count, {9, 9});
  EXPECT_EQ(count, 2);
  EXPECT_EQ(pts[1], (Point{5, 6}));
}

TEST(PolyPoints, EachReleaseAddsAVertexAndItsEdge) {
  PolyPointArray pts;
  int count = 1;
  tools::beginPolygon(pts, count, {1, 1});
  const tools::PolyEdge first = tools::addPolyVertex(pts, count, {10, 1});
  EXPECT_EQ(first.from, (Point{1, 1}));
  EXPECT_EQ(first.to, (Point{10, 1}));
  const tools::PolyEdge second = tools::addPolyVertex(pts, count, {10, 10});
  EXPECT_EQ(second.from, (Point{10, 1}));
  EXPECT_EQ(count, 4);
}

TEST(PolyPoints, CountIsHeldAtFiveHundred) {
  PolyPointArray pts;
  int count = 1;
  tools::beginPolygon(pts, count, {0, 0});
  for (int i = 1; i <= 498; ++i) tools::addPolyVertex(pts, count, {i, 0});
  EXPECT_EQ(count, 500);  // vertices 1..499 taken
  tools::addPolyVertex(pts, count, {1000, 0});
  EXPECT_EQ(count, 500);  // 501 is set back
  EXPECT_EQ(pts[500], (Point{1000, 0}));
  // Later vertices overwrite the last one; edges still start at vertex 499.
  const tools::PolyEdge e = tools::addPolyVertex(pts, count, {2000, 0});
  EXPECT_EQ(count, 500);
  EXPECT_EQ(pts[500], (Point{2000, 0}));
  EXPECT_EQ(pts[499], (Point{498, 0}));
  EXPECT_EQ(e.from, (Point{498, 0}));
}

TEST(PolyPoints, ClosingRepeatsTheFirstPointOverTheTail) {
  PolyPointArray pts;
  int count = 1;
  tools::beginPolygon(pts, count, {3, 4});
  tools::addPolyVertex(pts, count, {20, 4});
  tools::addPolyVertex(pts, count, {20, 30});
  tools::closePolygon(pts, count);
  ASSERT_EQ(pts.all().size(), 500u);
  EXPECT_EQ(pts[3], (Point{20, 30}));
  for (int i = 4; i <= 500; ++i) ASSERT_EQ(pts[i], (Point{3, 4})) << i;
}

TEST(PolyPoints, ReleaseWithoutPressBeginsAtTheReleasePoint) {
  PolyPointArray pts;
  int count = 1;
  const tools::PolyEdge e = tools::addPolyVertex(pts, count, {7, 8});
  EXPECT_EQ(count, 3);
  EXPECT_EQ(e.from, (Point{7, 8}));
  EXPECT_EQ(pts[1], (Point{7, 8}));
}

TEST(PolyPoints, FilledPolygonClosedAfterTwoClicksFillsATriangle) {
  // Press and release at (1, 1)-(10, 1), then a right click at (1, 10): the
  // repeated first point closes the triangle.
  PolyPointArray pts;
  int count = 1;
  tools::beginPolygon(pts, count, {1, 1});
  tools::addPolyVertex(pts, count, {10, 1});
  tools::addPolyVertex(pts, count, {1, 10});
  tools::closePolygon(pts, count);
  gdi::Bitmap b(12, 12);
  gdi::Canvas& c = b.canvas();
  c.pen.color = gdi::clBlack;
  c.brush.setColor(gdi::clRed);
  c.polygon(pts.all());
  EXPECT_EQ(b.pixel(3, 3), gdi::clRed);
  EXPECT_EQ(b.pixel(8, 8), gdi::clWhite);
  EXPECT_EQ(b.pixel(1, 5), gdi::clBlack);

  // With a single distinct point the figure is degenerate: nothing is filled.
  PolyPointArray one;
  int n = 1;
  tools::beginPolygon(one, n, {5, 5});
  tools::addPolyVertex(one, n, {5, 5});
  tools::addPolyVertex(one, n, {5, 5});
  tools::closePolygon(one, n);
  gdi::Bitmap d(12, 12);
  d.canvas().brush.setColor(gdi::clRed);
  d.canvas().polygon(one.all());
  EXPECT_EQ(testing_support::countColor(d, gdi::clRed), 0);
}
