#pragma once
// Coverage of the boxed figures (rectangle, rounded rectangle, ellipse), all
// one shape: a rounded rectangle whose corners are quarter ellipses.
#include <cstdint>
#include <utility>

#include "platform/gdi/Geometry.h"
#include "platform/gdi/SpanPaint.h"

namespace gdi::detail {

enum class FigureKind { Rectangle, RoundRect, Ellipse };

// A rounded rectangle in doubled pixel coordinates (the centre of pixel x is
// 2x): centre, half extents and corner semi-axes (0 <= rx <= ha, 0 <= ry <= hb).
struct RoundedBox {
  std::int64_t cx = 0, cy = 0;
  std::int64_t ha = -1, hb = -1;
  std::int64_t rx = 0, ry = 0;
  // Every row of the figure keeps at least its middle pixel (or two), so thin
  // figures stay connected and reach the ends of their box.
  bool keepsMiddle = false;

  // The largest |2x - cx| covered on the rows with |2y - cy| = dy, or -1.
  std::int64_t reach(std::int64_t dy) const;
  // The covered pixels [first, second] of row y; first > second when none.
  std::pair<std::int64_t, std::int64_t> row(std::int64_t y) const;
};

// The outline (pen) and interior (brush) of a figure in `box` (normalised,
// right and bottom exclusive), with disjoint normalised spans inside `clip`.
struct FigureCoverage {
  SpanList outline;
  SpanList interior;
  std::int64_t cx2 = 0, cy2 = 0;  // doubled centre, for dashing the outline
};

// `penWidth` is in pixels (1 for one-pixel pens); `insideFrame` shrinks the
// figure so that a wide pen stays inside the box. Corner sizes are used by
// RoundRect only. A box without width or height covers nothing.
FigureCoverage figureCoverage(const Rect& box, FigureKind kind, int cornerWidth, int cornerHeight,
                              int penWidth, bool insideFrame, const Rect& clip);

}  // namespace gdi::detail
