#pragma once
// Cutting the picture along a collected outline (lasso, polygon area) or a
// rectangle drawn with the capture box. The outline is always the full
// 500-point vertex list, its unused tail repeating vertex 1.
#include <span>

#include "clips/engine/Capture.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Geometry.h"

namespace clips {

// The box of vertices 1..count (left, top, right, bottom = the smallest and
// largest coordinates). The minima start at the zoom view's size and the
// maxima at 1, so a box never ends left of 1 or starts right of that size.
gdi::Rect outlineBounds(std::span<const gdi::Point> outline, int count, gdi::Size zoomView);

// Polygon area: the box of the outline, clamped to the picture, with
// everything outside the outline and the outline itself white (see
// OutlineMask.h) and, as the box's frame is painted white first, its edge
// rows and columns white. Origin: the box's top-left plus one. Nothing is
// captured when the box has no width or height, before or after clamping.
Capture captureOutline(const gdi::Bitmap& picture, std::span<const gdi::Point> outline, int count,
                       gdi::Size zoomView, int penWidth = 1);

// Rectangle area: the inside of the box of vertices 1..count, its edges left
// out: (left + 1, top + 1) to (right, bottom), clamped to the picture.
Capture captureBoxInside(const gdi::Bitmap& picture, std::span<const gdi::Point> outline, int count,
                         gdi::Size zoomView, int penWidth = 1);

}  // namespace clips
