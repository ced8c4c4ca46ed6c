// Rectangles, rounded rectangles, ellipses and the brush-only rectangles.
#include "platform/gdi/Canvas.h"
#include "platform/gdi/FigureSpans.h"
#include "platform/gdi/Stroke.h"

namespace gdi {

namespace {

void drawFigure(Bitmap& bitmap, const Pen& pen, const Brush& brush, const Rect& box,
                detail::FigureKind kind, int cornerWidth, int cornerHeight) {
  if (bitmap.empty()) return;
  const bool clearPen = pen.style == PenStyle::Clear;
  // Without a pen the figure keeps the interior of a one-pixel outline.
  const int width = clearPen ? 1 : detail::penPixelWidth(pen);
  detail::FigureCoverage cov =
      detail::figureCoverage(box.normalized(), kind, cornerWidth, cornerHeight, width,
                             pen.style == PenStyle::InsideFrame, bitmap.rect());
  if (!clearPen) {
    detail::Stroke stroke;
    if (detail::dashPattern(pen).empty())
      stroke.ink = std::move(cov.outline);
    else
      stroke = detail::dashOutline(cov.outline, cov.cx2, cov.cy2, pen, detail::opaqueGaps(brush));
    detail::paintStroke(bitmap, stroke, pen, brush);
  }
  paintSpans(bitmap, cov.interior, Ink::ofBrush(brush, rop2Of(pen.mode)));
}

SpanList rectSpans(const Rect& r, const Rect& clip) {
  SpanList spans;
  const Rect c = r.intersected(clip);
  for (int y = c.top; y < c.bottom; ++y) spans.add(y, c.left, c.right);
  spans.markNormalized();
  return spans;
}

}  // namespace

void Canvas::rectangle(int x1, int y1, int x2, int y2) {
  drawFigure(*bitmap_, pen, brush, {x1, y1, x2, y2}, detail::FigureKind::Rectangle, 0, 0);
}

void Canvas::roundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight) {
  drawFigure(*bitmap_, pen, brush, {x1, y1, x2, y2}, detail::FigureKind::RoundRect, cornerWidth,
             cornerHeight);
}

void Canvas::ellipse(int x1, int y1, int x2, int y2) {
  drawFigure(*bitmap_, pen, brush, {x1, y1, x2, y2}, detail::FigureKind::Ellipse, 0, 0);
}

void Canvas::fillRect(const Rect& r) {
  if (bitmap_->empty()) return;
  paintSpans(*bitmap_, rectSpans(r, bitmap_->rect()), Ink::ofBrush(brush, R2_COPYPEN));
}

void Canvas::frameRect(const Rect& r) {
  if (bitmap_->empty() || r.isEmpty()) return;
  // The frame is the rectangle minus its inside, so each pixel is painted once
  // even when the rectangle is one or two pixels wide.
  SpanList frame = rectSpans(r, bitmap_->rect());
  frame.subtract(rectSpans({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, bitmap_->rect()));
  paintSpans(*bitmap_, frame, Ink::ofBrush(brush, R2_COPYPEN));
}

}  // namespace gdi
