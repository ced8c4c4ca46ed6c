#include "tools/engine/PolyPoints.h"

#include <algorithm>

namespace tools {

void PolyPointArray::repeatFirstFrom(int from) {
  const int first = std::max(from, 1);
  if (first > kPolyMax) return;
  std::fill(points_.begin() + (first - 1), points_.end(), points_[0]);
}

void beginPolygon(PolyPointArray& points, int& count, gdi::Point p) {
  if (count != 1) return;
  points[1] = p;
  count = 2;
}

PolyEdge addPolyVertex(PolyPointArray& points, int& count, gdi::Point p) {
  if (count < 2) {
    count = 1;
    beginPolygon(points, count, p);
  }
  count = std::min(count, kPolyMax);
  points[count] = p;
  const PolyEdge edge{points[count - 1], p};
  count = nextPolyCount(count);
  return edge;
}

}  // namespace tools
