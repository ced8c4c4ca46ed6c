#include <gtest/gtest.h>

#include "animation/engine/FrameNames.h"

using animation::frameNumberText;
using animation::numberedFrameName;

TEST(FrameNames, NumbersHaveAtLeastThreeDigits) {
  EXPECT_EQ(numberedFrameName("MyAnimation", 7), "MyAnimation007.bmp");
  EXPECT_EQ(numberedFrameName("MyAnimation", 0), "MyAnimation000.bmp");
  EXPECT_EQ(numberedFrameName("MyAnimation", 9), "MyAnimation009.bmp");
  EXPECT_EQ(numberedFrameName("MyAnimation", 10), "MyAnimation010.bmp");
  EXPECT_EQ(numberedFrameName("MyAnimation", 99), "MyAnimation099.bmp");
  EXPECT_EQ(numberedFrameName("MyAnimation", 100), "MyAnimation100.bmp");
  EXPECT_EQ(numberedFrameName("MyAnimation", 123), "MyAnimation123.bmp");
  EXPECT_EQ(numberedFrameName("MyAnimation", 1000), "MyAnimation1000.bmp");
  EXPECT_EQ(numberedFrameName("/tmp/frames/shot", 4), "/tmp/frames/shot004.bmp");
  EXPECT_EQ(numberedFrameName("", 1000), "1000.bmp");
  EXPECT_EQ(frameNumberText(2147483647), "2147483647");
}

// The counters have no lower bound: below 10 is "00" and the number.
TEST(FrameNames, NegativeNumbersKeepTheTwoZeros) {
  EXPECT_EQ(frameNumberText(-1), "00-1");
  EXPECT_EQ(frameNumberText(-10), "00-10");
  EXPECT_EQ(frameNumberText(-2147483647 - 1), "00-2147483648");
}
