#pragma once
// Coverage of pen strokes: one-pixel lines (with dash patterns) and wide
// lines with round caps and joins, as span lists ready for paintSpans.
#include <algorithm>
#include <span>

#include "platform/gdi/Canvas.h"
#include "platform/gdi/IntMath.h"
#include "platform/gdi/SpanPaint.h"

namespace gdi::detail {

// What a pen covers: `ink` takes the pen colour; `gaps` are the spaces of a
// dashed one-pixel pen, painted in the brush colour when the brush is solid.
// Both are normalised and disjoint.
struct Stroke {
  SpanList ink;
  SpanList gaps;
};

// The width in pixels a pen draws with: 1 for one-pixel pens, else its width.
int penPixelWidth(const Pen& pen);

// The on/off pixel pattern of a dashed one-pixel pen, or empty for a solid one.
std::span<const bool> dashPattern(const Pen& pen);

// Visits the pixels of the one-pixel line from a to b, b left out, that lie in
// `clip`, in drawing order: fn(step, x, y) with step 0 at a. Ties between two
// pixels go to the larger coordinate whichever way the line is drawn, so a
// line and its reverse cover the same pixels apart from their end points.
// Only the clipped part is walked, so far-away end points cost nothing.
template <class Fn>
void walkThinLine(Point a, Point b, const Rect& clip, Fn&& fn);

// Pixels whose centres lie within width / 2 of the segment a-b: a line with
// round caps. Odd widths are centred on pixel centres, even widths on the
// grid points between pixels. Appends one span per row inside `clip`.
void addCapsule(SpanList& out, Point a, Point b, int width, const Rect& clip);

// The stroke of the path through `points` (closed: back to the first point)
// with `pen`, inside `clip`. `wantGaps` keeps the gaps of dashed pens.
Stroke strokePath(std::span<const Point> points, bool closed, const Pen& pen, bool wantGaps,
                  const Rect& clip);

// Splits a one-pixel closed outline (around the doubled centre cx2, cy2) into
// dashes, running round the figure from its right-hand side.
Stroke dashOutline(const SpanList& outline, std::int64_t cx2, std::int64_t cy2, const Pen& pen,
                   bool wantGaps);

// True when dash gaps are painted: the brush is solid (opaque background).
bool opaqueGaps(const Brush& brush);

// Paints a stroke: the ink with the pen, the gaps in the brush colour, both in
// the pen's raster operation.
void paintStroke(Bitmap& bitmap, const Stroke& stroke, const Pen& pen, const Brush& brush);

// --- implementation of the walker --------------------------------------------

template <class Fn>
void walkThinLine(Point a, Point b, const Rect& clip, Fn&& fn) {
  const std::int64_t ax = clampCoord(a.x), ay = clampCoord(a.y);
  const std::int64_t dx = clampCoord(b.x) - ax, dy = clampCoord(b.y) - ay;
  const std::int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
  const bool xMajor = adx >= ady;
  const std::int64_t n = xMajor ? adx : ady;  // steps; the end point is step n
  if (n == 0 || clip.isEmpty()) return;
  // Along the major axis the coordinate moves one per step; the minor one is
  // minor0 + floor((2 * i * dMinor + n) / (2 * n)), i.e. rounded with halves up.
  const std::int64_t major0 = xMajor ? ax : ay, minor0 = xMajor ? ay : ax;
  const std::int64_t sMajor = (xMajor ? dx : dy) < 0 ? -1 : 1;
  const std::int64_t dMinor = xMajor ? dy : dx;
  const std::int64_t majLo = xMajor ? clip.left : clip.top,
                     majHi = (xMajor ? clip.right : clip.bottom) - 1;
  const std::int64_t minLo = xMajor ? clip.top : clip.left,
                     minHi = (xMajor ? clip.bottom : clip.right) - 1;

  std::int64_t i0 = 0, i1 = n - 1;
  if (sMajor > 0) {
    i0 = std::max(i0, majLo - major0);
    i1 = std::min(i1, majHi - major0);
  } else {
    i0 = std::max(i0, major0 - majHi);
    i1 = std::min(i1, major0 - majLo);
  }
  if (i0 > i1) return;
  auto minorAt = [&](std::int64_t i) { return minor0 + floorDiv(2 * i * dMinor + n, 2 * n); };
  // The minor coordinate is monotonic in i: find the steps inside the clip.
  auto firstWhere = [&](std::int64_t lo, std::int64_t hi, auto pred) {
    while (lo < hi) {
      const std::int64_t mid = lo + (hi - lo) / 2;
      if (pred(mid))
        hi = mid;
      else
        lo = mid + 1;
    }
    return lo;
  };
  if (dMinor >= 0) {
    i0 = firstWhere(i0, i1 + 1, [&](std::int64_t i) { return minorAt(i) >= minLo; });
    i1 = firstWhere(i0, i1 + 1, [&](std::int64_t i) { return minorAt(i) > minHi; }) - 1;
  } else {
    i0 = firstWhere(i0, i1 + 1, [&](std::int64_t i) { return minorAt(i) <= minHi; });
    i1 = firstWhere(i0, i1 + 1, [&](std::int64_t i) { return minorAt(i) < minLo; }) - 1;
  }
  if (i0 > i1) return;

  // Incremental walk from i0: num = 2 * i * dMinor + n = q * 2n + rem.
  const std::int64_t twoN = 2 * n, step = 2 * dMinor;
  std::int64_t num = 2 * i0 * dMinor + n;
  std::int64_t q = floorDiv(num, twoN);
  std::int64_t rem = num - q * twoN;
  std::int64_t minor = minor0 + q;
  std::int64_t major = major0 + sMajor * i0;
  for (std::int64_t i = i0; i <= i1; ++i) {
    if (xMajor)
      fn(i, int(major), int(minor));
    else
      fn(i, int(minor), int(major));
    major += sMajor;
    rem += step;
    if (rem >= twoN) {
      rem -= twoN;
      ++minor;
    } else if (rem < 0) {
      rem += twoN;
      --minor;
    }
  }
}

}  // namespace gdi::detail
