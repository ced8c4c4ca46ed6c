#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/Canvas.h"
#include "support/PixelGrid.h"

using namespace gdi;
using testing_support::Grid;
using testing_support::grid;

namespace {

Bitmap line(int w, int h, Point a, Point b, int width = 1) {
  Bitmap bm(w, h);
  Canvas& c = bm.canvas();
  c.pen.width = width;
  c.moveTo(a.x, a.y);
  c.lineTo(b.x, b.y);
  return bm;
}

}  // namespace

TEST(Line, OnePixelLineLeavesOutItsEndPoint) {
  EXPECT_EQ(grid(line(12, 6, {1, 1}, {10, 4})),
            (Grid{"............", ".##.........", "...###......", "......###...", ".........#..",
                  "............"}));
  // Width 0 is a one-pixel pen too; a line to its own start draws nothing.
  EXPECT_EQ(grid(line(5, 1, {0, 0}, {4, 0}, 0)), (Grid{"####."}));
  EXPECT_EQ(testing_support::countColor(line(5, 5, {2, 2}, {2, 2}), clBlack), 0);
}

TEST(Line, ReversedLinesCoverTheSamePixelsApartFromTheirEnds) {
  // Ties between two pixels are broken the same way in both directions.
  const Point ends[][2] = {{{0, 0}, {9, 3}}, {{0, 0}, {8, 3}}, {{1, 7}, {6, 0}},
                           {{0, 5}, {9, 2}}, {{3, 0}, {4, 9}}, {{0, 0}, {6, 6}}};
  for (const auto& e : ends) {
    Bitmap fwd = line(12, 12, e[0], e[1]), back = line(12, 12, e[1], e[0]);
    fwd.setPixel(e[1].x, e[1].y, clBlack);
    back.setPixel(e[0].x, e[0].y, clBlack);
    EXPECT_EQ(grid(fwd), grid(back)) << e[0].x << "," << e[0].y << " - " << e[1].x << "," << e[1].y;
  }
}

TEST(Line, WidePensCoverTheirWidthWithRoundCaps) {
  // Odd widths centre on pixels, even widths on the grid lines between them.
  EXPECT_EQ(grid(line(12, 7, {2, 3}, {9, 3}, 3)),
            (Grid{"............", "............", ".##########.", ".##########.", ".##########.",
                  "............", "............"}));
  EXPECT_EQ(grid(line(10, 6, {2, 3}, {7, 3}, 2)), (Grid{"..........", "..........", ".#######..",
                                                        ".#######..", "..........", ".........."}));
  for (int w : {2, 3, 4, 7, 30}) {
    Bitmap b = line(200, 100, {60, 50}, {140, 50}, w);
    int rows = 0;
    for (int y = 0; y < 100; ++y) rows += b.pixel(100, y) == clBlack;
    EXPECT_EQ(rows, w) << "width " << w;
  }
  // A wide line to its own start is a dot.
  EXPECT_EQ(grid(line(9, 7, {4, 3}, {4, 3}, 5)),
            (Grid{".........", "...###...", "..#####..", "..#####..", "..#####..", "...###...",
                  "........."}));
}

TEST(Line, LineToMovesThePenAndPolylinesPaintJointsOnce) {
  Bitmap b(6, 5);
  b.fill(clBlack);
  Canvas& c = b.canvas();
  c.pen.mode = PenMode::Xor;
  c.pen.color = clWhite;
  c.moveTo(0, 0);
  c.lineTo(4, 0);
  EXPECT_EQ(c.penPos(), (Point{4, 0}));
  // Xor: a pixel painted twice would turn back to black. The path crosses itself.
  b.fill(clBlack);
  const Point path[] = {{0, 0}, {4, 0}, {4, 4}, {1, 4}, {1, 0}, {1, -1}};
  c.polyline(path);
  EXPECT_EQ(grid(b), (Grid{".....#", "#.##.#", "#.##.#", "#.##.#", "#....#"}));
  for (int w : {2, 5}) {
    b.fill(clBlack);
    c.pen.width = w;
    c.polyline(path);
    EXPECT_EQ(testing_support::countColor(b, clBlack) + testing_support::countColor(b, clWhite),
              30);
  }
}

