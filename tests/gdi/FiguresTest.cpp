#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "platform/gdi/Canvas.h"
#include "support/PixelGrid.h"

using namespace gdi;
using testing_support::Grid;
using testing_support::grid;

namespace {

enum class Kind { Rect, Round, Ellipse };

void draw(Canvas& c, Kind k, int x1, int y1, int x2, int y2) {
  switch (k) {
    case Kind::Rect:
      c.rectangle(x1, y1, x2, y2);
      break;
    case Kind::Round:
      c.roundRect(x1, y1, x2, y2, 20, 16);
      break;
    case Kind::Ellipse:
      c.ellipse(x1, y1, x2, y2);
      break;
  }
}

// Black pen, red brush.
Bitmap figure(int w, int h, Kind k, Rect box, int penWidth = 1, PenStyle style = PenStyle::Solid) {
  Bitmap b(w, h);
  Canvas& c = b.canvas();
  c.pen.width = penWidth;
  c.pen.style = style;
  c.brush.setColor(clRed);
  draw(c, k, box.left, box.top, box.right, box.bottom);
  return b;
}

Grid mirrored(Grid g, bool horizontally) {
  if (horizontally) {
    for (auto& row : g) std::reverse(row.begin(), row.end());
  } else {
    std::reverse(g.begin(), g.end());
  }
  return g;
}

bool is(const Bitmap& b, int x, int y, TColor c) { return b.pixel(x, y) == c; }

int countColorsOutside(const Bitmap& b, std::initializer_list<TColor> colors) {
  int n = 0;
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x)
      n += std::find(colors.begin(), colors.end(), b.pixel(x, y)) == colors.end();
  return n;
}

}  // namespace

TEST(Rectangle, OutlineTakesThePenAndInteriorTheBrush) {
  const Grid expected{"..........", ".#######..", ".#rrrrr#..", ".#rrrrr#..",
                      ".#rrrrr#..", ".#######..", ".........."};
  EXPECT_EQ(grid(figure(10, 7, Kind::Rect, {1, 1, 8, 6})), expected);
  // The box is normalised.
  EXPECT_EQ(grid(figure(10, 7, Kind::Rect, {8, 6, 1, 1})), expected);
  // Odd pens are centred on the edge pixels, even pens on the box's edge.
  EXPECT_EQ(grid(figure(10, 9, Kind::Rect, {2, 2, 8, 7}, 3)),
            (Grid{"..........", ".########.", ".########.", ".########.", ".###rr###.",
                  ".########.", ".########.", ".########.", ".........."}));
  EXPECT_EQ(grid(figure(10, 9, Kind::Rect, {2, 2, 8, 7}, 2)),
            (Grid{"..........", ".########.", ".########.", ".##rrrr##.", ".##rrrr##.",
                  ".##rrrr##.", ".########.", ".########.", ".........."}));
  // Joins are round: a five-pixel pen cuts the outer corners.
  const Bitmap wide = figure(20, 20, Kind::Rect, {5, 5, 15, 15}, 5);
  EXPECT_EQ(grid(wide, {3, 3, 6, 6}), (Grid{".##", "###", "###"}));
}

TEST(Rectangle, DegenerateBoxes) {
  for (Kind k : {Kind::Rect, Kind::Round, Kind::Ellipse}) {
    for (int w : {1, 4}) {
      // No width or no height: nothing at all.
      EXPECT_EQ(testing_support::countColor(figure(8, 8, k, {3, 1, 3, 6}, w), clWhite), 64);
      EXPECT_EQ(testing_support::countColor(figure(8, 8, k, {1, 3, 6, 3}, w), clWhite), 64);
    }
    EXPECT_EQ(grid(figure(3, 3, k, {1, 1, 2, 2})), (Grid{"...", ".#.", "..."}));
    // Two pixels wide: all outline, no interior, full height.
    EXPECT_EQ(grid(figure(4, 7, k, {1, 1, 3, 6})),
              (Grid{"....", ".##.", ".##.", ".##.", ".##.", ".##.", "...."}));
    // One pixel wide: a line the height of the box.
    EXPECT_EQ(grid(figure(3, 6, k, {1, 1, 2, 5})),
              (Grid{"...", ".#.", ".#.", ".#.", ".#.", "..."}));
  }
}

