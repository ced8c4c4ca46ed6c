#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "clips/engine/OutlineCapture.h"
#include "platform/gdi/Canvas.h"
#include "support/PixelGrid.h"

using clips::Capture;
using gdi::Bitmap;
using gdi::Point;
using testing_support::countColor;
using testing_support::Grid;
using testing_support::grid;

namespace {

constexpr gdi::TColor kOutline = gdi::RGB(1, 1, 1);

// The 500-point outline through `vertices`, the tail repeating vertex 1, and
// the count a closed outline hands over (the entry after the last vertex).
struct Outline {
  std::array<Point, 500> points{};
  int count = 1;
};

Outline closedOutline(const std::vector<Point>& vertices) {
  Outline o;
  for (std::size_t i = 0; i < vertices.size(); ++i) o.points[i] = vertices[i];
  for (std::size_t i = vertices.size(); i < 500; ++i) o.points[i] = vertices[0];
  o.count = int(vertices.size()) + 1;
  return o;
}

Bitmap filled(int w, int h, gdi::TColor c) {
  Bitmap b(w, h);
  b.fill(c);
  return b;
}

Capture capture(const Bitmap& picture, const Outline& o) {
  return clips::captureOutline(picture, o.points, o.count, {picture.width(), picture.height()});
}

// Which pixels of the box lie inside the outline, worked out with the
// canvas's own flood fill from a corner of a bigger bitmap.
Bitmap insideMask(const Outline& o, const gdi::Rect& box) {
  Bitmap m(box.right + 2, box.bottom + 2);
  gdi::Canvas& c = m.canvas();
  c.pen.color = gdi::clBlack;
  c.polyline(o.points);
  c.brush.setColor(gdi::clBlue);
  c.floodFill(m.width() - 1, m.height() - 1, gdi::clBlack, gdi::FillStyle::Border);
  return m;
}

}  // namespace

TEST(CaptureOutline, OutsideAndOutlineBecomeWhiteInsideIsKept) {
  const Bitmap picture = filled(30, 30, gdi::clRed);
  const Outline o = closedOutline({{15, 2}, {27, 15}, {15, 27}, {2, 15}});
  const Capture cap = capture(picture, o);
  ASSERT_TRUE(cap.captured());
  EXPECT_EQ(cap.area, (gdi::Rect{2, 2, 27, 27}));
  EXPECT_EQ(cap.origin, (Point{3, 3}));
  ASSERT_EQ(cap.clip.width(), 25);
  ASSERT_EQ(cap.clip.height(), 25);

  const Bitmap inside = insideMask(o, cap.area);
  for (int y = 0; y < 25; ++y)
    for (int x = 0; x < 25; ++x) {
      const int px = x + 2, py = y + 2;
      // The box's frame is white too, so edge rows and columns are never kept.
      const bool frame = x == 0 || y == 0 || x == 24 || y == 24;
      const bool keep = !frame && inside.pixel(px, py) == gdi::clWhite;
      ASSERT_EQ(cap.clip.pixel(x, y), keep ? gdi::clRed : gdi::clWhite) << x << "," << y;
    }
  EXPECT_GT(countColor(cap.clip, gdi::clRed), 200);
}

TEST(CaptureOutline, OutlineStartingAtTheBoxCornerKeepsItsInside) {
  // The box's corner pixel is inside this outline; the mask still works from
  // outside the box, so the inside is kept rather than painted out.
  const Bitmap picture = filled(30, 30, gdi::clRed);
  const Capture cap = capture(picture, closedOutline({{5, 5}, {25, 5}, {25, 25}, {5, 25}}));
  ASSERT_TRUE(cap.captured());
  EXPECT_EQ(cap.origin, (Point{6, 6}));
  EXPECT_EQ(cap.clip.width(), 20);
  // Row and column 0 are outline and frame, 19 the frame; the rest is kept.
  EXPECT_EQ(countColor(cap.clip, gdi::clRed), 18 * 18);
  EXPECT_EQ(cap.clip.pixel(1, 1), gdi::clRed);
}

