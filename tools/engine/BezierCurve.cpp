#include "tools/engine/BezierCurve.h"

#include <cfenv>
#include <cmath>

namespace tools {

namespace {

// A value as a six-byte real keeps it: 40 significant bits, nearest even.
long double toReal48(long double v) {
  if (v == 0) return 0;
  int exp = 0;
  const long double mant = std::frexp(v, &exp);  // 0.5 <= |mant| < 1
  return std::ldexp(std::nearbyint(std::ldexp(mant, 40)), exp - 40);
}

int roundHalfEven(long double v) {
  // nearbyint rounds in the current mode; the program never leaves nearest.
  return int(std::nearbyint(v));
}

gdi::Point curveAt(const BezierPoints& c, long double t) {
  const long double u = 1 - t;
  const long double b0 = u * u * u;
  const long double b1 = 3 * t * u * u;
  const long double b2 = 3 * t * t * u;
  const long double b3 = t * t * t;
  const long double x = b0 * c.start.x + b1 * c.ctl1.x + b2 * c.ctl2.x + b3 * c.end.x;
  const long double y = b0 * c.start.y + b1 * c.ctl1.y + b2 * c.ctl2.y + b3 * c.end.y;
  return {roundHalfEven(x), roundHalfEven(y)};
}

// One axis of the control-point rule.
std::array<int, 2> controlAxis(int s, int e) {
  if (s + 10 < e) return {s + (e - s) / 3, s + ((e - s) / 3) * 2};
  if (e >= s - 10) return {s - 20, s + 20};
  return {e + (s - e) / 3, e + ((s - e) / 3) * 2};
}

}  // namespace

std::vector<gdi::Point> bezierPath(const BezierPoints& curve, int segments) {
  std::vector<gdi::Point> points;
  if (segments < 1) return {curve.start};
  const long double step = 1.0L / segments;
  for (long double t = 0; t < 1; t = toReal48(t + step)) points.push_back(curveAt(curve, t));
  return points;
}

void drawBezier(gdi::Canvas& canvas, const BezierPoints& curve, int segments) {
  const std::vector<gdi::Point> points = bezierPath(curve, segments);
  canvas.moveTo(curve.start.x, curve.start.y);
  for (const gdi::Point p : points) canvas.lineTo(p.x, p.y);
}

std::array<gdi::Point, 2> bezierControls(gdi::Point start, gdi::Point end) {
  const auto xs = controlAxis(start.x, end.x);
  const auto ys = controlAxis(start.y, end.y);
  return {gdi::Point{xs[0], ys[0]}, gdi::Point{xs[1], ys[1]}};
}

bool isTinyChord(gdi::Point down, gdi::Point up) {
  const bool sums = down.x + down.y != 0 && up.x + up.y != 0;
  if (sums && down == up) return true;
  const int dx = up.x - down.x, dy = up.y - down.y;
  const bool upLeft = dx < 0 && dx > -10 && dy < 0 && dy > -10;
  const bool downRight = dx > 0 && dx < 10 && dy > 0 && dy < 10;
  return upLeft || downRight;
}

}  // namespace tools
