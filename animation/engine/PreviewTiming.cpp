#include "animation/engine/PreviewTiming.h"

#include <algorithm>
#include <cstdio>

namespace animation {

std::chrono::microseconds previewFrameInterval(int delay, int multiplier) {
  constexpr long long kScreenRefreshUs = 1'000'000 / 60;
  const long long product =
      (long long)std::clamp(delay, 0, 1000) * (long long)std::clamp(multiplier, 0, 10000);
  // product / 10 milliseconds = product * 100 microseconds.
  return std::chrono::microseconds(std::max(product * 100, kScreenRefreshUs));
}

std::string previewIntervalText(int delay, int multiplier) {
  const double ms = double(previewFrameInterval(delay, multiplier).count()) / 1000.0;
  char text[80];
  if (ms < 100)
    std::snprintf(text, sizeof text, "%.1f ms a frame (%.0f frames a second)", ms, 1000.0 / ms);
  else if (ms < 10000)
    std::snprintf(text, sizeof text, "%.0f ms a frame (%.3g frames a second)", ms, 1000.0 / ms);
  else
    std::snprintf(text, sizeof text, "%.0f s a frame", ms / 1000.0);
  return text;
}

}  // namespace animation
