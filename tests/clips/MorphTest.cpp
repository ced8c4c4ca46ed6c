// Pouring a picture into a shape, row by row, and the shapes it is poured
// into.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "clips/engine/Morph.h"
#include "clips/engine/MorphShapes.h"
#include "platform/gdi/Canvas.h"
#include "support/PixelGrid.h"

using namespace clips;
using gdi::Bitmap;
using testing_support::noiseBitmap;

namespace {

// Distinct, non-white colours 1..n, so a row shows which colour went where.
Bitmap numberedRow(int n) {
  Bitmap b(n, 1);
  for (int i = 0; i < n; ++i) b.row(0)[i] = std::uint32_t(i + 1);
  return b;
}

Bitmap solidRow(int n) {
  Bitmap b(n, 1);
  b.fill(gdi::clBlack);
  return b;
}

// The colour numbers of a row, 0 for white.
std::vector<int> numbers(const Bitmap& b, int y = 0) {
  std::vector<int> out;
  for (int x = 0; x < b.width(); ++x) {
    const auto p = b.row(y)[x];
    out.push_back(p == 0xFFFFFF ? 0 : int(p));
  }
  return out;
}

// The routine as written, pixel by pixel with pixel(), for comparing on
// random pictures: the content stretched with the canvas (colour on colour),
// then every row poured with the written ratios in exact arithmetic.
Bitmap referenceMorph(const Bitmap& content, const Bitmap& shape) {
  const int w = shape.width(), h = shape.height();
  Bitmap c(w, h);
  c.canvas().stretchMode = gdi::StretchMode::ColorOnColor;
  c.canvas().stretchBlt(0, 0, w, h, content, 0, 0, content.width(), content.height(), gdi::SRCCOPY);
  Bitmap out(w, h);
  auto white = [](gdi::TColor p) { return (p & 0xFFFFFF) == 0xFFFFFF; };
  for (int y = 0; y < h; ++y) {
    std::vector<gdi::TColor> L;
    for (int x = 0; x < w; ++x)
      if (!white(c.pixel(x, y))) L.push_back(c.pixel(x, y));
    int first = -1, last = -1, m = 0;
    for (int x = 0; x < w; ++x)
      if (!white(shape.pixel(x, y))) {
        if (first < 0) first = x;
        last = x;
        ++m;
      }
    const int n = int(L.size());
    if (n == 0 || m == 0) continue;
    if (n < m) {
      for (int k = 1; k <= last - first + 1; ++k) {
        if (white(shape.pixel(first + k - 1, y))) continue;
        // round(k / (m / n)) with halves to even
        const double v = double(k * n) / m;
        int i = int(std::nearbyint(v));
        if (i < 1) i = 1;
        if (i <= n) out.setPixel(first + k - 1, y, L[std::size_t(i - 1)]);
      }
    } else {
      int steps = 1;
      for (int x = first; x <= last; ++x) {
        if (white(shape.pixel(x, y))) continue;
        const int t = steps * n / m;  // trunc(p) with p = steps * (n / m)
        out.setPixel(x, y, L[std::size_t(t - 1)]);
        if (t < n) ++steps;
      }
    }
  }
  return out;
}

}  // namespace

TEST(Morph, TenColoursIntoTwentyRepeatEachAboutTwice) {
  // The content is first stretched to the shape's width, so both are 30
  // wide: ten colours, then white; a shape span of 20 pixels.
  Bitmap content(30, 1), shape(30, 1);
  for (int x = 0; x < 10; ++x) content.row(0)[x] = std::uint32_t(x + 1);
  for (int x = 5; x < 25; ++x) shape.row(0)[x] = 0;
  ASSERT_EQ(morph(content, shape), MorphResult::Done);
  // Position k takes colour k / 2 rounded, halves to even (0.5 raised to 1).
  const std::vector<int> poured{1, 1, 2, 2, 2, 3, 4, 4, 4, 5, 6, 6, 6, 7, 8, 8, 8, 9, 10, 10};
  std::vector<int> expected(30, 0);
  std::copy(poured.begin(), poured.end(), expected.begin() + 5);
  EXPECT_EQ(numbers(shape), expected);
}

