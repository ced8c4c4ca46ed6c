// The player's range rules: clamping, the period, passes and the end.
#include <gtest/gtest.h>

#include <vector>

#include "media/engine/PlayRange.h"
#include "media/engine/SoundRange.h"

using media::PlayRange;
using media::TickResult;

namespace {

// Ticks until the range finishes (at most `limit` ticks); returns the frames
// shown after each tick.
std::vector<int> playOut(PlayRange r, int limit) {
  std::vector<int> shown;
  for (int i = 0; i < limit; ++i) {
    if (media::tick(r) == TickResult::Finished) break;
    shown.push_back(r.current);
  }
  return shown;
}

}  // namespace

TEST(PlayRange, TwoRepetitionsPlayTheRangeTwiceAndStopOnItsLastFrame) {
  PlayRange r{2, 2, 5, 2};
  EXPECT_EQ(playOut(r, 100), (std::vector<int>{3, 4, 5, 2, 3, 4, 5}));
  PlayRange once{2, 2, 5, 1};
  EXPECT_EQ(playOut(once, 100), (std::vector<int>{3, 4, 5}));
  // The finishing tick leaves the player on the stop frame.
  PlayRange last{5, 2, 5, 1};
  EXPECT_EQ(media::tick(last), TickResult::Finished);
  EXPECT_EQ(last.current, 5);
}

TEST(PlayRange, ZeroRepetitionsLoopUntilStopped) {
  PlayRange r{0, 0, 2, 0};
  EXPECT_EQ(playOut(r, 9), (std::vector<int>{1, 2, 0, 1, 2, 0, 1, 2, 0}));
  PlayRange loop{2, 0, 2, 0};
  EXPECT_EQ(media::tick(loop), TickResult::Looped);
  EXPECT_EQ(loop.current, 0);
  // A single-frame range keeps showing its frame.
  PlayRange single{4, 4, 4, 0};
  EXPECT_EQ(playOut(single, 3), (std::vector<int>{4, 4, 4}));
}

TEST(PlayRange, FramesAreClampedToTheFileAndThePeriodRoundsToMilliseconds) {
  EXPECT_EQ(media::clampFrame(-3, 10), 0);
  EXPECT_EQ(media::clampFrame(9, 10), 9);
  EXPECT_EQ(media::clampFrame(10, 10), 9);
  EXPECT_EQ(media::clampFrame(70000, 100000), 70000);  // no 16-bit limit
  EXPECT_EQ(media::framePeriodMs(30, 1), 33);
  EXPECT_EQ(media::framePeriodMs(15, 1), 67);
  EXPECT_EQ(media::framePeriodMs(30000, 1001), 33);
  EXPECT_EQ(media::framePeriodMs(25, 1), 40);
  EXPECT_EQ(media::framePeriodMs(0, 1), 0);
}

TEST(SoundRange, FramesMapToTheSamplesThatPlayWithThem) {
  // 10 frames per second, 8000 samples per second: 800 per frame.
  auto r = media::soundForFrames(3, 5, 10, 1, 8000, 100000);
  EXPECT_EQ(r.start, 2400);
  EXPECT_EQ(r.end, 4800);
  // NTSC video with CD sound: frame 30 starts at 1001/1000 s.
  r = media::soundForFrames(30, 30, 30000, 1001, 44100, 1 << 30);
  EXPECT_EQ(r.start, 44144);
  EXPECT_EQ(r.end, 45615);
  // Limited to the stream; an empty range for a reversed one.
  r = media::soundForFrames(0, 99, 10, 1, 8000, 5000);
  EXPECT_EQ(r.end, 5000);
  r = media::soundForFrames(5, 3, 10, 1, 8000, 100000);
  EXPECT_EQ(r.start, r.end);
}
