#include "platform/gdi/Stroke.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace gdi::detail {

namespace {

// Pixel patterns of the dashed one-pixel pens: dash 18-6, dot 3-3,
// dash-dot 9-6-3-6, dash-dot-dot 9-3-3-3-3-3.
template <std::size_t N>
constexpr std::array<bool, N> makePattern(std::initializer_list<int> lengths) {
  std::array<bool, N> bits{};
  std::size_t i = 0;
  bool on = true;
  for (int len : lengths) {
    for (int k = 0; k < len; ++k) bits[i++] = on;
    on = !on;
  }
  return bits;
}
constexpr auto kDash = makePattern<24>({18, 6});
constexpr auto kDot = makePattern<6>({3, 3});
constexpr auto kDashDot = makePattern<24>({9, 6, 3, 6});
constexpr auto kDashDotDot = makePattern<24>({9, 3, 3, 3, 3, 3});

// Gathers pixels visited in drawing order into horizontal runs, split where
// the dash state changes.
class RunBuilder {
 public:
  RunBuilder(SpanList& on, SpanList* off) : on_(on), off_(off) {}
  ~RunBuilder() { flush(); }
  RunBuilder(const RunBuilder&) = delete;
  RunBuilder& operator=(const RunBuilder&) = delete;

  void add(int x, int y, bool ink) {
    if (open_ && y == y_ && ink == ink_) {
      if (x == x2_) {
        ++x2_;
        return;
      }
      if (x == x1_ - 1) {
        --x1_;
        return;
      }
    }
    flush();
    open_ = true;
    y_ = y;
    x1_ = x;
    x2_ = x + 1;
    ink_ = ink;
  }
  void flush() {
    if (!open_) return;
    if (ink_)
      on_.add(y_, x1_, x2_);
    else if (off_)
      off_->add(y_, x1_, x2_);
    open_ = false;
  }

 private:
  SpanList& on_;
  SpanList* off_;
  bool open_ = false;
  bool ink_ = true;
  int y_ = 0, x1_ = 0, x2_ = 0;
};

std::int64_t lineSteps(Point a, Point b) {
  const std::int64_t dx = clampCoord(b.x) - clampCoord(a.x);
  const std::int64_t dy = clampCoord(b.y) - clampCoord(a.y);
  return std::max(dx < 0 ? -dx : dx, dy < 0 ? -dy : dy);
}

}  // namespace

int penPixelWidth(const Pen& pen) { return pen.width <= 1 ? 1 : std::min(pen.width, kMaxPenWidth); }

std::span<const bool> dashPattern(const Pen& pen) {
  if (penPixelWidth(pen) > 1) return {};
  switch (pen.style) {
    case PenStyle::Dash:
      return kDash;
    case PenStyle::Dot:
      return kDot;
    case PenStyle::DashDot:
      return kDashDot;
    case PenStyle::DashDotDot:
      return kDashDotDot;
    default:
      return {};
  }
}