TEST(Morph, TenColoursIntoFiveTakeEverySecond) {
  // The content is first stretched to the shape's width: give it a shape
  // 10 wide whose span is 5 pixels.
  Bitmap shape(10, 1);
  for (int x = 2; x < 7; ++x) shape.row(0)[x] = 0;
  ASSERT_EQ(morph(numberedRow(10), shape), MorphResult::Done);
  EXPECT_EQ(numbers(shape), (std::vector<int>{0, 0, 2, 4, 6, 8, 10, 0, 0, 0}));
}

TEST(Morph, WhiteRowsHolesAndWhiteContentStayWhite) {
  // Row 0 of the shape is empty; row 1 has a hole; row 2's content is white.
  Bitmap shape = testing_support::gridBitmap({"......", ".##.#.", ".####."});
  Bitmap content = testing_support::gridBitmap({"rgbyks", "rgbyks", "......"});
  ASSERT_EQ(morph(content, shape), MorphResult::Done);
  EXPECT_EQ(testing_support::grid(shape), (testing_support::Grid{"......", ".gy.s.", "......"}));
}

TEST(Morph, MatchesTheWrittenRoutineOnRandomShapes) {
  for (const auto& [cw, ch, sw, sh] : std::initializer_list<std::array<int, 4>>{
           {64, 48, 64, 48}, {200, 30, 37, 90}, {13, 70, 150, 40}, {2, 1, 20, 20}}) {
    Bitmap content = noiseBitmap(cw, ch, std::uint32_t(cw));
    // White pixels in the content and holes in the shape.
    for (int y = 0; y < ch; ++y)
      for (int x = 0; x < cw; ++x)
        if ((x * 7 + y * 3) % 5 == 0) content.row(y)[x] = 0xFFFFFF;
    Bitmap shape(sw, sh);
    gdi::Canvas& c = shape.canvas();
    c.brush.setColor(gdi::clBlack);
    c.ellipse(1, 1, sw - 2, sh - 1);
    c.brush.setColor(gdi::clWhite);
    c.pen.color = gdi::clWhite;
    c.ellipse(sw / 3, sh / 3, sw / 2, sh / 2);
    const Bitmap expected = referenceMorph(content, shape);
    ASSERT_EQ(morph(content, shape), MorphResult::Done);
    EXPECT_EQ(shape, expected) << cw << "x" << ch << " into " << sw << "x" << sh;
  }
}

TEST(Morph, RefusesShapesWiderThan2000AndEmptyPictures) {
  Bitmap wide(2001, 3);
  wide.fill(gdi::clBlack);
  const Bitmap before = wide;
  EXPECT_EQ(morph(numberedRow(10), wide), MorphResult::TooWide);
  EXPECT_EQ(wide, before);
  Bitmap atLimit(2000, 2);
  atLimit.fill(gdi::clBlack);
  EXPECT_EQ(morph(noiseBitmap(3000, 5, 1), atLimit), MorphResult::Done);

  Bitmap shape = solidRow(5);
  EXPECT_EQ(morph(Bitmap(), shape), MorphResult::NoPicture);
  EXPECT_EQ(shape, solidRow(5));
  Bitmap none;
  EXPECT_EQ(morph(numberedRow(4), none), MorphResult::NoPicture);
}

TEST(Morph, AStoppedMorphLeavesTheShape) {
  Bitmap shape = standardShape(ShapeKind::Ellipse, {300, 200});
  const Bitmap before = shape;
  EXPECT_EQ(morph(noiseBitmap(100, 100, 3), shape, [](int p) { return p < 40; }),
            MorphResult::Stopped);
  EXPECT_EQ(shape, before);
}

