#include "animation/engine/FrameNames.h"

namespace animation {

std::string frameNumberText(int number) {
  const std::string digits = std::to_string(number);
  if (number < 10) return "00" + digits;
  if (number < 100) return "0" + digits;
  return digits;
}

std::string numberedFrameName(const std::string& base, int number) {
  return base + frameNumberText(number) + ".bmp";
}

}  // namespace animation
