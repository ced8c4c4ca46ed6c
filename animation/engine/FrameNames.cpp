#include "animation/engine/FrameNames.h"

#include <cstdio>

namespace animation {

std::string frameNumberText(int number) {
  char text[16];
  std::snprintf(text, sizeof text, "%03d", number);
  return text;
}

std::string numberedFrameName(const std::string& base, int number) {
  return base + frameNumberText(number) + ".bmp";
}

}  // namespace animation
