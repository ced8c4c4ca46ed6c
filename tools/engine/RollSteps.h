#pragma once
// Heights a window passes through when it rolls up or down: a few round
// values on the way, then the exact end height.
#include <vector>

namespace tools {

// Every height from `from` down to `floor` (exclusive) divisible by `step`,
// then `end`.
std::vector<int> rollUpHeights(int from, int floor, int step, int end);
// Every height from `from` up to `end` divisible by `step`, then `end`.
std::vector<int> rollDownHeights(int from, int step, int end);

}  // namespace tools
