// Flood fill: the area is found first, as spans, and then painted once with
// the brush, so the fill colour may equal the area's colour and any raster
// operation or brush works.
#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

#include "platform/gdi/Canvas.h"
#include "platform/gdi/SpanPaint.h"

namespace gdi {

namespace {

// One bit per pixel: set for pixels already taken into a span. Spans are
// always whole runs of fillable pixels, so a run is either all set or all clear.
class VisitedBits {
 public:
  VisitedBits(int width, int height)
      : stride_((std::size_t(width) + 63) / 64), bits_(stride_ * std::size_t(height), 0) {}

  bool test(int x, int y) const { return (word(x, y) >> (x & 63)) & 1u; }

  void set(int y, int x1, int x2) {
    std::uint64_t* w = &bits_[std::size_t(y) * stride_];
    for (int x = x1; x < x2;) {
      const int bit = x & 63;
      const int n = std::min(64 - bit, x2 - x);
      const std::uint64_t mask = (n == 64 ? ~std::uint64_t(0) : ((std::uint64_t(1) << n) - 1))
                                 << bit;
      w[x >> 6] |= mask;
      x += n;
    }
  }

  // First x >= from whose bit is clear, or `end`.
  int nextClear(int y, int from, int end) const {
    const std::uint64_t* w = &bits_[std::size_t(y) * stride_];
    int x = from;
    while (x < end) {
      const std::uint64_t clear = ~w[x >> 6] >> (x & 63);
      if (clear) return std::min(end, x + std::countr_zero(clear));
      x = (x | 63) + 1;
    }
    return end;
  }

 private:
  std::uint64_t word(int x, int y) const { return bits_[std::size_t(y) * stride_ + (x >> 6)]; }
  std::size_t stride_;
  std::vector<std::uint64_t> bits_;
};

// Surface mode fills pixels equal to the colour, border mode pixels unlike it.
template <bool Surface>
struct Fillable {
  std::uint32_t color;
  bool operator()(std::uint32_t p) const { return Surface ? p == color : p != color; }
  // True when all eight pixels at p are fillable (a fast test for long runs).
  bool all8(const std::uint32_t* p) const {
    if constexpr (Surface) {
      return ((p[0] ^ color) | (p[1] ^ color) | (p[2] ^ color) | (p[3] ^ color) | (p[4] ^ color) |
              (p[5] ^ color) | (p[6] ^ color) | (p[7] ^ color)) == 0;
    } else {
      return (p[0] != color) & (p[1] != color) & (p[2] != color) & (p[3] != color) &
             (p[4] != color) & (p[5] != color) & (p[6] != color) & (p[7] != color);
    }
  }
};

// First x in [from, end) that is not fillable, or `end`.
template <class F>
int runEnd(const std::uint32_t* row, int from, int end, const F& fillable) {
  int x = from;
  while (x + 8 <= end && fillable.all8(row + x)) x += 8;
  while (x < end && fillable(row[x])) ++x;
  return x;
}

// Smallest s <= from with [s, from] fillable, given row[from] is.
template <class F>
int runStart(const std::uint32_t* row, int from, const F& fillable) {
  int x = from;
  while (x >= 8 && fillable.all8(row + x - 8)) x -= 8;
  while (x > 0 && fillable(row[x - 1])) --x;
  return x;
}

template <bool Surface>
SpanList floodSpans(const Bitmap& bitmap, int x0, int y0, std::uint32_t color) {
  const Fillable<Surface> fillable{color};
  SpanList spans;
  const int w = bitmap.width(), h = bitmap.height();
  if (!fillable(bitmap.row(y0)[x0])) return spans;
  VisitedBits visited(w, h);
  // Seeds are fillable pixels whose run has not been taken yet (or has been
  // taken since it was pushed); an explicit stack, so no depth limit.
  std::vector<Point> seeds{{x0, y0}};
  while (!seeds.empty()) {
    const Point s = seeds.back();
    seeds.pop_back();
    if (visited.test(s.x, s.y)) continue;
    const std::uint32_t* row = bitmap.row(s.y);
    const int x1 = runStart(row, s.x, fillable);
    const int x2 = runEnd(row, s.x + 1, w, fillable);
    visited.set(s.y, x1, x2);
    spans.add(s.y, x1, x2);
    for (const int ny : {s.y - 1, s.y + 1}) {
      if (ny < 0 || ny >= h) continue;
      const std::uint32_t* next = bitmap.row(ny);
      int x = x1;
      while (x < x2) {
        if (!fillable(next[x])) {
          ++x;
        } else if (visited.test(x, ny)) {
          x = visited.nextClear(ny, x, x2);  // skips the taken run
        } else {
          seeds.push_back({x, ny});
          x = runEnd(next, x + 1, x2, fillable);
        }
      }
    }
  }
  return spans;
}

}  // namespace

void Canvas::floodFill(int x, int y, TColor color, FillStyle style) {
  Bitmap& bitmap = *bitmap_;
  if (!bitmap.rect().contains(x, y)) return;
  const Ink ink = Ink::ofBrush(brush, rop2Of(pen.mode));
  if (ink.kind == Ink::Kind::None) return;
  // A palette bitmap holds palette colours only: compare with the entry the
  // colour would be stored as.
  const auto target = std::uint32_t(bitmap.snap(colorToRGB(color)));
  const SpanList spans = style == FillStyle::Surface ? floodSpans<true>(bitmap, x, y, target)
                                                     : floodSpans<false>(bitmap, x, y, target);
  paintSpans(bitmap, spans, ink);
}

}  // namespace gdi
