// The capture window's rules as values: track bar ticks, the step timer's
// interval, the size choices and stepping past the last frame.
#include <gtest/gtest.h>

#include "media/engine/CaptureControls.h"

using media::PlayerSize;
using media::Size;

TEST(CaptureControls, TrackBarTicksAreAHundredthOfTheFileRoundedHalfToEven) {
  EXPECT_EQ(media::trackTickFrequency(0), 0);
  EXPECT_EQ(media::trackTickFrequency(49), 0);
  EXPECT_EQ(media::trackTickFrequency(50), 0);   // 0.5 rounds to even
  EXPECT_EQ(media::trackTickFrequency(150), 2);  // 1.5 rounds to even
  EXPECT_EQ(media::trackTickFrequency(250), 2);  // 2.5 too
  EXPECT_EQ(media::trackTickFrequency(251), 3);
  EXPECT_EQ(media::trackTickFrequency(300), 3);
  EXPECT_EQ(media::trackTickFrequency(-5), 0);
}

TEST(CaptureControls, FasterStopsAtTheFastestStepAndSlowerAddsATenthOfASecond) {
  EXPECT_EQ(media::fasterInterval(510), 410);
  EXPECT_EQ(media::fasterInterval(110), media::kFastestStepMs);
  // Never zero or below: a zero interval would stop or spin the timer.
  EXPECT_EQ(media::fasterInterval(10), media::kFastestStepMs);
  EXPECT_EQ(media::fasterInterval(50), media::kFastestStepMs);
  EXPECT_EQ(media::slowerInterval(10), 110);
  EXPECT_EQ(media::slowerInterval(media::fasterInterval(media::slowerInterval(10))), 110);
  EXPECT_EQ(media::slowerInterval(0), 110);
}

TEST(CaptureControls, SizeChoicesScaleTheFrameAndKeepItWhenADivisionLeavesNothing) {
  EXPECT_EQ(media::playerSizeOf("Normal"), PlayerSize::Normal);
  EXPECT_EQ(media::playerSizeOf("Double"), PlayerSize::Double);
  EXPECT_EQ(media::playerSizeOf("1/2"), PlayerSize::Half);
  EXPECT_EQ(media::playerSizeOf("1/4"), PlayerSize::Quarter);
  EXPECT_EQ(media::playerSizeOf("Stretch"), PlayerSize::Stretch);
  EXPECT_EQ(media::playerSizeOf("half"), PlayerSize::Normal);

  EXPECT_EQ(media::scaledPlayerSize(PlayerSize::Double, {320, 240}), (Size{640, 480}));
  EXPECT_EQ(media::scaledPlayerSize(PlayerSize::Half, {321, 241}), (Size{160, 120}));
  EXPECT_EQ(media::scaledPlayerSize(PlayerSize::Quarter, {320, 240}), (Size{80, 60}));
  EXPECT_EQ(media::scaledPlayerSize(PlayerSize::Quarter, {3, 240}), (Size{3, 240}));
  EXPECT_EQ(media::scaledPlayerSize(PlayerSize::Half, {2, 2}), (Size{1, 1}));
  EXPECT_EQ(media::scaledPlayerSize(PlayerSize::Normal, {320, 240}), (Size{320, 240}));
  EXPECT_EQ(media::scaledPlayerSize(PlayerSize::Stretch, {320, 240}), (Size{320, 240}));
}

TEST(CaptureControls, SteppingGoesBackToTheFirstFrameAfterTheLast) {
  EXPECT_EQ(media::nextSteppedFrame(0, 10, 0), 1);
  EXPECT_EQ(media::nextSteppedFrame(8, 10, 0), 9);
  EXPECT_EQ(media::nextSteppedFrame(9, 10, 0), 0);
  EXPECT_EQ(media::nextSteppedFrame(9, 10, 3), 3);
  EXPECT_EQ(media::nextSteppedFrame(0, 1, 0), 0);
  EXPECT_EQ(media::nextSteppedFrame(4, 0, 0), 4);  // no file
}
