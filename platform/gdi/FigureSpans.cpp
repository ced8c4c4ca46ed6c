#include "platform/gdi/FigureSpans.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <tuple>

#include "platform/gdi/IntMath.h"

namespace gdi::detail {

std::int64_t RoundedBox::reach(std::int64_t dy) const {
  if (ha < 0 || hb < 0 || dy > hb) return -1;
  std::int64_t m = ha;
  const std::int64_t straight = hb - ry;
  if (dy > straight && rx > 0) {
    // In a corner: the largest u >= 0 with (u / rx)^2 + (ey / ry)^2 <= 1,
    // i.e. (u ry)^2 <= rx^2 (ry^2 - ey^2), found exactly.
    const std::int64_t ey = dy - straight;  // 1..ry
    const auto n = std::uint64_t((ry - ey) * (ry + ey));
    const auto rx2 = std::uint64_t(rx * rx);
    auto fits = [&](std::int64_t u) {
      const auto v = std::uint64_t(u * ry);
      return mulWide(v, v) <= mulWide(rx2, n);
    };
    auto u = std::int64_t(double(rx) * std::sqrt(double(n)) / double(ry));
    u = std::clamp<std::int64_t>(u, 0, rx);
    while (u > 0 && !fits(u)) --u;
    while (u < rx && fits(u + 1)) ++u;
    m = ha - rx + u;
  }
  if (keepsMiddle) m = std::max<std::int64_t>(m, cx & 1);
  return m;
}

std::pair<std::int64_t, std::int64_t> RoundedBox::row(std::int64_t y) const {
  const std::int64_t dy = 2 * y - cy;
  const std::int64_t m = reach(dy < 0 ? -dy : dy);
  if (m < 0) return {1, 0};
  return {ceilDiv(cx - m, 2), floorDiv(cx + m, 2)};
}

namespace {

void addClipped(SpanList& out, std::int64_t y, std::int64_t x1, std::int64_t x2, const Rect& clip) {
  x1 = std::max<std::int64_t>(x1, clip.left);
  x2 = std::min<std::int64_t>(x2, clip.right - 1);
  if (x1 <= x2) out.add(int(y), int(x1), int(x2 + 1));
}

}  // namespace

FigureCoverage figureCoverage(const Rect& box, FigureKind kind, int cornerWidth, int cornerHeight,
                              int penWidth, bool insideFrame, const Rect& clip) {
  FigureCoverage cov;
  const std::int64_t l = clampCoord(box.left), r = clampCoord(box.right);
  const std::int64_t t = clampCoord(box.top), b = clampCoord(box.bottom);
  if (r <= l || b <= t || clip.isEmpty()) return cov;

  // The centre line of the pen: half extents (w - 1) / 2 and (h - 1) / 2
  // about the box centre, in doubled units.
  const std::int64_t p = std::clamp(penWidth, 1, kMaxPenWidth);
  const std::int64_t cx = l + r - 1, cy = t + b - 1;
  std::int64_t ha = r - l - 1, hb = b - t - 1;
  std::int64_t rx = 0, ry = 0;
  if (kind == FigureKind::RoundRect) {
    rx = std::abs(std::int64_t(cornerWidth));
    ry = std::abs(std::int64_t(cornerHeight));
  }
  if (insideFrame && p > 1) {
    // Shrink so that the outer edge of the pen is the box's own edge.
    ha -= p - 1;
    hb -= p - 1;
    rx = std::max<std::int64_t>(rx - (p - 1), 0);
    ry = std::max<std::int64_t>(ry - (p - 1), 0);
  } else if (p % 2 == 0) {
    // Even pens run along the box's edge, as even lines run along grid
    // lines: no pixel centre then lies exactly on an edge of the pen, which
    // would give one-pixel nubs in the middle of curved sides.
    ++ha;
    ++hb;
  }
  if (kind == FigureKind::Ellipse) {
    rx = ha;
    ry = hb;
  }
  rx = std::clamp<std::int64_t>(rx, 0, std::max<std::int64_t>(ha, 0));
  ry = std::clamp<std::int64_t>(ry, 0, std::max<std::int64_t>(hb, 0));

  // The pen covers the centre line inflated by half its width minus the
  // centre line deflated by it; the brush fills the deflated figure.
  RoundedBox outer{cx, cy, ha + p, hb + p, 0, 0, true};
  outer.rx = std::min(rx + p, outer.ha);
  outer.ry = std::min(ry + p, outer.hb);
  RoundedBox inner{cx, cy, ha - p, hb - p, 0, 0, false};
  inner.rx = std::clamp<std::int64_t>(rx - p, 0, std::max<std::int64_t>(inner.ha, 0));
  inner.ry = std::clamp<std::int64_t>(ry - p, 0, std::max<std::int64_t>(inner.hb, 0));

  cov.cx2 = cx;
  cov.cy2 = cy;
  const std::int64_t yFirst = std::max<std::int64_t>(clip.top, ceilDiv(cy - outer.hb, 2));
  const std::int64_t yLast = std::min<std::int64_t>(clip.bottom - 1, floorDiv(cy + outer.hb, 2));
  for (std::int64_t y = yFirst; y <= yLast; ++y) {
    const auto [lo, ro] = outer.row(y);
    if (lo > ro) continue;
    // The interior never reaches past the outer figure's erosion (pixels
    // whose 4-neighbours are all in it), so it is always walled in by the pen
    // and a later flood fill cannot leak out of it. For one-pixel pens this
    // erosion is the interior itself, which makes the outline 8-connected
    // and one pixel thin.
    std::int64_t li = 1, ri = 0;
    const auto [la, ra] = outer.row(y - 1);
    const auto [lb, rb] = outer.row(y + 1);
    if (la <= ra && lb <= rb) {
      li = std::max({lo + 1, la, lb});
      ri = std::min({ro - 1, ra, rb});
    }
    if (p > 1) {
      const auto [lq, rq] = inner.row(y);
      li = std::max(li, lq);
      ri = std::min(ri, rq);
    }
    if (li > ri) {
      addClipped(cov.outline, y, lo, ro, clip);
    } else {
      addClipped(cov.outline, y, lo, li - 1, clip);
      addClipped(cov.interior, y, li, ri, clip);
      addClipped(cov.outline, y, ri + 1, ro, clip);
    }
  }
  cov.outline.markNormalized();
  cov.interior.markNormalized();
  return cov;
}

}  // namespace gdi::detail
