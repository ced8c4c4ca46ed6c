#include "platform/video/PeriodicTimer.h"

#include <utility>

namespace video {

PeriodicTimer::~PeriodicTimer() { stop(); }

std::chrono::nanoseconds PeriodicTimer::dueTime(std::int64_t k, int rate, int scale) {
  // k * scale * 1e9 / rate without overflow for any k a process will reach:
  // whole periods of `rate` ticks first, then the rest.
  const std::int64_t wholeSeconds = (k / rate) * scale;
  const std::int64_t restTicks = k % rate;
  const std::int64_t restNs = std::int64_t((long double)restTicks * scale * 1e9L / rate + 0.5L);
  return std::chrono::seconds(wholeSeconds) + std::chrono::nanoseconds(restNs);
}

void PeriodicTimer::start(int rate, int scale, std::function<void()> tick) {
  stop();
  if (rate <= 0 || scale <= 0) return;
  tick_ = std::move(tick);
  stopping_ = false;
  thread_ = std::thread([this, rate, scale] { run(rate, scale); });
}

void PeriodicTimer::stop() {
  if (!thread_.joinable()) return;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  thread_.join();
}

void PeriodicTimer::run(int rate, int scale) {
  const auto start = std::chrono::steady_clock::now();
  std::unique_lock<std::mutex> lock(mutex_);
  for (std::int64_t k = 1;; ++k) {
    const auto due = start + dueTime(k, rate, scale);
    if (wake_.wait_until(lock, due, [this] { return stopping_; })) return;
    lock.unlock();
    tick_();
    lock.lock();
  }
}

}  // namespace video
