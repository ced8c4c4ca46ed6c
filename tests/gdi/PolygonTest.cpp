#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/Canvas.h"
#include "support/PixelGrid.h"

using namespace gdi;
using testing_support::countColor;
using testing_support::Grid;
using testing_support::grid;

TEST(Polygon, FillsPixelCentresInsideAndOutlinesThroughTheVertices) {
  const Point square[] = {{1, 1}, {6, 1}, {6, 6}, {1, 6}};
  Bitmap b(8, 8);
  Canvas& c = b.canvas();
  c.brush.setColor(clRed);
  c.polygon(square);
  EXPECT_EQ(grid(b), (Grid{"........", ".######.", ".#rrrr#.", ".#rrrr#.", ".#rrrr#.", ".#rrrr#.",
                           ".######.", "........"}));
  // Without a pen the fill is the pixels whose centres are inside.
  b.fill(clWhite);
  c.pen.style = PenStyle::Clear;
  c.polygon(square);
  EXPECT_EQ(grid(b), (Grid{"........", ".rrrrr..", ".rrrrr..", ".rrrrr..", ".rrrrr..", ".rrrrr..",
                           "........", "........"}));
}

TEST(Polygon, AlternateRuleLeavesTheMiddleOfAStarEmpty) {
  const Point star[] = {{10, 0}, {16, 19}, {0, 7}, {20, 7}, {4, 19}};
  Bitmap b(21, 20);
  Canvas& c = b.canvas();
  c.pen.style = PenStyle::Clear;
  c.brush.setColor(clRed);
  c.polygon(star);
  EXPECT_EQ(b.pixel(10, 11), clWhite);  // the pentagon in the middle
  EXPECT_EQ(b.pixel(10, 4), clRed);     // a point of the star
  EXPECT_EQ(b.pixel(3, 8), clRed);
}

TEST(Polygon, PolygonsSharingAnEdgeCoverEachPixelOnce) {
  // Xor fills: a pixel filled by both triangles would turn back to black.
  Bitmap b(8, 8);
  b.fill(clBlack);
  Canvas& c = b.canvas();
  c.pen.style = PenStyle::Clear;
  c.pen.mode = PenMode::Xor;
  c.brush.setColor(clWhite);
  const Point upper[] = {{0, 0}, {8, 0}, {8, 8}}, lower[] = {{0, 0}, {8, 8}, {0, 8}};
  c.polygon(upper);
  c.polygon(lower);
  EXPECT_EQ(countColor(b, clWhite), 64);
}

TEST(Polygon, OutlineAndFillArePaintedOnce) {
  const Point shape[] = {{2, 2}, {30, 5}, {25, 28}, {12, 14}, {4, 26}};
  for (int w : {1, 2, 5}) {
    for (PenStyle s : {PenStyle::Solid, PenStyle::Dash}) {
      // Copy mode gives the covered set; xor paints each covered pixel once.
      Bitmap copy(34, 34), once(34, 34);
      copy.canvas().pen = {clBlack, w, s, PenMode::Copy};
      copy.canvas().brush.setColor(clBlack);
      copy.canvas().polygon(shape);
      once.canvas().pen = {clWhite, w, s, PenMode::Xor};
      once.canvas().brush.setColor(clWhite);
      once.canvas().polygon(shape);
      EXPECT_EQ(grid(once), grid(copy)) << "width " << w;
    }
  }
}

TEST(Polygon, RepeatedAndSinglePoints) {
  // The polygon tool pads its 500 points with the first one.
  std::vector<Point> pts(500, Point{5, 5});
  pts[1] = {15, 9};
  Bitmap b(20, 20);
  Canvas& c = b.canvas();
  c.brush.setColor(clRed);
  c.polygon(pts);
  EXPECT_EQ(b.pixel(5, 5), clBlack);
  EXPECT_EQ(b.pixel(15, 9), clBlack);
  EXPECT_EQ(countColor(b, clRed), 0);  // no area

  b.fill(clWhite);
  std::fill(pts.begin(), pts.end(), Point{5, 5});
  c.polygon(pts);
  EXPECT_EQ(countColor(b, clWhite), 400);
  c.pen.width = 3;
  c.polygon(pts);
  EXPECT_EQ(countColor(b, clBlack), 9);
  c.polygon(std::span<const Point>(pts.data(), 1));
  EXPECT_EQ(countColor(b, clBlack), 9);
}

TEST(Polygon, FarAwayVerticesClipExactly) {
  const Point huge[] = {{-1000000, -1000000}, {1000000, -1000000}, {0, 1000000}};
  Bitmap b(30, 20);
  Canvas& c = b.canvas();
  c.brush.setColor(clRed);
  c.polygon(huge);
  EXPECT_EQ(countColor(b, clRed), 600);
  const Point extreme[] = {{INT32_MIN, INT32_MIN}, {INT32_MAX, 0}, {0, INT32_MAX}};
  c.polygon(extreme);
}
