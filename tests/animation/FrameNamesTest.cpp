#include <gtest/gtest.h>

#include "animation/engine/FrameNames.h"

using animation::frameNumberText;
using animation::numberedFrameName;

TEST(FrameNames, NumbersHaveAtLeastThreeDigits) {
  EXPECT_EQ(frameNumberText(0), "000");
  EXPECT_EQ(frameNumberText(7), "007");
  EXPECT_EQ(frameNumberText(10), "010");
  EXPECT_EQ(frameNumberText(99), "099");
  EXPECT_EQ(frameNumberText(100), "100");
  EXPECT_EQ(frameNumberText(12345), "12345");
  EXPECT_EQ(numberedFrameName("/tmp/frames/shot", 4), "/tmp/frames/shot004.bmp");
  EXPECT_EQ(numberedFrameName("", 1000), "1000.bmp");
}
