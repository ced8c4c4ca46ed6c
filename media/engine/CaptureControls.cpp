#include "media/engine/CaptureControls.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace media {

int trackTickFrequency(int frameCount) {
  // nearbyint rounds half to even in the default rounding mode.
  return int(std::nearbyint(double(std::max(frameCount, 0)) * 0.01));
}

int fasterInterval(int intervalMs) { return std::max(intervalMs - 100, kFastestStepMs); }

int slowerInterval(int intervalMs) { return std::max(intervalMs, kFastestStepMs) + 100; }

PlayerSize playerSizeOf(const char* choice) {
  if (std::strcmp(choice, "Double") == 0) return PlayerSize::Double;
  if (std::strcmp(choice, "1/2") == 0) return PlayerSize::Half;
  if (std::strcmp(choice, "1/4") == 0) return PlayerSize::Quarter;
  if (std::strcmp(choice, "Stretch") == 0) return PlayerSize::Stretch;
  return PlayerSize::Normal;
}

Size scaledPlayerSize(PlayerSize choice, Size frame) {
  int divisor = 1;
  switch (choice) {
    case PlayerSize::Double:
      return {frame.width * 2, frame.height * 2};
    case PlayerSize::Half:
      divisor = 2;
      break;
    case PlayerSize::Quarter:
      divisor = 4;
      break;
    case PlayerSize::Normal:
    case PlayerSize::Stretch:
      return frame;
  }
  const Size divided{frame.width / divisor, frame.height / divisor};
  return divided.width >= 1 && divided.height >= 1 ? divided : frame;
}

int nextSteppedFrame(int current, int frameCount, int start) {
  if (frameCount <= 0) return current;
  return current + 1 >= frameCount ? std::clamp(start, 0, frameCount - 1) : current + 1;
}

}  // namespace media
