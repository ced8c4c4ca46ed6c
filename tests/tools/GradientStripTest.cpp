#include <gtest/gtest.h>

#include "platform/gdi/Bitmap.h"
#include "tools/engine/GradientStrip.h"

using namespace gdi;

TEST(GradientStrip, ChannelsClimbFromTheForegroundWhileBelowTheColumn) {
  // Red 0 -> 100 in 50 steps of 2; green and blue equal (range 1, step 0.02).
  const std::vector<TColor> c = tools::stripColors(RGB(0, 10, 10), RGB(100, 10, 10), {}, 50);
  ASSERT_EQ(c.size(), 256u);
  EXPECT_EQ(c[0], RGB(0, 10, 10));
  // A channel grows after its column is painted, and only while below the
  // column number: red keeps each value for two columns.
  EXPECT_EQ(GetRValue(c[1]), 0);
  EXPECT_EQ(GetRValue(c[2]), 2);
  EXPECT_EQ(GetRValue(c[3]), 2);
  EXPECT_EQ(GetRValue(c[4]), 4);
  // Red catches up with the column number and then follows it in steps of 2.
  EXPECT_EQ(GetRValue(c[255]), 254);
  // Green starts at 10 and grows only while below the column number.
  EXPECT_EQ(GetGValue(c[10]), 10);
  EXPECT_EQ(GetGValue(c[11]), 10);
}

TEST(GradientStrip, EqualColoursStillClimbSlowly) {
  const std::vector<TColor> c = tools::stripColors(RGB(50, 50, 50), RGB(50, 50, 50), {}, 4);
  // Range 1 on every channel: a quarter per column once below the column.
  EXPECT_EQ(c[0], RGB(50, 50, 50));
  EXPECT_EQ(c[51], RGB(50, 50, 50));
  EXPECT_EQ(c[52], RGB(50, 50, 50));  // 50.25 rounds to 50
  EXPECT_EQ(c[53], RGB(50, 50, 50));  // 50.5 rounds to even 50
  EXPECT_EQ(c[54], RGB(51, 51, 51));  // 50.75
  EXPECT_NE(c[255], c[0]);
}

TEST(GradientStrip, ShiftsMoveTheStartAndWrapToAByte) {
  const std::vector<TColor> c = tools::stripColors(RGB(250, 0, 3), clBlack, {10, 0, -4}, 1);
  EXPECT_EQ(c[0], RGB(260 & 0xFF, 0, 255));
}

TEST(GradientStrip, PaintsTwoPixelColumnsOfTheWholeHeight) {
  Bitmap strip(tools::kStripWidth, tools::kStripHeight);
  tools::paintGradientStrip(strip, clBlack, clWhite, {}, 1);
  const std::vector<TColor> c = tools::stripColors(clBlack, clWhite, {}, 1);
  for (int i : {0, 1, 100, 255})
    for (int y : {0, 12, 24}) {
      EXPECT_EQ(strip.pixel(2 * i, y), c[std::size_t(i)]);
      EXPECT_EQ(strip.pixel(2 * i + 1, y), c[std::size_t(i)]);
    }
}

TEST(GradientList, HoldsTheDistinctColoursRightOfLUpToR) {
  Bitmap strip(tools::kStripWidth, tools::kStripHeight);
  // Black to white stretched over 255: one unit per column.
  tools::paintGradientStrip(strip, clBlack, clWhite, {}, 255);
  const std::vector<TColor> list = tools::gradientListFromStrip(strip, 10, 20, clBlack);
  // x = 11..20 lie in the stretch; a colour joins the list where it changes.
  std::vector<TColor> want;
  for (int x = 11; x <= 20; ++x)
    if (strip.pixel(x, 3) != strip.pixel(x - 1, 3)) want.push_back(strip.pixel(x, 3));
  EXPECT_EQ(list, want);
  EXPECT_EQ(list.size(), 5u);  // every other pixel starts a new column
}

TEST(GradientList, MarkersAtOnePlaceOrReversedGiveNothing) {
  Bitmap strip(tools::kStripWidth, tools::kStripHeight);
  tools::paintGradientStrip(strip, clBlack, clWhite, {}, 255);
  EXPECT_TRUE(tools::gradientListFromStrip(strip, 40, 40, clBlack).empty());
  EXPECT_TRUE(tools::gradientListFromStrip(strip, 60, 40, clBlack).empty());
}

TEST(GradientList, TheFirstColourIsComparedWithTheForeground) {
  Bitmap strip(tools::kStripWidth, tools::kStripHeight);
  strip.fill(clRed);
  // From x = 0 the strip is red: it joins the list once, as it differs from
  // the foreground; a red foreground gives an empty list.
  EXPECT_EQ(tools::gradientListFromStrip(strip, -1, 511, clBlue), std::vector<TColor>{clRed});
  EXPECT_TRUE(tools::gradientListFromStrip(strip, -1, 511, clRed).empty());
}
