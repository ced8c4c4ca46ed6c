#include <gtest/gtest.h>

#include "clips/engine/CircleCapture.h"
#include "support/PixelGrid.h"

using clips::Capture;
using gdi::Bitmap;
using gdi::Point;
using testing_support::countColor;

namespace {

Bitmap filled(int w, int h, gdi::TColor c) {
  Bitmap b(w, h);
  b.fill(c);
  return b;
}

}  // namespace

TEST(CaptureEllipse, KeepsTheInsideOfTheEllipse) {
  const Bitmap picture = filled(60, 60, gdi::clRed);
  const Capture c = clips::captureEllipse(picture, {10, 10}, {40, 30});
  ASSERT_TRUE(c.captured());
  // The box widened by 2 on every side.
  EXPECT_EQ(c.area, (gdi::Rect{8, 8, 42, 32}));
  EXPECT_EQ(c.origin, (Point{9, 9}));
  EXPECT_EQ(c.clip.width(), 34);
  EXPECT_EQ(c.clip.height(), 24);
  EXPECT_EQ(c.clip.pixel(17, 12), gdi::clRed);  // centre
  EXPECT_EQ(c.clip.pixel(3, 3), gdi::clWhite);  // corners
  EXPECT_EQ(c.clip.pixel(31, 21), gdi::clWhite);
  EXPECT_EQ(c.clip.pixel(2, 12), gdi::clWhite);  // the outline itself
  // About pi / 4 of the 28 x 18 inside of the outline.
  const auto kept = countColor(c.clip, gdi::clRed);
  EXPECT_GT(kept, 370);
  EXPECT_LT(kept, 430);
  EXPECT_EQ(countColor(c.clip, gdi::clRed) + countColor(c.clip, gdi::clWhite), 34 * 24);
}

TEST(CaptureEllipse, DragDirectionDoesNotMatter) {
  const Bitmap picture = testing_support::noiseBitmap(60, 60, 9);
  const Capture a = clips::captureEllipse(picture, {10, 10}, {40, 30});
  const Capture b = clips::captureEllipse(picture, {40, 30}, {10, 10});
  EXPECT_TRUE(a.clip.samePixels(b.clip));
}

TEST(CaptureEllipse, AtTheEdgeTheBoxIsClamped) {
  const Bitmap picture = filled(50, 50, gdi::clRed);
  const Capture c = clips::captureEllipse(picture, {-10, 5}, {20, 35});
  ASSERT_TRUE(c.captured());
  // Narrower than the ellipse's box plus 4.
  EXPECT_EQ(c.area, (gdi::Rect{0, 3, 22, 37}));
  EXPECT_EQ(c.clip.width(), 22);
  EXPECT_LT(c.clip.width(), 30 + 4);
  EXPECT_EQ(c.origin, (Point{1, 4}));
  EXPECT_EQ(c.clip.pixel(1, 17), gdi::clRed);   // inside, next to the edge
  EXPECT_EQ(c.clip.pixel(1, 1), gdi::clWhite);  // above it, next to the edge
  EXPECT_EQ(c.clip.pixel(20, 1), gdi::clWhite);
}

TEST(CaptureEllipse, CornerRunOffThePictureKeepsTheInside) {
  // The box's first pixel lies inside this ellipse: the mask must not start there.
  const Bitmap picture = filled(50, 50, gdi::clRed);
  const Capture c = clips::captureEllipse(picture, {-10, -10}, {20, 20});
  ASSERT_TRUE(c.captured());
  EXPECT_EQ(c.area, (gdi::Rect{0, 0, 22, 22}));
  EXPECT_EQ(c.clip.pixel(2, 2), gdi::clRed);
  EXPECT_EQ(c.clip.pixel(20, 20), gdi::clWhite);
  EXPECT_EQ(c.clip.pixel(20, 1), gdi::clWhite);  // beyond the ellipse at the top edge
}

TEST(CaptureEllipse, OffThePictureCapturesNothing) {
  const Bitmap picture = filled(50, 50, gdi::clRed);
  EXPECT_FALSE(clips::captureEllipse(picture, {60, 60}, {90, 90}).captured());
  // A click gives a 4 x 4 box with no ellipse in it: all white.
  const Capture click = clips::captureEllipse(picture, {20, 20}, {20, 20});
  ASSERT_TRUE(click.captured());
  EXPECT_EQ(click.clip.width(), 4);
  EXPECT_EQ(countColor(click.clip, gdi::clWhite), 16);
}
