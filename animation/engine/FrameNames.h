#pragma once
// Names of numbered frame files: a base (folder plus prefix), the frame
// number with at least three digits ("007", "042", "123", "1234") and ".bmp".
// Every tool that writes or finds frame files names them through here.
#include <string>

namespace animation {

// The number as frame names write it: zero-padded to three digits.
std::string frameNumberText(int number);

// base + frameNumberText(number) + ".bmp"
std::string numberedFrameName(const std::string& base, int number);

}  // namespace animation
