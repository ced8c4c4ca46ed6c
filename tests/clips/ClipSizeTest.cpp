#include <gtest/gtest.h>

#include "clips/engine/ClipSize.h"
#include "support/PixelGrid.h"

using namespace clips;
using testing_support::Grid;
using testing_support::grid;
using testing_support::gridBitmap;

TEST(ClipSize, HalfTakesAQuarterOfTheClipBitmapPerPressDownToTenByTen) {
  SizeDeltas d;
  std::vector<int> widths;
  for (int press = 0; press < 4; ++press) {
    shrinkByQuarter({40, 40}, d);
    const gdi::Size s = correctedTargetSize({40, 40}, d);
    EXPECT_EQ(s.cx, s.cy);
    widths.push_back(s.cx);
  }
  EXPECT_EQ(widths, (std::vector<int>{30, 20, 10, 10}));
  EXPECT_EQ(d.width, -30);  // held, so "x2" starts from 10 again
  growByQuarter({40, 40}, d);
  EXPECT_EQ(correctedTargetSize({40, 40}, d), (gdi::Size{20, 20}));
}

TEST(ClipSize, TwiceAddsAQuarterPerPress) {
  SizeDeltas d;
  growByQuarter({40, 22}, d);
  EXPECT_EQ(correctedTargetSize({40, 22}, d), (gdi::Size{50, 27}));
  growByQuarter({40, 22}, d);
  EXPECT_EQ(correctedTargetSize({40, 22}, d), (gdi::Size{60, 32}));
}

TEST(ClipSize, TheBothSidesDeltaIsCorrectedFirstThenWidthAndHeight) {
  SizeDeltas d{-100, 0, 0};
  // 40 x 20: the size delta is held at 10 - 40 = -30 for the width, then at
  // 10 - 20 = -10 for the height; 30 x 10 is then the size before the
  // width and height deltas.
  EXPECT_EQ(correctedTargetSize({40, 20}, d), (gdi::Size{30, 10}));
  EXPECT_EQ(d, (SizeDeltas{-10, 0, 0}));
  d = {0, -35, -5};
  EXPECT_EQ(correctedTargetSize({40, 12}, d), (gdi::Size{10, 10}));
  EXPECT_EQ(d, (SizeDeltas{0, -30, -2}));
  d = {0, 0, 0};
  EXPECT_EQ(correctedTargetSize({3, 4}, d), (gdi::Size{10, 11}));  // tiny clips grow
}

TEST(ClipSize, StretchModeIsColorOnColorWhenEitherSideShrinks) {
  EXPECT_EQ(clipStretchMode({20, 20}, {10, 10}), gdi::StretchMode::BlackOnWhite);
  EXPECT_EQ(clipStretchMode({10, 10}, {10, 10}), gdi::StretchMode::BlackOnWhite);
  EXPECT_EQ(clipStretchMode({9, 20}, {10, 10}), gdi::StretchMode::ColorOnColor);
  EXPECT_EQ(clipStretchMode({20, 9}, {10, 10}), gdi::StretchMode::ColorOnColor);
}

TEST(ClipSize, SizedClipIsTheClipAtItsDrawnSize) {
  const gdi::Bitmap clip = gridBitmap({"r.", ".#"});
  EXPECT_EQ(grid(sizedClip(clip, {4, 2})), (Grid{"rr..", "..##"}));
  // Shrinking drops pixels rather than ANDing white into black.
  EXPECT_EQ(grid(sizedClip(gridBitmap({".#.#"}), {2, 1})), (Grid{".."}));
  gdi::Bitmap eight = gridBitmap({"r"});
  eight.setPixelFormat(gdi::PixelFormat::Bits8);
  EXPECT_TRUE(sizedClip(eight, {2, 2}).hasPalette());
}