void addCapsule(SpanList& out, Point a, Point b, int width, const Rect& clip) {
  // Doubled coordinates: the centre of pixel (x, y) is (2x + 1, 2y + 1) and
  // the radius is the pen width.
  const std::int64_t r = std::clamp(width, 1, kMaxPenWidth), r2 = r * r;
  const std::int64_t off = r & 1;
  std::int64_t ax = 2 * clampCoord(a.x) + off, ay = 2 * clampCoord(a.y) + off;
  std::int64_t bx = 2 * clampCoord(b.x) + off, by = 2 * clampCoord(b.y) + off;
  if (ay > by) {
    std::swap(ax, bx);
    std::swap(ay, by);
  }
  const std::int64_t dx = bx - ax, dy = by - ay;  // dy >= 0
  const std::int64_t len2 = dx * dx + dy * dy;
  // Perpendicular distance |cross| / |d| <= r  <=>  |cross| <= floor(r |d|).
  const std::int64_t k =
      len2 ? std::int64_t(isqrtProduct(std::uint64_t(r2), std::uint64_t(len2))) : 0;

  const std::int64_t yFirst = std::max<std::int64_t>(clip.top, ceilDiv(ay - r - 1, 2));
  const std::int64_t yLast = std::min<std::int64_t>(clip.bottom - 1, floorDiv(by + r - 1, 2));
  for (std::int64_t y = yFirst; y <= yLast; ++y) {
    const std::int64_t Y = 2 * y + 1;
    std::int64_t lo = std::numeric_limits<std::int64_t>::max();
    std::int64_t hi = std::numeric_limits<std::int64_t>::min();
    // The caps: discs around both end points.
    for (auto [cx, cy] : {std::pair{ax, ay}, std::pair{bx, by}}) {
      const std::int64_t m = r2 - (Y - cy) * (Y - cy);
      if (m < 0) continue;
      const std::int64_t s = std::int64_t(isqrt(std::uint64_t(m)));
      lo = std::min(lo, cx - s);
      hi = std::max(hi, cx + s);
    }
    // The body: the band around the segment between the perpendiculars at
    // its ends, as bounds on X - ax.
    if (len2 > 0) {
      constexpr std::int64_t kFar = std::int64_t(1) << 62;
      std::int64_t bl = -kFar, bh = kFar;
      const std::int64_t t0 = (Y - ay) * dy;  // projection: 0 <= (X-ax)dx + t0 <= len2
      if (dx > 0) {
        bl = std::max(bl, ceilDiv(-t0, dx));
        bh = std::min(bh, floorDiv(len2 - t0, dx));
      } else if (dx < 0) {
        bl = std::max(bl, ceilDiv(len2 - t0, dx));
        bh = std::min(bh, floorDiv(-t0, dx));
      } else if (t0 < 0 || t0 > len2) {
        bh = bl - 1;
      }
      const std::int64_t e = (Y - ay) * dx;  // band: |(X-ax)dy - e| <= k
      if (dy > 0) {
        bl = std::max(bl, ceilDiv(e - k, dy));
        bh = std::min(bh, floorDiv(e + k, dy));
      } else if (e > k || e < -k) {
        bh = bl - 1;
      }
      if (bl <= bh) {
        lo = std::min(lo, ax + bl);
        hi = std::max(hi, ax + bh);
      }
    }
    if (lo > hi) continue;
    // The capsule is convex, so the covered centres X = 2x + 1 of the row
    // form the one range [lo, hi].
    const std::int64_t x1 = std::max<std::int64_t>(ceilDiv(lo - 1, 2), clip.left);
    const std::int64_t x2 = std::min<std::int64_t>(floorDiv(hi - 1, 2), clip.right - 1);
    if (x1 <= x2) out.add(int(y), int(x1), int(x2 + 1));
  }
}

