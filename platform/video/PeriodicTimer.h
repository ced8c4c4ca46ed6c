#pragma once
// The multimedia timer: a thread of its own that calls `tick` at
// start + k * scale / rate seconds for k = 1, 2, 3, ... Every deadline is
// computed from the start, so a late tick never delays the ones after it
// and the count of ticks follows the wall clock without drift. A tick that
// comes late by several periods is followed at once by the missed ones.
//
// `tick` runs on the timer's thread; it should only note the tick and post
// work to the thread that owns the data.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

namespace video {

class PeriodicTimer {
 public:
  PeriodicTimer() = default;
  ~PeriodicTimer();
  PeriodicTimer(const PeriodicTimer&) = delete;
  PeriodicTimer& operator=(const PeriodicTimer&) = delete;

  // Starts ticking (stopping a running timer first). rate and scale > 0.
  void start(int rate, int scale, std::function<void()> tick);
  // Stops and waits for the thread: no tick runs after this returns. Must
  // not be called from `tick` itself.
  void stop();
  bool running() const { return thread_.joinable(); }

  // When tick k is due, measured from `start`.
  static std::chrono::nanoseconds dueTime(std::int64_t k, int rate, int scale);

 private:
  void run(int rate, int scale);

  std::thread thread_;
  std::function<void()> tick_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stopping_ = false;
};

}  // namespace video