TEST(Line, DashPatternsRunAlongThePathAndGapsTakeASolidBrush) {
  Bitmap b(40, 1);
  Canvas& c = b.canvas();
  c.brush.setColor(clRed);
  c.pen.style = PenStyle::Dash;
  c.moveTo(0, 0);
  c.lineTo(40, 0);
  EXPECT_EQ(grid(b), (Grid{"##################rrrrrr################"}));
  b.fill(clWhite);
  c.pen.style = PenStyle::DashDotDot;
  c.moveTo(0, 0);
  c.lineTo(40, 0);
  EXPECT_EQ(grid(b), (Grid{"#########rrr###rrr###rrr#########rrr###r"}));
  // With a hatched or clear brush the gaps are left alone.
  b.fill(clWhite);
  c.brush.setStyle(BrushStyle::Clear);
  c.pen.style = PenStyle::Dot;
  c.moveTo(0, 0);
  c.lineTo(40, 0);
  EXPECT_EQ(grid(b), (Grid{"###...###...###...###...###...###...###."}));

  // The phase carries on round corners: 3 + 3 pixels per dot cycle.
  Bitmap p(6, 4);
  Canvas& pc = p.canvas();
  pc.brush.setStyle(BrushStyle::Clear);
  pc.pen.style = PenStyle::Dot;
  const Point path[] = {{0, 0}, {4, 0}, {4, 3}, {0, 3}};
  pc.polyline(path);
  EXPECT_EQ(grid(p), (Grid{"###...", "......", "....#.", "...##."}));
}

TEST(Line, WideDashedAndInsideFramePensDrawSolid) {
  for (PenStyle s : {PenStyle::Dash, PenStyle::Dot, PenStyle::InsideFrame}) {
    Bitmap b(30, 6);
    Canvas& c = b.canvas();
    c.pen.style = s;
    c.pen.width = s == PenStyle::InsideFrame ? 1 : 2;
    c.moveTo(2, 3);
    c.lineTo(27, 3);
    for (int x = 2; x < 27; ++x) EXPECT_EQ(b.pixel(x, 2 + (c.pen.width == 1)), clBlack) << x;
  }
  Bitmap b(10, 3);
  b.canvas().pen.style = PenStyle::Clear;
  b.canvas().lineTo(9, 2);
  EXPECT_EQ(testing_support::countColor(b, clWhite), 30);
}

TEST(Line, ClippingKeepsThePixelsOfTheWholeLine) {
  // The part of a line inside a small bitmap is the same as on a large one,
  // whatever the clip cuts off, for thin and wide pens.
  std::uint32_t s = 7;
  auto rnd = [&](int lo, int hi) {
    s = s * 1664525u + 1013904223u;
    return lo + int((s >> 8) % std::uint32_t(hi - lo + 1));
  };
  for (int i = 0; i < 200; ++i) {
    const Point a{rnd(-150, 250), rnd(-150, 250)}, b{rnd(-150, 250), rnd(-150, 250)};
    const int w = i % 3 == 0 ? 1 : rnd(2, 12);
    Bitmap big(600, 600), small(40, 30);
    for (Bitmap* bm : {&big, &small}) {
      Canvas& c = bm->canvas();
      c.pen.width = w;
      c.pen.style = i % 2 ? PenStyle::DashDot : PenStyle::Solid;
      c.brush.setColor(clRed);
      c.moveTo(a.x + (bm == &big ? 200 : 0), a.y + (bm == &big ? 200 : 0));
      c.lineTo(b.x + (bm == &big ? 200 : 0), b.y + (bm == &big ? 200 : 0));
    }
    ASSERT_EQ(grid(small), grid(big, {200, 200, 240, 230})) << "line " << i;
  }
}

TEST(Line, FarAwayEndPointsAreCheap) {
  Bitmap b(50, 40);
  Canvas& c = b.canvas();
  for (int w : {1, 2, 9}) {
    b.fill(clWhite);
    c.pen.width = w;
    c.moveTo(-1000000, 20);
    c.lineTo(1000000, 20);
    EXPECT_EQ(b.pixel(0, 20), clBlack);
    EXPECT_EQ(b.pixel(49, 20), clBlack);
    c.moveTo(-1000000, -1000000);
    c.lineTo(1000000, 1000000);
    EXPECT_EQ(b.pixel(10, 10), clBlack);
    // Beyond the coordinate range the line is clamped, not wrapped.
    c.moveTo(INT32_MIN, INT32_MIN);
    c.lineTo(INT32_MAX, INT32_MIN);
    c.moveTo(INT32_MAX, INT32_MAX);
    c.lineTo(-5, -5);
  }
  c.pen.width = INT32_MAX;
  c.moveTo(10, 10);
  c.lineTo(12, 12);
  EXPECT_EQ(testing_support::countColor(b, clBlack), 50 * 40);
}
