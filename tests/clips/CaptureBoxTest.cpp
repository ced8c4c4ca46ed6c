#include <gtest/gtest.h>

#include <array>

#include "clips/engine/CaptureBox.h"
#include "clips/engine/OutlineCapture.h"
#include "support/PixelGrid.h"

using clips::Capture;
using gdi::Point;
using gdi::Rect;

namespace {

// The rectangle capture as the box tool runs it: the box outline as vertices
// 1..5, the tail repeating the first corner, count 5.
Capture boxCapture(const gdi::Bitmap& picture, Point down, Point up) {
  std::array<Point, 500> pts{};
  const auto corners = clips::boxOutline(clips::captureBox(down, up));
  for (int i = 0; i < 500; ++i) pts[std::size_t(i)] = corners[std::size_t(std::min(i, 4))];
  return clips::captureBoxInside(picture, pts, 5, {picture.width(), picture.height()});
}

}  // namespace

TEST(CaptureBox, EitherDragDirectionGivesTheSameBox) {
  EXPECT_EQ(clips::captureBox({10, 20}, {50, 70}), (Rect{10, 20, 50, 70}));
  EXPECT_EQ(clips::captureBox({50, 70}, {10, 20}), (Rect{10, 20, 50, 70}));
  EXPECT_EQ(clips::captureBox({50, 20}, {10, 70}), (Rect{10, 20, 50, 70}));
}

TEST(CaptureBox, AClickSpansTenPixels) {
  EXPECT_EQ(clips::captureBox({30, 40}, {30, 40}), (Rect{30, 40, 40, 50}));
  EXPECT_EQ(clips::captureBox({30, 40}, {35, 40}), (Rect{30, 40, 35, 50}));
}

TEST(CaptureBox, OutlineRunsRoundFromTheBottomRight) {
  EXPECT_EQ(clips::boxOutline({1, 2, 3, 4}),
            (std::array<Point, 5>{{{3, 4}, {1, 4}, {1, 2}, {3, 2}, {3, 4}}}));
}

TEST(CaptureBoxInside, BothDirectionsCaptureTheSameClip) {
  const gdi::Bitmap picture = testing_support::noiseBitmap(80, 60, 3);
  const Capture a = boxCapture(picture, {10, 12}, {50, 40});
  const Capture b = boxCapture(picture, {50, 40}, {10, 12});
  ASSERT_TRUE(a.captured());
  EXPECT_TRUE(a.clip.samePixels(b.clip));
  EXPECT_EQ(a.origin, b.origin);
  // The inside of the box: its edges are left out.
  EXPECT_EQ(a.origin, (Point{11, 13}));
  EXPECT_EQ(a.clip.width(), 39);
  EXPECT_EQ(a.clip.height(), 27);
  EXPECT_EQ(a.clip.pixel(0, 0), picture.pixel(11, 13));
  EXPECT_EQ(a.clip.pixel(38, 26), picture.pixel(49, 39));
}

TEST(CaptureBoxInside, ASingleClickCapturesTheTenByTenArea) {
  const gdi::Bitmap picture = testing_support::noiseBitmap(80, 60, 4);
  const Capture c = boxCapture(picture, {20, 30}, {20, 30});
  ASSERT_TRUE(c.captured());
  EXPECT_EQ(c.origin, (Point{21, 31}));
  EXPECT_EQ(c.clip.width(), 9);
  EXPECT_EQ(c.clip.height(), 9);
  EXPECT_EQ(c.clip.pixel(8, 8), picture.pixel(29, 39));
}

TEST(CaptureBoxInside, BoxBeyondThePictureIsClamped) {
  const gdi::Bitmap picture = testing_support::noiseBitmap(40, 30, 5);
  const Capture c = boxCapture(picture, {30, 20}, {90, 70});
  ASSERT_TRUE(c.captured());
  EXPECT_EQ(c.clip.width(), 9);
  EXPECT_EQ(c.clip.height(), 9);
  const Capture off = boxCapture(picture, {-30, -20}, {-5, 10});
  EXPECT_FALSE(off.captured());
}

TEST(CaptureBoxInside, BoxOnePixelWideHasNoInside) {
  const gdi::Bitmap picture = testing_support::noiseBitmap(40, 30, 6);
  EXPECT_FALSE(boxCapture(picture, {10, 5}, {11, 25}).captured());
  EXPECT_TRUE(boxCapture(picture, {10, 5}, {12, 25}).captured());
}
