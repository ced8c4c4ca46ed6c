// The player's picture: layout, margins and the transparent key colour.
#include <gtest/gtest.h>

#include "media/engine/PlayerView.h"
#include "support/PixelGrid.h"

using media::composePlayerView;
using media::FrameLayout;
using media::layoutFrame;
using media::PlayerLook;

namespace {

constexpr gdi::TColor kBehind = gdi::RGB(1, 2, 3);
constexpr gdi::TColor kKey = gdi::RGB(255, 0, 255);

// A frame with a ramp, whose bottom-left pixel is the key colour, which
// also appears in a 2 x 2 square inside.
gdi::Bitmap keyedFrame(int w, int h) {
  gdi::Bitmap f(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) f.setPixel(x, y, gdi::RGB(10 + x * 20, 10 + y * 20, 100));
  f.setPixel(0, h - 1, kKey);
  for (int y = 1; y < 3; ++y)
    for (int x = 2; x < 4; ++x) f.setPixel(x, y, kKey);
  return f;
}

}  // namespace

TEST(PlayerView, LayoutStretchesCentresOrKeepsTheTopLeft) {
  EXPECT_EQ(layoutFrame(100, 50, 40, 20, false, true), (FrameLayout{30, 15, 40, 20}));
  EXPECT_EQ(layoutFrame(100, 50, 40, 20, false, false), (FrameLayout{0, 0, 40, 20}));
  EXPECT_EQ(layoutFrame(100, 50, 40, 20, true, true), (FrameLayout{0, 0, 100, 50}));
  // Larger than the control: cut evenly, halves truncated towards zero.
  EXPECT_EQ(layoutFrame(10, 10, 15, 13, false, true), (FrameLayout{-2, -1, 15, 13}));
  EXPECT_EQ(layoutFrame(11, 11, 10, 10, false, true), (FrameLayout{0, 0, 10, 10}));
}

TEST(PlayerView, TransparentFramesLeaveHolesWhereverTheKeyColourIs) {
  const gdi::Bitmap frame = keyedFrame(6, 5);
  gdi::Bitmap view(10, 9);
  view.fill(kBehind);
  PlayerLook look;  // transparent and centred
  composePlayerView(view, &frame, look);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 10; ++x) {
      const int fx = x - 2, fy = y - 2;
      const gdi::TColor f = frame.pixel(fx, fy);
      const gdi::TColor expected = (f == -1 || f == kKey) ? kBehind : f;
      ASSERT_EQ(view.pixel(x, y), expected) << x << "," << y;
    }
  // The square inside the picture is a hole too, not only the corner.
  EXPECT_EQ(view.pixel(2 + 2, 2 + 1), kBehind);
  EXPECT_EQ(view.pixel(2, 2 + 4), kBehind);
}

TEST(PlayerView, OpaqueFramesFillTheMarginsWithTheColour) {
  const gdi::Bitmap frame = keyedFrame(4, 3);
  gdi::Bitmap view(6, 5);
  view.fill(kBehind);
  PlayerLook look;
  look.transparent = false;
  look.center = false;
  look.color = gdi::clRed;
  composePlayerView(view, &frame, look);
  const auto r = gdi::clRed;
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 6; ++x)
      ASSERT_EQ(view.pixel(x, y), (x < 4 && y < 3) ? frame.pixel(x, y) : r) << x << "," << y;
  // Without a file: all colour when opaque, untouched when transparent.
  composePlayerView(view, nullptr, look);
  EXPECT_EQ(view.pixel(0, 0), r);
  gdi::Bitmap behind(6, 5);
  behind.fill(kBehind);
  look.transparent = true;
  composePlayerView(behind, nullptr, look);
  EXPECT_EQ(behind.pixel(0, 0), kBehind);
}

TEST(PlayerView, StretchedFramesTakeTheirKeyAfterStretching) {
  // Enlarging replicates pixels; the key is the stretched bottom-left pixel.
  auto legend = testing_support::defaultLegend();
  legend['m'] = kKey;
  legend['z'] = kBehind;
  const gdi::Bitmap frame = testing_support::gridBitmap({"bm",
                                                         "mg"}, legend);
  gdi::Bitmap view = testing_support::gridBitmap({"zzzz", "zzzz", "zzzz", "zzzz"}, legend);
  PlayerLook look;
  look.stretch = true;
  composePlayerView(view, &frame, look);
  EXPECT_EQ(testing_support::grid(view, legend), (testing_support::Grid{"bbzz",
                                                                       "bbzz",
                                                                       "zzgg",
                                                                       "zzgg"}));
}
