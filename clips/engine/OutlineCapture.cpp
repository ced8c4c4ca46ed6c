#include "clips/engine/OutlineCapture.h"

#include <algorithm>
#include <vector>

#include "clips/engine/OutlineMask.h"
#include "platform/gdi/Canvas.h"

namespace clips {

namespace {

std::vector<gdi::Point> shifted(std::span<const gdi::Point> points, gdi::Point by) {
  std::vector<gdi::Point> out(points.begin(), points.end());
  for (gdi::Point& p : out) p = {p.x + by.x, p.y + by.y};
  return out;
}

gdi::Rect clampToPicture(const gdi::Rect& box, const gdi::Bitmap& picture) {
  return {std::max(box.left, 0), std::max(box.top, 0), std::min(box.right, picture.width()),
          std::min(box.bottom, picture.height())};
}

// The box of every point with the pen's reach: all the outline can cover.
gdi::Rect outlineExtent(std::span<const gdi::Point> outline, int penWidth) {
  if (outline.empty()) return {};
  gdi::Rect r{outline[0].x, outline[0].y, outline[0].x, outline[0].y};
  for (const gdi::Point p : outline) {
    r.left = std::min(r.left, p.x);
    r.top = std::min(r.top, p.y);
    r.right = std::max(r.right, p.x);
    r.bottom = std::max(r.bottom, p.y);
  }
  const int reach = penReach(penWidth);
  return {r.left - reach, r.top - reach, r.right + reach + 1, r.bottom + reach + 1};
}

}  // namespace

gdi::Rect outlineBounds(std::span<const gdi::Point> outline, int count, gdi::Size zoomView) {
  gdi::Rect box{zoomView.cx, zoomView.cy, 1, 1};
  const int n = std::min<int>(count, int(outline.size()));
  for (int i = 0; i < n; ++i) {
    box.left = std::min(box.left, outline[i].x);
    box.top = std::min(box.top, outline[i].y);
    box.right = std::max(box.right, outline[i].x);
    box.bottom = std::max(box.bottom, outline[i].y);
  }
  return box;
}

Capture captureOutline(const gdi::Bitmap& picture, std::span<const gdi::Point> outline, int count,
                       gdi::Size zoomView, int penWidth) {
  Capture result;
  const gdi::Rect bounds = outlineBounds(outline, count, zoomView);
  if (bounds.width() < 1 || bounds.height() < 1) return result;
  const gdi::Rect box = clampToPicture(bounds, picture);
  if (box.isEmpty()) return result;

  MaskFigure figure;
  figure.extent = outlineExtent(outline, penWidth);
  figure.outline = [outline](gdi::Canvas& c, gdi::Point by) { c.polyline(shifted(outline, by)); };
  figure.fill = [outline](gdi::Canvas& c, gdi::Point by) { c.polygon(shifted(outline, by)); };
  result.clip = maskedClip(picture, box, figure, penWidth);
  takePictureFormat(result.clip, picture);
  result.origin = {box.left + 1, box.top + 1};
  result.area = box;
  return result;
}

Capture captureBoxInside(const gdi::Bitmap& picture, std::span<const gdi::Point> outline, int count,
                         gdi::Size zoomView, int penWidth) {
  Capture result;
  const gdi::Rect bounds = outlineBounds(outline, count, zoomView);
  if (bounds.width() < 1 || bounds.height() < 1) return result;
  const gdi::Rect box = clampToPicture(bounds, picture);
  const gdi::Rect inside{box.left + 1, box.top + 1, box.right, box.bottom};
  if (inside.isEmpty()) return result;

  result.clip = copyRegion(picture, inside);
  // The rectangle's outline lies on the box's edges, outside the clip, unless
  // the pen is wide enough to reach in.
  if (penWidth > 1) {
    gdi::Canvas& c = result.clip.canvas();
    c.pen = gdi::Pen{kMaskOutlineColor, penWidth, gdi::PenStyle::Solid, gdi::PenMode::Copy};
    c.polyline(shifted(outline, {-inside.left, -inside.top}));
  }
  takePictureFormat(result.clip, picture);
  result.origin = {inside.left, inside.top};
  result.area = inside;
  return result;
}

}  // namespace clips