Stroke strokePath(std::span<const Point> points, bool closed, const Pen& pen, bool wantGaps,
                  const Rect& clip) {
  Stroke stroke;
  if (pen.style == PenStyle::Clear || points.empty() || clip.isEmpty()) return stroke;
  const std::size_t n = points.size();
  const std::size_t segments = closed ? n : n - 1;
  auto segment = [&](std::size_t i) { return std::pair{points[i], points[(i + 1) % n]}; };

  const int width = penPixelWidth(pen);
  if (width > 1) {
    std::int64_t rows = 0;
    for (std::size_t i = 0; i < segments; ++i) {
      const auto [a, b] = segment(i);
      const std::int64_t dy = clampCoord(b.y) - clampCoord(a.y);
      rows += std::min<std::int64_t>((dy < 0 ? -dy : dy) + width + 1, clip.height());
    }
    stroke.ink.reserve(std::size_t(rows));
    for (std::size_t i = 0; i < segments; ++i) {
      const auto [a, b] = segment(i);
      addCapsule(stroke.ink, a, b, width, clip);
    }
    // A single capsule already has one span per row, top to bottom.
    if (segments == 1)
      stroke.ink.markNormalized();
    else
      stroke.ink.normalize();
    return stroke;
  }

  // At most one span per step, and no more steps than fit in the clip.
  std::int64_t estimate = 0;
  const std::int64_t clipSteps = std::int64_t(clip.width()) + clip.height();
  for (std::size_t i = 0; i < segments; ++i) {
    const auto [a, b] = segment(i);
    estimate += std::min(lineSteps(a, b), clipSteps) + 1;
  }
  const std::span<const bool> dashes = dashPattern(pen);
  stroke.ink.reserve(std::size_t(estimate));
  {
    RunBuilder runs(stroke.ink, wantGaps ? &stroke.gaps : nullptr);
    if (dashes.empty()) {
      for (std::size_t i = 0; i < segments; ++i) {
        const auto [a, b] = segment(i);
        walkThinLine(a, b, clip, [&](std::int64_t, int x, int y) { runs.add(x, y, true); });
      }
    } else {
      // The dash phase runs on along the whole path.
      const auto len = std::int64_t(dashes.size());
      std::int64_t phase = 0;
      for (std::size_t i = 0; i < segments; ++i) {
        const auto [a, b] = segment(i);
        walkThinLine(a, b, clip, [&](std::int64_t step, int x, int y) {
          runs.add(x, y, dashes[std::size_t((phase + step) % len)]);
        });
        phase = (phase + lineSteps(a, b)) % len;
      }
    }
  }
  // Joints and crossings are covered once; ink wins over gaps.
  stroke.ink.normalize();
  stroke.gaps.normalize();
  stroke.gaps.subtract(stroke.ink);
  return stroke;
}

Stroke dashOutline(const SpanList& outline, std::int64_t cx2, std::int64_t cy2, const Pen& pen,
                   bool wantGaps) {
  Stroke stroke;
  const std::span<const bool> dashes = dashPattern(pen);
  if (dashes.empty()) {
    stroke.ink = outline;
    return stroke;
  }
  // Order the outline pixels by their angle about the centre, which for the
  // convex figures drawn here is their order along the outline.
  struct Px {
    double angle;
    std::int64_t d2;
    int x, y;
  };
  std::vector<Px> pixels;
  pixels.reserve(std::size_t(outline.pixelCount()));
  for (const Span& s : outline.spans())
    for (int x = s.x1; x < s.x2; ++x) {
      const std::int64_t ex = 2 * std::int64_t(x) - cx2, ey = 2 * std::int64_t(s.y) - cy2;
      pixels.push_back({std::atan2(double(ey), double(ex)), ex * ex + ey * ey, x, s.y});
    }
  std::sort(pixels.begin(), pixels.end(), [](const Px& p, const Px& q) {
    if (p.angle != q.angle) return p.angle < q.angle;
    if (p.d2 != q.d2) return p.d2 < q.d2;
    return p.y != q.y ? p.y < q.y : p.x < q.x;
  });
  // Start on the right-hand side, then round through increasing angles.
  const auto start = std::lower_bound(pixels.begin(), pixels.end(), 0.0,
                                      [](const Px& p, double a) { return p.angle < a; });
  std::rotate(pixels.begin(), start, pixels.end());
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const Px& p = pixels[i];
    if (dashes[i % dashes.size()])
      stroke.ink.add(p.y, p.x, p.x + 1);
    else if (wantGaps)
      stroke.gaps.add(p.y, p.x, p.x + 1);
  }
  stroke.ink.normalize();
  stroke.gaps.normalize();
  return stroke;
}

bool opaqueGaps(const Brush& brush) {
  return brush.bitmap() == nullptr && brush.style() == BrushStyle::Solid;
}

void paintStroke(Bitmap& bitmap, const Stroke& stroke, const Pen& pen, const Brush& brush) {
  if (pen.style == PenStyle::Clear) return;
  paintSpans(bitmap, stroke.ink, Ink::ofPen(pen));
  if (!stroke.gaps.empty() && opaqueGaps(brush))
    paintSpans(bitmap, stroke.gaps, Ink::solid(brush.color(), rop2Of(pen.mode)));
}

}  // namespace gdi::detail
