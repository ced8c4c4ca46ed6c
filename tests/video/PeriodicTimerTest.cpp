// The frame timer: exact deadlines, and nothing after stop.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/video/PeriodicTimer.h"

using std::chrono::nanoseconds;
using video::PeriodicTimer;

TEST(PeriodicTimer, DeadlinesComeFromTheStartSoRoundingNeverAddsUp) {
  // 30 frames per second: frame 1800 is due after exactly one minute, where a
  // whole-millisecond period (33 ms) would put it 600 ms (18 frames) early.
  EXPECT_EQ(PeriodicTimer::dueTime(1800, 30, 1), std::chrono::seconds(60));
  EXPECT_EQ(PeriodicTimer::dueTime(1, 30, 1), nanoseconds(33333333));
  EXPECT_EQ(PeriodicTimer::dueTime(2, 30, 1), nanoseconds(66666667));
  // NTSC rate: 30000 frames in 1001 seconds.
  EXPECT_EQ(PeriodicTimer::dueTime(30000, 30000, 1001), std::chrono::seconds(1001));
  EXPECT_EQ(PeriodicTimer::dueTime(1, 30000, 1001), nanoseconds(33366667));
  // Ten hours of 30 frames per second.
  EXPECT_EQ(PeriodicTimer::dueTime(30LL * 36000, 30, 1), std::chrono::hours(10));
}

TEST(PeriodicTimer, TicksOnItsOwnThreadAndNotAfterStop) {
  PeriodicTimer timer;
  std::atomic<int> ticks{0};
  std::atomic<bool> otherThread{true};
  const auto self = std::this_thread::get_id();
  timer.start(200, 1, [&] {
    if (std::this_thread::get_id() == self) otherThread = false;
    ++ticks;
  });
  EXPECT_TRUE(timer.running());
  while (ticks < 3) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  timer.stop();
  EXPECT_FALSE(timer.running());
  const int atStop = ticks;
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  EXPECT_EQ(ticks, atStop);
  EXPECT_TRUE(otherThread);
  // Starting with a rate of 0 does nothing.
  timer.start(0, 1, [&] { ++ticks; });
  EXPECT_FALSE(timer.running());
}
