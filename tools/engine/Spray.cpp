#include "tools/engine/Spray.h"

#include <algorithm>

#include "platform/gdi/SpanPaint.h"

namespace tools {

namespace {
constexpr int kRounds = 100;
}

std::vector<gdi::Point> sprayPoints(int x, int y, int lineWidth, const RandomInt& random,
                                    gdi::Point* lastOffset) {
  const int w = std::max(lineWidth, 1);
  std::vector<gdi::Point> points;
  points.reserve(4 * kRounds);
  int dx = 0, dy = 0;
  for (int i = 0; i < kRounds; ++i) {
    dx = random(w);
    dy = random(w);
    points.push_back({x - dx, y + dy});
    points.push_back({x + dx, y - dy});
    points.push_back({x + dx, y + dy});
    points.push_back({x - dx, y - dy});
  }
  if (lastOffset) *lastOffset = {dx, dy};
  return points;
}

gdi::Rect sprayArea(int x, int y, int lineWidth) {
  const int w = std::max(lineWidth, 1);
  return {x - w + 1, y - w + 1, x + w, y + w};
}

gdi::Rect do_spray(gdi::Canvas& c, int x, int y, int lineWidth, gdi::TColor foreColor, bool mixing,
                   const RandomInt& random) {
  if (mixing) c.pen.mode = gdi::PenMode::NotXor;
  gdi::Point last;
  const std::vector<gdi::Point> points = sprayPoints(x, y, lineWidth, random, &last);
  gdi::SpanList spans;
  spans.reserve(points.size());
  for (const gdi::Point& p : points) spans.add(p.y, p.x, p.x + 1);
  spans.normalize();
  gdi::paintSpans(
      c.bitmap(), spans,
      gdi::Ink::solid(gdi::reduced(foreColor), mixing ? gdi::R2_NOTXORPEN : gdi::R2_COPYPEN));
  // The burst ends with an empty rectangle at the last offset, as the can
  // always did; it draws nothing.
  c.rectangle(x + last.x, y + last.y, x + last.x, y + last.y);
  return sprayArea(x, y, lineWidth);
}

}  // namespace tools
