#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/Canvas.h"
#include "support/PixelGrid.h"

using namespace gdi;
using testing_support::countColor;
using testing_support::Grid;
using testing_support::grid;
using testing_support::gridBitmap;

namespace {

// Pixel-by-pixel 4-connected fill, for comparison.
Bitmap referenceFill(Bitmap b, int x0, int y0, TColor color, FillStyle style, TColor paint) {
  auto fillable = [&](int x, int y) {
    const TColor p = b.pixel(x, y);
    return p != -1 && (style == FillStyle::Surface ? p == color : p != color);
  };
  if (!fillable(x0, y0)) return b;
  std::vector<char> seen(std::size_t(b.width() * b.height()), 0);
  std::vector<Point> todo{{x0, y0}};
  seen[std::size_t(y0 * b.width() + x0)] = 1;
  std::vector<Point> area;
  while (!todo.empty()) {
    const Point p = todo.back();
    todo.pop_back();
    area.push_back(p);
    for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
      const int x = p.x + dx, y = p.y + dy;
      if (fillable(x, y) && !seen[std::size_t(y * b.width() + x)]) {
        seen[std::size_t(y * b.width() + x)] = 1;
        todo.push_back({x, y});
      }
    }
  }
  for (const Point& p : area) b.setPixel(p.x, p.y, paint);
  return b;
}

}  // namespace

TEST(FloodFill, SurfaceFillsTheFourConnectedAreaOfTheColour) {
  Bitmap b = gridBitmap({"...#....", "...#..#.", "..#..#..", "##..#...", "...#....", "..#....."});
  Canvas& c = b.canvas();
  c.brush.setColor(clRed);
  c.floodFill(4, 0, clWhite, FillStyle::Surface);
  EXPECT_EQ(grid(b),
            (Grid{"...#rrrr", "...#rr#r", "..#rr#rr", "##rr#rrr", "rrr#rrrr", "rr#rrrrr"}));
}

TEST(FloodFill, BorderFillsUpToTheBorderColour) {
  Bitmap b = gridBitmap({"..#####.", ".#.g.y.#", ".#.b...#", "..#####."});
  Canvas& c = b.canvas();
  c.brush.setColor(clRed);
  c.floodFill(3, 2, clBlack, FillStyle::Border);
  EXPECT_EQ(grid(b), (Grid{"..#####.", ".#rrrrr#", ".#rrrrr#", "..#####."}));
  // Starting on the border colour does nothing.
  c.brush.setColor(clBlue);
  c.floodFill(2, 0, clBlack, FillStyle::Border);
  EXPECT_EQ(countColor(b, clBlue), 0);
}

TEST(FloodFill, AgreesWithAPixelByPixelFill) {
  std::uint32_t s = 3;
  auto rnd = [&](int n) {
    s = s * 1664525u + 1013904223u;
    return int((s >> 8) % std::uint32_t(n));
  };
  const TColor palette[] = {clWhite, clBlack, clLime};
  for (int i = 0; i < 60; ++i) {
    // Sparse walls make long winding areas; dense ones many small pieces.
    const int w = 5 + rnd(90), h = 1 + rnd(50), density = 1 + rnd(3);
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) b.setPixel(x, y, palette[rnd(2 + density) < 2 ? rnd(3) : 0]);
    const int x = rnd(w), y = rnd(h);
    const FillStyle style = i % 2 ? FillStyle::Border : FillStyle::Surface;
    const TColor target = style == FillStyle::Surface ? b.pixel(x, y) : clBlack;
    const Bitmap expected = referenceFill(b, x, y, target, style, clRed);
    b.canvas().brush.setColor(clRed);
    b.canvas().floodFill(x, y, target, style);
    ASSERT_EQ(grid(b), grid(expected)) << "case " << i;
  }
}

TEST(FloodFill, FillingWithTheAreasOwnColourTerminates) {
  Bitmap b(300, 200);
  Canvas& c = b.canvas();
  c.brush.setColor(clWhite);
  c.floodFill(10, 10, clWhite, FillStyle::Surface);
  EXPECT_EQ(countColor(b, clWhite), 300 * 200);
  c.floodFill(10, 10, clRed, FillStyle::Border);
  EXPECT_EQ(countColor(b, clWhite), 300 * 200);
}

TEST(FloodFill, OutsideTheBitmapOrOnAnotherColourDoesNothing) {
  Bitmap b(10, 10);
  Canvas& c = b.canvas();
  c.brush.setColor(clRed);
  for (Point p : {Point{-1, 5}, {5, -1}, {10, 5}, {5, 10}, {INT32_MIN, INT32_MAX}}) {
    c.floodFill(p.x, p.y, clWhite, FillStyle::Surface);
    c.floodFill(p.x, p.y, clBlack, FillStyle::Border);
  }
  c.floodFill(5, 5, clBlue, FillStyle::Surface);
  EXPECT_EQ(countColor(b, clWhite), 100);
  EXPECT_TRUE(b.dirty().isEmpty());
  Bitmap empty;
  empty.canvas().floodFill(0, 0, clWhite, FillStyle::Surface);
}

TEST(FloodFill, HatchesLeaveTheirGapsAndPatternsTileFromTheOrigin) {
  Bitmap b = gridBitmap({"#########", "#.......#", "#.......#", "#########"});
  Canvas& c = b.canvas();
  c.brush.setColor(clRed);
  c.brush.setStyle(BrushStyle::Vertical);  // column 4 of every 8
  c.floodFill(2, 2, clWhite, FillStyle::Surface);
  EXPECT_EQ(grid(b), (Grid{"#########", "#...r...#", "#...r...#", "#########"}));

  b = gridBitmap({"#######", "#.....#", "#.....#", "#######"});
  Brush pattern;
  pattern.setBitmap(gridBitmap({"rg", "by"}));
  b.canvas().brush = pattern;
  b.canvas().floodFill(3, 1, clBlack, FillStyle::Border);
  EXPECT_EQ(grid(b), (Grid{"#######", "#ybyby#", "#grgrg#", "#######"}));
}

TEST(FloodFill, PenModeIsTheRasterOperation) {
  Bitmap b = gridBitmap({"....", ".##.", "...."});
  Canvas& c = b.canvas();
  c.pen.mode = PenMode::Xor;
  c.brush.setColor(clWhite);
  c.floodFill(0, 0, clWhite, FillStyle::Surface);
  EXPECT_EQ(grid(b), (Grid{"####", "####", "####"}));
}

TEST(FloodFill, LongWindingAreasNeedNoRecursion) {
  // A serpentine corridor two million pixels long.
  Bitmap b(2000, 2001);
  for (int y = 1; y < 2001; y += 2) {
    std::uint32_t* row = b.row(y);
    std::fill(row, row + 2000, 0u);
    row[(y / 2) % 2 ? 0 : 1999] = 0xFFFFFF;
  }
  Canvas& c = b.canvas();
  c.brush.setColor(clRed);
  c.floodFill(0, 0, clWhite, FillStyle::Surface);
  EXPECT_EQ(countColor(b, clRed), 1001 * 2000 + 1000);
  EXPECT_EQ(countColor(b, clWhite), 0);
}

TEST(FloodFill, PaletteBitmapsSnapColours) {
  Bitmap b(6, 4);
  b.setPixelFormat(PixelFormat::Bits4);
  Canvas& c = b.canvas();
  c.brush.setColor(RGB(250, 10, 10));
  // The area colour is matched to the palette too.
  c.floodFill(1, 1, RGB(250, 250, 250), FillStyle::Surface);
  EXPECT_EQ(countColor(b, clRed), 24);
}