TEST(MorphShapes, FiguresSitInTheirBoxWithAWhiteMargin) {
  for (const ShapeKind kind : {ShapeKind::Rectangle, ShapeKind::RoundedRectangle,
                               ShapeKind::Ellipse, ShapeKind::WideEllipse}) {
    const Bitmap s = standardShape(kind, {100, 60});
    ASSERT_EQ(s.width(), 104);
    ASSERT_EQ(s.height(), 64);
    EXPECT_EQ(s.pixel(52, 32), kShapeColor);
    for (int x = 0; x < 104; ++x) {
      EXPECT_EQ(s.pixel(x, 1), gdi::clWhite);
      EXPECT_EQ(s.pixel(x, 62), gdi::clWhite);
    }
    // The outline is the black pen.
    EXPECT_EQ(s.pixel(52, 2), gdi::clBlack);
    // Only the rectangle fills its corner.
    EXPECT_EQ(s.pixel(2, 2), kind == ShapeKind::Rectangle ? gdi::clBlack : gdi::clWhite);
  }
  // The rounded corner is a fifth of the box: (3, 3) is outside it but
  // (3, 20) lies on the straight edge.
  const Bitmap round = standardShape(ShapeKind::RoundedRectangle, {100, 100});
  EXPECT_EQ(round.pixel(3, 3), gdi::clWhite);
  EXPECT_EQ(round.pixel(2, 50), gdi::clBlack);
  // Sides are held to 10..1000.
  EXPECT_EQ(standardShape(ShapeKind::Rectangle, {3, 5000}).width(), 14);
  EXPECT_EQ(standardShape(ShapeKind::Rectangle, {3, 5000}).height(), 1004);
}

TEST(MorphShapes, TheWideEllipseIsTwiceAsWideAsHighAndTheChoiceIsMarked) {
  EXPECT_EQ(sizeForShape(ShapeKind::WideEllipse, {100, 80}), (gdi::Size{160, 80}));
  EXPECT_EQ(sizeForShape(ShapeKind::WideEllipse, {100, 700}), (gdi::Size{1000, 700}));
  EXPECT_EQ(sizeForShape(ShapeKind::Ellipse, {100, 80}), (gdi::Size{100, 80}));
  EXPECT_EQ(shapeButtonColor(ShapeKind::Ellipse, ShapeKind::Ellipse), gdi::RGB(128, 0, 0));
  EXPECT_EQ(shapeButtonColor(ShapeKind::Ellipse, ShapeKind::Rectangle), gdi::clWhite);
}

TEST(MorphShapes, APictureShrunkOneWayKeepsItsThinLines) {
  // A one-pixel black line in every fourth column.
  Bitmap picture(40, 40);
  for (int y = 0; y < 40; ++y)
    for (int x = 1; x < 40; x += 4) picture.row(y)[x] = 0;
  // Narrower only: dropped columns are ANDed in, so the lines stay black.
  EXPECT_EQ(testing_support::countColor(stretchedShape(picture, {10, 40}), gdi::clWhite), 0);
  // Shrunk both ways: columns are dropped and the lines may go.
  EXPECT_GT(testing_support::countColor(stretchedShape(picture, {10, 20}), gdi::clWhite), 0);
  EXPECT_EQ(stretchedShape(picture, {77, 33}).width(), 77);
}

TEST(Morph, PoursIntoAStandardShapeAndNothingLandsOutsideIt) {
  Bitmap shape = standardShape(ShapeKind::Ellipse, {200, 120});
  const Bitmap outline = shape;
  const Bitmap content = noiseBitmap(500, 400, 9);
  ASSERT_EQ(morph(content, shape), MorphResult::Done);
  for (int y = 0; y < shape.height(); ++y)
    for (int x = 0; x < shape.width(); ++x)
      ASSERT_EQ(outline.pixel(x, y) == gdi::clWhite, shape.pixel(x, y) == gdi::clWhite)
          << x << "," << y;
}
