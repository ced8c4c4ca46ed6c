// Closed polygons: the alternate (even-odd) fill and the pen outline.
#include <algorithm>
#include <vector>

#include "platform/gdi/Canvas.h"
#include "platform/gdi/IntMath.h"
#include "platform/gdi/Stroke.h"

namespace gdi {

namespace {

struct Edge {
  std::int64_t x0, y0;  // upper end
  std::int64_t dx, dy;  // dy > 0
};

// Pixels whose centres lie inside the polygon by the even-odd rule. A pixel
// centre on an edge belongs to the right-hand span, so polygons sharing an
// edge do not overlap; edges are half-open in y.
SpanList evenOddSpans(std::span<const Point> points, const Rect& clip) {
  SpanList spans;
  const std::size_t n = points.size();
  std::vector<Edge> edges;
  edges.reserve(n);
  std::int64_t ymin = detail::kCoordLimit, ymax = -detail::kCoordLimit;
  for (std::size_t i = 0; i < n; ++i) {
    std::int64_t x0 = detail::clampCoord(points[i].x), y0 = detail::clampCoord(points[i].y);
    std::int64_t x1 = detail::clampCoord(points[(i + 1) % n].x);
    std::int64_t y1 = detail::clampCoord(points[(i + 1) % n].y);
    if (y0 == y1) continue;
    if (y0 > y1) {
      std::swap(x0, x1);
      std::swap(y0, y1);
    }
    edges.push_back({x0, y0, x1 - x0, y1 - y0});
    ymin = std::min(ymin, y0);
    ymax = std::max(ymax, y1);
  }
  if (edges.empty()) return spans;
  std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.y0 < b.y0; });

  // Row y samples the centre line y + 1/2: edges with y0 <= y < y0 + dy.
  const std::int64_t yFirst = std::max<std::int64_t>(ymin, clip.top);
  const std::int64_t yLast = std::min<std::int64_t>(ymax, clip.bottom) - 1;
  std::vector<const Edge*> active;
  std::vector<std::int64_t> xs;
  std::size_t next = 0;
  for (std::int64_t y = yFirst; y <= yLast; ++y) {
    while (next < edges.size() && edges[next].y0 <= y) active.push_back(&edges[next++]);
    std::erase_if(active, [y](const Edge* e) { return e->y0 + e->dy <= y; });
    xs.clear();
    for (const Edge* e : active) {
      // First pixel whose centre is at or right of the crossing:
      // ceil(xcross - 1/2) with xcross = x0 + (y + 1/2 - y0) dx / dy.
      const std::int64_t num = 2 * e->x0 * e->dy + (2 * (y - e->y0) + 1) * e->dx - e->dy;
      xs.push_back(detail::ceilDiv(num, 2 * e->dy));
    }
    std::sort(xs.begin(), xs.end());
    for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
      const std::int64_t x1 = std::max<std::int64_t>(xs[i], clip.left);
      const std::int64_t x2 = std::min<std::int64_t>(xs[i + 1], clip.right);
      if (x1 < x2) spans.add(int(y), int(x1), int(x2));
    }
  }
  spans.normalize();
  return spans;
}

}  // namespace

void Canvas::polygon(std::span<const Point> points) {
  Bitmap& bitmap = *bitmap_;
  if (points.size() < 2 || bitmap.empty()) return;
  const Rect clip = bitmap.rect();
  const detail::Stroke outline =
      detail::strokePath(points, true, pen, detail::opaqueGaps(brush), clip);
  if (!brush.isClear()) {
    // The brush fills what the pen (ink and gaps) leaves, so no pixel is
    // painted twice.
    SpanList inside = evenOddSpans(points, clip);
    inside.subtract(outline.ink);
    inside.subtract(outline.gaps);
    paintSpans(bitmap, inside, Ink::ofBrush(brush, rop2Of(pen.mode)));
  }
  detail::paintStroke(bitmap, outline, pen, brush);
}

}  // namespace gdi
