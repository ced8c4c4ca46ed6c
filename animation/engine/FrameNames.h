#pragma once
// Names of numbered frame files: a base (folder plus prefix), the frame
// number with at least three digits ("007", "042", "123", "1234") and ".bmp".
// Every tool that writes or finds frame files names them through here.
#include <string>

namespace animation {

// The number as frame names write it: "00" before numbers below 10, "0"
// before 10 to 99, nothing from 100 on. The windows' frame counters have no
// lower bound; a negative number is "below 10" too ("00-5").
std::string frameNumberText(int number);

// base + frameNumberText(number) + ".bmp"
std::string numberedFrameName(const std::string& base, int number);

}  // namespace animation