TEST(CaptureOutline, PictureOutlineColourStopsTheFlood) {
  // An L-shaped outline; in its notch two walls of RGB(1, 1, 1) already in the
  // picture close a pocket against the outline, which is left unmasked.
  Bitmap picture = filled(40, 40, gdi::clRed);
  gdi::Canvas& c = picture.canvas();
  c.pen.color = kOutline;
  c.moveTo(22, 16);
  c.lineTo(22, 26);
  c.moveTo(16, 25);
  c.lineTo(22, 25);
  const Capture cap =
      capture(picture, closedOutline({{5, 5}, {30, 5}, {30, 15}, {15, 15}, {15, 30}, {5, 30}}));
  ASSERT_TRUE(cap.captured());
  auto at = [&](int x, int y) { return cap.clip.pixel(x - 5, y - 5); };
  for (int y = 16; y < 25; ++y)
    for (int x = 16; x < 22; ++x) ASSERT_EQ(at(x, y), gdi::clRed) << x << "," << y;
  EXPECT_EQ(at(22, 20), kOutline);  // the wall itself stays
  EXPECT_EQ(at(25, 20), gdi::clWhite);
  EXPECT_EQ(at(18, 27), gdi::clWhite);
  EXPECT_EQ(at(10, 20), gdi::clRed);  // inside the L

  // A closed ring of that colour anywhere outside keeps what it encloses.
  Bitmap ringed = filled(40, 40, gdi::clRed);
  ringed.canvas().pen.color = kOutline;
  ringed.canvas().brush.setStyle(gdi::BrushStyle::Clear);
  ringed.canvas().rectangle(22, 20, 27, 25);
  const Capture ring =
      capture(ringed, closedOutline({{5, 5}, {30, 5}, {30, 15}, {15, 15}, {15, 30}, {5, 30}}));
  EXPECT_EQ(grid(ring.clip, {16, 14, 23, 21}),
            (Grid{".......", ".ooooo.", ".orrro.", ".orrro.", ".orrro.", ".ooooo.", "......."}));
}

TEST(CaptureOutline, OutlineBeyondThePictureIsClamped) {
  const Bitmap picture = filled(40, 40, gdi::clRed);
  const Capture cap = capture(picture, closedOutline({{10, 10}, {60, 10}, {60, 60}, {10, 60}}));
  ASSERT_TRUE(cap.captured());
  EXPECT_EQ(cap.area, (gdi::Rect{10, 10, 40, 40}));
  EXPECT_EQ(cap.origin, (Point{11, 11}));
  EXPECT_EQ(cap.clip.width(), 30);
  EXPECT_EQ(cap.clip.height(), 30);
  // Outline on the left and top, the frame on the clamped right and bottom.
  EXPECT_EQ(countColor(cap.clip, gdi::clRed), 28 * 28);
}

TEST(CaptureOutline, OutsidePartsReachedOnlyAcrossThePictureEdgeAreMasked) {
  // A "C" open to the left and running off the picture: its notch touches
  // nothing but the picture's left edge, which walls the arms' insides off.
  const Bitmap picture = filled(40, 60, gdi::clRed);
  const Capture cap = capture(
      picture,
      closedOutline(
          {{-10, 10}, {30, 10}, {30, 50}, {-10, 50}, {-10, 40}, {10, 40}, {10, 20}, {-10, 20}}));
  ASSERT_TRUE(cap.captured());
  EXPECT_EQ(cap.area, (gdi::Rect{0, 10, 30, 50}));
  auto at = [&](int x, int y) { return cap.clip.pixel(x, y - 10); };
  EXPECT_EQ(at(0, 30), gdi::clWhite);  // the notch, at the edge
  EXPECT_EQ(at(5, 30), gdi::clWhite);
  EXPECT_EQ(at(1, 15), gdi::clRed);   // upper arm
  EXPECT_EQ(at(1, 45), gdi::clRed);   // lower arm
  EXPECT_EQ(at(20, 30), gdi::clRed);  // back of the C
}

TEST(CaptureOutline, DegenerateOutlinesCaptureNothing) {
  const Bitmap picture = filled(40, 40, gdi::clRed);
  // Closed after one left click: two vertices in one column.
  EXPECT_FALSE(capture(picture, closedOutline({{12, 5}, {12, 30}})).captured());
  // A right click straight away: a single point.
  EXPECT_FALSE(capture(picture, closedOutline({{12, 5}, {12, 5}})).captured());
  // Entirely off the picture.
  EXPECT_FALSE(capture(picture, closedOutline({{50, 5}, {70, 30}, {60, 40}})).captured());
  // Two columns apart is wide enough.
  EXPECT_TRUE(capture(picture, closedOutline({{12, 5}, {13, 30}})).captured());
}

TEST(OutlineBounds, StartsFromTheZoomViewSizeAndOne) {
  std::array<Point, 500> pts{};
  pts.fill({50, 60});
  EXPECT_EQ(clips::outlineBounds(pts, 3, {40, 45}), (gdi::Rect{40, 45, 50, 60}));
  pts.fill({0, 0});
  EXPECT_EQ(clips::outlineBounds(pts, 3, {40, 45}), (gdi::Rect{0, 0, 1, 1}));
  // Only vertices 1..count count.
  pts[3] = {200, 200};
  EXPECT_EQ(clips::outlineBounds(pts, 3, {40, 45}), (gdi::Rect{0, 0, 1, 1}));
}

TEST(CaptureOutline, ClipTakesThePicturePalette) {
  Bitmap picture = filled(30, 30, gdi::clRed);
  picture.setPalette(gdi::vgaPalette());
  const Capture cap = capture(picture, closedOutline({{15, 2}, {27, 15}, {15, 27}, {2, 15}}));
  ASSERT_TRUE(cap.captured());
  EXPECT_TRUE(cap.clip.hasPalette());
  EXPECT_EQ(cap.clip.pixel(0, 0), gdi::clWhite);
  EXPECT_EQ(cap.clip.pixel(12, 12), gdi::clRed);
}