TEST(RoundRect, CornersAreQuarterEllipses) {
  Bitmap b(14, 10);
  Canvas& c = b.canvas();
  c.brush.setColor(clRed);
  c.roundRect(1, 1, 13, 9, 6, 4);
  EXPECT_EQ(grid(b), (Grid{"..............", "..##########..", ".#rrrrrrrrrr#.", ".#rrrrrrrrrr#.",
                           ".#rrrrrrrrrr#.", ".#rrrrrrrrrr#.", ".#rrrrrrrrrr#.", ".#rrrrrrrrrr#.",
                           "..##########..", ".............."}));
  b.fill(clWhite);
  c.roundRect(1, 1, 13, 9, 8, 6);
  EXPECT_EQ(grid(b), (Grid{"..............", "...########...", "..#rrrrrrrr#..", ".#rrrrrrrrrr#.",
                           ".#rrrrrrrrrr#.", ".#rrrrrrrrrr#.", ".#rrrrrrrrrr#.", "..#rrrrrrrr#..",
                           "...########...", ".............."}));
  // Corners as large as the box make an ellipse, no corners a rectangle.
  for (int w : {1, 2, 5}) {
    Bitmap r(30, 24), e(30, 24), q(30, 24);
    r.canvas().pen.width = e.canvas().pen.width = q.canvas().pen.width = w;
    r.canvas().roundRect(3, 4, 25, 19, 40, 30);
    e.canvas().ellipse(3, 4, 25, 19);
    EXPECT_EQ(grid(r), grid(e));
    r.fill(clWhite);
    r.canvas().roundRect(3, 4, 25, 19, 0, 0);
    q.canvas().rectangle(3, 4, 25, 19);
    EXPECT_EQ(grid(r), grid(q));
  }
}

TEST(Ellipse, SmallEllipse) {
  // The pixels whose centres lie in the ellipse inscribed in the box.
  EXPECT_EQ(grid(figure(9, 7, Kind::Ellipse, {1, 1, 8, 6})),
            (Grid{".........", "..#####..", ".#rrrrr#.", ".#rrrrr#.", ".#rrrrr#.", "..#####..",
                  "........."}));
  EXPECT_EQ(grid(figure(16, 16, Kind::Ellipse, {3, 3, 13, 13}, 2)),
            (Grid{"................", "................", "......####......", "....########....",
                  "...###rrrr###...", "...##rrrrrr##...", "..##rrrrrrrr##..", "..##rrrrrrrr##..",
                  "..##rrrrrrrr##..", "..##rrrrrrrr##..", "...##rrrrrr##...", "...###rrrr###...",
                  "....########....", "......####......", "................", "................"}));
  EXPECT_EQ(grid(figure(7, 7, Kind::Ellipse, {1, 1, 6, 6})),
            (Grid{".......", "..###..", ".#rrr#.", ".#rrr#.", ".#rrr#.", "..###..", "......."}));
}

TEST(Figures, CoverageIsMirrorSymmetric) {
  for (Kind k : {Kind::Round, Kind::Ellipse, Kind::Rect})
    for (int w : {1, 2, 3, 4, 7})
      for (PenStyle s : {PenStyle::Solid, PenStyle::InsideFrame})
        for (int bw = 1; bw <= 23; bw += 2)
          for (int bh : {1, 2, 5, 8, 13, 22}) {
            const Bitmap b = figure(60, 60, k, {20, 20, 20 + bw, 20 + bh}, w, s);
            // Mirror about the box's own centre: crop a window centred on it.
            const Rect win{20 - 10, 20 - 10, 20 + bw + 10, 20 + bh + 10};
            const Grid g = grid(b, win);
            ASSERT_EQ(g, mirrored(g, true)) << int(k) << " w" << w << " " << bw << "x" << bh;
            ASSERT_EQ(g, mirrored(g, false)) << int(k) << " w" << w << " " << bw << "x" << bh;
          }
}

