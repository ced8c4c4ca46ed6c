#include "media/engine/PlayRange.h"

#include <algorithm>
#include <cstdint>

namespace media {

int clampFrame(int frame, int frameCount) { return std::clamp(frame, 0, std::max(frameCount - 1, 0)); }

int framePeriodMs(int rate, int scale) {
  if (rate <= 0) return 0;
  return int((std::int64_t(scale) * 1000 + rate / 2) / rate);
}

TickResult tick(PlayRange& range) {
  if (range.current >= range.stopFrame) {
    if (range.remaining > 0 && --range.remaining == 0) return TickResult::Finished;
    range.current = range.startFrame;
    return TickResult::Looped;
  }
  ++range.current;
  return TickResult::Advanced;
}

}  // namespace media
