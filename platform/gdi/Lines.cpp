// Lines and polylines of the canvas.
#include "platform/gdi/Canvas.h"
#include "platform/gdi/Stroke.h"

namespace gdi {

namespace {

void drawPath(Bitmap& bitmap, std::span<const Point> points, const Pen& pen, const Brush& brush) {
  if (bitmap.empty()) return;
  const detail::Stroke stroke =
      detail::strokePath(points, false, pen, detail::opaqueGaps(brush), bitmap.rect());
  detail::paintStroke(bitmap, stroke, pen, brush);
}

}  // namespace

void Canvas::lineTo(int x, int y) {
  const Point points[2] = {penPos_, {x, y}};
  drawPath(*bitmap_, points, pen, brush);
  penPos_ = {x, y};
}

void Canvas::polyline(std::span<const Point> points) {
  if (points.size() < 2) return;
  drawPath(*bitmap_, points, pen, brush);
}

}  // namespace gdi
