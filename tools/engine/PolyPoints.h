#pragma once
// The vertex list shared by the polygon tools and the outline captures:
// points numbered 1..500 and a count that names the next free entry (1 while
// no figure is being built). A figure is always drawn through all 500 points;
// closing it repeats the first vertex over the unused tail, so the 500-point
// path ends where it began.
#include <array>
#include <span>

#include "platform/gdi/Geometry.h"

namespace tools {

inline constexpr int kPolyMax = 500;

class PolyPointArray {
 public:
  // Entry i, numbered from 1.
  gdi::Point& operator[](int i) { return points_.at(std::size_t(i - 1)); }
  const gdi::Point& operator[](int i) const { return points_.at(std::size_t(i - 1)); }
  // All 500 entries in order, as the figure is drawn.
  std::span<const gdi::Point> all() const { return points_; }
  // Entries from..500 take entry 1.
  void repeatFirstFrom(int from);
  // Every entry back to the origin.
  void clear() { points_.fill({}); }

 private:
  std::array<gdi::Point, kPolyMax> points_{};
};

// The count after a vertex is added: one more, but never past 500, so once
// the list is full each further vertex replaces the last one.
constexpr int nextPolyCount(int count) { return count + 1 > kPolyMax ? kPolyMax : count + 1; }

// The press that may begin a figure: with nothing collected yet (count 1)
// the press point becomes vertex 1 and the count 2.
void beginPolygon(PolyPointArray& points, int& count, gdi::Point p);

// A released vertex: entry `count` takes p and the count moves on. Returns
// the edge to draw, from the vertex before it to p. A release with nothing
// begun (no press reached the picture) begins the figure at p first.
struct PolyEdge {
  gdi::Point from;
  gdi::Point to;
};
PolyEdge addPolyVertex(PolyPointArray& points, int& count, gdi::Point p);

// Closes the figure: entries count..500 repeat vertex 1.
inline void closePolygon(PolyPointArray& points, int count) { points.repeatFirstFrom(count); }

}  // namespace tools