TEST(Figures, OutlinesAreClosedAndOnePixelOutlinesEightConnected) {
  for (Kind k : {Kind::Ellipse, Kind::Round, Kind::Rect})
    for (int w : {1, 2, 3, 6})
      for (int bw : {1, 2, 3, 7, 16, 41, 90})
        for (int bh : {1, 2, 4, 9, 33, 60}) {
          const Bitmap b = figure(100, 70, k, {3, 3, 3 + bw, 3 + bh}, w);
          // No interior pixel touches the outside: a later flood fill cannot leak.
          for (int y = 0; y < 70; ++y)
            for (int x = 0; x < 100; ++x) {
              if (!is(b, x, y, clRed)) continue;
              for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                ASSERT_FALSE(is(b, x + dx, y + dy, clWhite)) << bw << "x" << bh << " w" << w;
            }
          if (w != 1) continue;
          // The one-pixel outline is one 8-connected piece.
          std::vector<std::pair<int, int>> todo;
          std::vector<char> seen(100 * 70, 0);
          int total = 0;
          for (int y = 0; y < 70; ++y)
            for (int x = 0; x < 100; ++x)
              if (is(b, x, y, clBlack)) {
                ++total;
                if (todo.empty() && !seen[y * 100 + x]) {
                  todo.push_back({x, y});
                  seen[y * 100 + x] = 1;
                }
              }
          int reached = 0;
          while (!todo.empty()) {
            auto [x, y] = todo.back();
            todo.pop_back();
            ++reached;
            for (int dy = -1; dy <= 1; ++dy)
              for (int dx = -1; dx <= 1; ++dx)
                if (is(b, x + dx, y + dy, clBlack) && !seen[(y + dy) * 100 + x + dx]) {
                  seen[(y + dy) * 100 + x + dx] = 1;
                  todo.push_back({x + dx, y + dy});
                }
          }
          ASSERT_EQ(reached, total) << int(k) << " " << bw << "x" << bh;
        }
}

TEST(Figures, InsideFramePensStayInsideTheBoxAndReachItsEdges) {
  for (Kind k : {Kind::Rect, Kind::Round, Kind::Ellipse})
    for (int w : {1, 2, 3, 5, 8, 13, 30})
      for (auto [bw, bh] : {std::pair{1, 1}, {2, 9}, {7, 7}, {20, 11}, {45, 60}, {64, 3}}) {
        const Rect box{10, 10, 10 + bw, 10 + bh};
        const Bitmap b = figure(90, 90, k, box, w, PenStyle::InsideFrame);
        bool top = false, bottom = false, left = false, right = false;
        for (int y = 0; y < 90; ++y)
          for (int x = 0; x < 90; ++x) {
            if (is(b, x, y, clWhite)) continue;
            ASSERT_TRUE(box.contains(x, y)) << int(k) << " w" << w << " " << bw << "x" << bh;
            top |= y == box.top;
            bottom |= y == box.bottom - 1;
            left |= x == box.left;
            right |= x == box.right - 1;
          }
        EXPECT_TRUE(top && bottom && left && right)
            << int(k) << " w" << w << " " << bw << "x" << bh;
      }
  // The pen is as wide as asked, inside the edge.
  const Bitmap b = figure(40, 40, Kind::Rect, {5, 5, 35, 35}, 4, PenStyle::InsideFrame);
  EXPECT_EQ(grid(b, {5, 20, 12, 21}), (Grid{"####rrr"}));
}

TEST(Figures, ClearPenLeavesTheOutlineAndDashedPensDashIt) {
  Bitmap b = figure(9, 7, Kind::Rect, {1, 1, 8, 6}, 1, PenStyle::Clear);
  EXPECT_EQ(grid(b), (Grid{".........", ".........", "..rrrrr..", "..rrrrr..", "..rrrrr..",
                           ".........", "........."}));
  // A dotted one-pixel outline: dots of three, gaps in the (solid) brush colour.
  for (Kind k : {Kind::Rect, Kind::Ellipse}) {
    const Bitmap solid = figure(40, 40, k, {2, 2, 38, 30});
    const Bitmap dotted = figure(40, 40, k, {2, 2, 38, 30}, 1, PenStyle::Dot);
    const auto outline = testing_support::countColor(solid, clBlack);
    const auto ink = testing_support::countColor(dotted, clBlack);
    EXPECT_NEAR(double(ink), outline / 2.0, 3.0);
    EXPECT_EQ(testing_support::countColor(dotted, clRed),
              testing_support::countColor(solid, clRed) + outline - ink);
  }
}

