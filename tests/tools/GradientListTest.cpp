#include <gtest/gtest.h>

#include <vector>

#include "tools/engine/GradientList.h"
#include "tools/engine/RollSteps.h"

using namespace gdi;

TEST(GradientIndex, SpreadsEntriesWithHalvesToEven) {
  // Fewer entries than steps: k / (n / N).
  std::vector<int> got;
  for (int k = 0; k < 6; ++k) got.push_back(tools::gradientIndex(k, 3, 6));
  EXPECT_EQ(got, (std::vector<int>{0, 0, 1, 2, 2, 2}));
  // More entries than steps: k * (N / n).
  got.clear();
  for (int k = 0; k < 4; ++k) got.push_back(tools::gradientIndex(k, 10, 4));
  EXPECT_EQ(got, (std::vector<int>{0, 2, 5, 8}));
}

TEST(GradientSteps, AStepPastTheEndKeepsThePreviousColour) {
  const std::vector<TColor> list{clRed, clBlue};
  // k / 2.5 rounds to 2 at k = 4, past the two entries.
  EXPECT_EQ(tools::gradientSteps(list, 5),
            (std::vector<TColor>{clRed, clRed, clBlue, clBlue, clBlue}));
}

TEST(GradientSteps, NeedsTwoEntriesAndAtLeastOneStep) {
  const std::vector<TColor> one{clRed};
  EXPECT_TRUE(tools::gradientSteps(one, 10).empty());
  EXPECT_TRUE(tools::gradientSteps({}, 10).empty());
  const std::vector<TColor> two{clRed, clBlue};
  EXPECT_TRUE(tools::gradientSteps(two, 0).empty());
}

TEST(GradientPreview, PaintsColumnsFromFirstToLastEntry) {
  Bitmap b(3, 3);
  const std::vector<TColor> list{clRed, clLime, clBlue};
  ASSERT_TRUE(tools::paintGradientPreview(b, 30, 6, list));
  EXPECT_EQ(b.width(), 30);
  EXPECT_EQ(b.height(), 6);
  for (int y = 0; y < 6; ++y) {
    EXPECT_EQ(b.pixel(0, y), clRed);
    EXPECT_EQ(b.pixel(12, y), clLime);  // k = 15 would round 1.5 to 2
    EXPECT_EQ(b.pixel(29, y), clBlue);
  }
}

TEST(GradientPreview, AShortListLeavesTheBitmapAlone) {
  Bitmap b(3, 3);
  b.fill(clRed);
  const std::vector<TColor> one{clBlue};
  EXPECT_FALSE(tools::paintGradientPreview(b, 30, 6, one));
  EXPECT_EQ(b.width(), 3);
  EXPECT_EQ(b.pixel(1, 1), clRed);
}

TEST(RollSteps, UpPassesRoundTwentiesThenStopsAtTheEnd) {
  const std::vector<int> up = tools::rollUpHeights(543, 35, 20, 57);
  ASSERT_EQ(up.size(), 27u);
  EXPECT_EQ(up.front(), 540);
  EXPECT_EQ(up[up.size() - 2], 40);
  EXPECT_EQ(up.back(), 57);
  // Already short: only the end height.
  EXPECT_EQ(tools::rollUpHeights(30, 35, 20, 57), std::vector<int>{57});
}

TEST(RollSteps, DownPassesRoundFortiesThenStopsAtTheEnd) {
  const std::vector<int> down = tools::rollDownHeights(57, 40, 543);
  EXPECT_EQ(down.front(), 80);
  EXPECT_EQ(down[down.size() - 2], 520);
  EXPECT_EQ(down.back(), 543);
  EXPECT_EQ(tools::rollDownHeights(543, 40, 543), std::vector<int>{543});
}
