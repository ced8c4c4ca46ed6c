#pragma once
// The cubic curve tool's geometry: the points a curve is drawn through, the
// control points a freshly dragged chord gets, and the drags too small to
// start a curve.
#include <array>
#include <vector>

#include "platform/gdi/Canvas.h"
#include "platform/gdi/Geometry.h"

namespace tools {

// Segments the curve tool draws a curve with.
inline constexpr int kBezierSegments = 30;

// The four points of a curve in drawing order.
struct BezierPoints {
  gdi::Point start;
  gdi::Point ctl1;
  gdi::Point ctl2;
  gdi::Point end;
  friend constexpr bool operator==(const BezierPoints&, const BezierPoints&) = default;
};

// The points the curve is drawn through: the curve at t = 0 (the start),
// 1/n, 2/n ... for as long as the accumulated t stays below 1. t is
// accumulated by adding 1/n and kept to the precision of a six-byte real
// (40 significant bits) between steps, so rounding decides whether the point
// at t = 1 is reached; coordinates are rounded with halves to even.
std::vector<gdi::Point> bezierPath(const BezierPoints& curve, int segments = kBezierSegments);

// Draws the curve with the canvas's current pen: MoveTo the start, LineTo
// each point of bezierPath.
void drawBezier(gdi::Canvas& canvas, const BezierPoints& curve, int segments = kBezierSegments);

// The two control points of a new curve on the chord start-end: a third and
// two thirds along a chord wider than 10 pixels, 20 pixels either side of
// the start when the chord is within 10 pixels of upright; each axis on its own.
std::array<gdi::Point, 2> bezierControls(gdi::Point start, gdi::Point end);

// A release that does not start a curve: on the press point (when neither
// point is the origin), or less than 10 pixels up-left or down-right of it
// on both axes.
bool isTinyChord(gdi::Point down, gdi::Point up);

// The top-left of a handle centred on `p` (handles are 16 pixels across).
constexpr gdi::Point handlePosition(gdi::Point p) { return {p.x - 8, p.y - 8}; }

}  // namespace tools