TEST(Figures, ClippingKeepsThePixelsOfTheWholeFigure) {
  std::uint32_t s = 99;
  auto rnd = [&](int lo, int hi) {
    s = s * 1664525u + 1013904223u;
    return lo + int((s >> 8) % std::uint32_t(hi - lo + 1));
  };
  for (int i = 0; i < 150; ++i) {
    const Kind k = Kind(i % 3);
    const Rect box{rnd(-60, 60), rnd(-60, 60), rnd(-20, 100), rnd(-20, 100)};
    const int w = i % 4 == 0 ? 1 : rnd(2, 15);
    const PenStyle st = i % 5 == 0 ? PenStyle::InsideFrame : PenStyle::Solid;
    const Bitmap big = figure(400, 400, k, box.translated(150, 150), w, st);
    const Bitmap small = figure(40, 30, k, box, w, st);
    ASSERT_EQ(grid(small), grid(big, {150, 150, 190, 180})) << "figure " << i;
  }
  // Boxes far beyond the bitmap cost nothing and clip exactly.
  Bitmap b = figure(50, 40, Kind::Ellipse, {-1000000, -1000000, 1000000, 1000000});
  EXPECT_EQ(testing_support::countColor(b, clRed), 50 * 40);
  b = figure(50, 40, Kind::Rect, {-1000000, 10, 1000000, 20}, 3);
  EXPECT_EQ(grid(b, {20, 8, 21, 22}),
            (Grid{".", "#", "#", "#", "r", "r", "r", "r", "r", "r", "#", "#", "#", "."}));
  b = figure(50, 40, Kind::Round, {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, 7);
  EXPECT_EQ(testing_support::countColor(b, clRed), 50 * 40);
}

TEST(FillRect, PaintsTheBrushInCopyModeWithoutAPen) {
  Bitmap b(6, 4);
  b.fill(clBlue);
  Canvas& c = b.canvas();
  c.pen.mode = PenMode::Xor;
  c.brush.setColor(clRed);
  c.fillRect({1, 1, 4, 3});
  c.fillRect({5, 3, 4, 2});  // not normalised: nothing
  c.fillRect({-10, -10, 1, 1});
  EXPECT_EQ(grid(b), (Grid{"rbbbbb", "brrrbb", "brrrbb", "bbbbbb"}));
}

TEST(FrameRect, DrawsAOnePixelFrameWithTheBrush) {
  Bitmap b(7, 6);
  Canvas& c = b.canvas();
  c.pen.mode = PenMode::Xor;
  c.brush.setColor(clRed);
  c.frameRect({1, 1, 6, 5});
  c.frameRect({0, 5, 2, 6});
  EXPECT_EQ(grid(b), (Grid{".......", ".rrrrr.", ".r...r.", ".r...r.", ".rrrrr.", "rr....."}));
  b.fill(clWhite);
  c.brush.setStyle(BrushStyle::Clear);
  c.frameRect({1, 1, 6, 5});
  EXPECT_EQ(testing_support::countColor(b, clWhite), 42);
}

TEST(Figures, PaletteBitmapsStoreTheNearestPaletteColour) {
  Bitmap b(20, 20);
  b.setPixelFormat(PixelFormat::Bits4);
  Canvas& c = b.canvas();
  c.pen.color = RGB(10, 10, 240);
  c.pen.width = 3;
  c.brush.setColor(RGB(250, 5, 5));
  c.ellipse(2, 2, 18, 18);
  c.moveTo(0, 19);
  c.lineTo(19, 0);
  EXPECT_EQ(b.pixel(7, 7), clRed);
  EXPECT_EQ(b.pixel(10, 2), clBlue);
  EXPECT_EQ(b.pixel(1, 18), clBlue);
  EXPECT_EQ(countColorsOutside(b, {clWhite, clRed, clBlue}), 0);
}
