#include "tools/engine/RollSteps.h"

namespace tools {

std::vector<int> rollUpHeights(int from, int floor, int step, int end) {
  std::vector<int> out;
  for (int h = from; h > floor; --h)
    if (h % step == 0) out.push_back(h);
  out.push_back(end);
  return out;
}

std::vector<int> rollDownHeights(int from, int step, int end) {
  std::vector<int> out;
  for (int h = from; h <= end; ++h)
    if (h % step == 0) out.push_back(h);
  out.push_back(end);
  return out;
}

}  // namespace tools
