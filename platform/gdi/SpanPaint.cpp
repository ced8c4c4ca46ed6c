#include "platform/gdi/SpanPaint.h"

#include <algorithm>
#include <limits>

namespace gdi {

void SpanList::normalize() {
  if (normalized_ || spans_.empty()) {
    normalized_ = true;
    return;
  }
  // Spans are sorted by counting: by row alone when rows hold few spans
  // (figures), or by column and then, stably, by row when many spans share
  // rows (strokes crossing themselves, flood fills), which avoids sorting
  // within rows. Coordinates spread too far for counting fall back to a sort.
  int ymin = std::numeric_limits<int>::max(), ymax = std::numeric_limits<int>::min();
  int xmin = std::numeric_limits<int>::max(), xmax = std::numeric_limits<int>::min();
  for (const Span& s : spans_) {
    ymin = std::min(ymin, s.y);
    ymax = std::max(ymax, s.y);
    xmin = std::min(xmin, s.x1);
    xmax = std::max(xmax, s.x1);
  }
  const std::int64_t limit = std::int64_t(spans_.size()) * 4 + 1024;
  const std::int64_t rows = std::int64_t(ymax) - ymin + 1;
  const std::int64_t cols = std::int64_t(xmax) - xmin + 1;
  std::vector<Span> sorted(spans_.size());
  // Stable counting sort of `from` into `to` by key(s) in [0, range).
  auto countingSort = [](const std::vector<Span>& from, std::vector<Span>& to, std::size_t range,
                         auto key) {
    std::vector<std::uint32_t> next(range + 1, 0);
    for (const Span& s : from) ++next[key(s) + 1];
    for (std::size_t i = 1; i < next.size(); ++i) next[i] += next[i - 1];
    for (const Span& s : from) to[next[key(s)]++] = s;
  };
  auto byRow = [ymin](const Span& s) { return std::size_t(std::int64_t(s.y) - ymin); };
  auto byCol = [xmin](const Span& s) { return std::size_t(std::int64_t(s.x1) - xmin); };
  if (rows <= limit && cols <= limit && spans_.size() > 4 * std::size_t(rows)) {
    countingSort(spans_, sorted, std::size_t(cols), byCol);
    countingSort(sorted, spans_, std::size_t(rows), byRow);
    std::swap(sorted, spans_);
  } else if (rows <= limit) {
    countingSort(spans_, sorted, std::size_t(rows), byRow);
    for (std::size_t b = 0; b < sorted.size();) {
      std::size_t e = b + 1;
      while (e < sorted.size() && sorted[e].y == sorted[b].y) ++e;
      if (e - b > 1)
        std::sort(sorted.begin() + std::ptrdiff_t(b), sorted.begin() + std::ptrdiff_t(e),
                  [](const Span& a, const Span& c) { return a.x1 < c.x1; });
      b = e;
    }
  } else {
    sorted = spans_;
    std::sort(sorted.begin(), sorted.end(),
              [](const Span& a, const Span& c) { return a.y != c.y ? a.y < c.y : a.x1 < c.x1; });
  }
  // Merge overlapping and touching spans of the same row.
  std::size_t out = 0;
  for (std::size_t i = 0; i < sorted.size(); ++i) {
    const Span& s = sorted[i];
    if (out > 0 && sorted[out - 1].y == s.y && s.x1 <= sorted[out - 1].x2) {
      sorted[out - 1].x2 = std::max(sorted[out - 1].x2, s.x2);
    } else {
      sorted[out++] = s;
    }
  }
  sorted.resize(out);
  spans_ = std::move(sorted);
  normalized_ = true;
}

void SpanList::subtract(const SpanList& other) {
  if (other.empty() || spans_.empty()) return;
  normalize();
  std::vector<Span> result;
  result.reserve(spans_.size());
  const auto& cut = other.spans();
  std::size_t j = 0;
  for (const Span& s : spans_) {
    while (j < cut.size() && (cut[j].y < s.y || (cut[j].y == s.y && cut[j].x2 <= s.x1))) ++j;
    int x = s.x1;
    std::size_t k = j;
    while (k < cut.size() && cut[k].y == s.y && cut[k].x1 < s.x2) {
      if (cut[k].x1 > x) result.push_back({s.y, x, cut[k].x1});
      x = std::max(x, cut[k].x2);
      ++k;
    }
    if (x < s.x2) result.push_back({s.y, x, s.x2});
  }
  spans_ = std::move(result);
}

void SpanList::clip(const Rect& c) {
  std::size_t out = 0;
  for (const Span& s : spans_) {
    if (s.y < c.top || s.y >= c.bottom) continue;
    const int x1 = std::max(s.x1, c.left), x2 = std::min(s.x2, c.right);
    if (x1 < x2) spans_[out++] = {s.y, x1, x2};
  }
  spans_.resize(out);
}

Rect SpanList::bounds() const {
  Rect r;
  for (const Span& s : spans_) r = r.united({s.x1, s.y, s.x2, s.y + 1});
  return r;
}

std::int64_t SpanList::pixelCount() const {
  std::int64_t n = 0;
  for (const Span& s : spans_) n += s.x2 - s.x1;
  return n;
}

Ink Ink::solid(TColor c, int rop2) {
  Ink ink;
  ink.kind = Kind::Solid;
  ink.rop2 = rop2;
  ink.color = std::uint32_t(colorToRGB(c));
  return ink;
}

Ink Ink::ofPen(const Pen& pen) {
  if (pen.style == PenStyle::Clear) return none();
  return solid(pen.color, rop2Of(pen.mode));
}

Ink Ink::ofBrush(const Brush& brush, int rop2) {
  if (brush.bitmap() && !brush.bitmap()->empty()) {
    Ink ink;
    ink.kind = Kind::Pattern;
    ink.rop2 = rop2;
    ink.pattern = brush.bitmap();
    return ink;
  }
  switch (brush.style()) {
    case BrushStyle::Solid:
      return solid(brush.color(), rop2);
    case BrushStyle::Clear:
      return none();
    default: {
      Ink ink = solid(brush.color(), rop2);
      ink.kind = Kind::Hatch;
      ink.hatch = brush.style();
      return ink;
    }
  }
}

namespace {

// The row byte of an 8 x 8 hatch cell; bit 7 is the cell's leftmost pixel.
std::uint8_t hatchRow(BrushStyle style, int y) {
  static constexpr std::uint8_t kHatches[6][8] = {
      {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xff, 0x00},  // horizontal
      {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08},  // vertical
      {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},  // forward diagonal
      {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},  // backward diagonal
      {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0xff, 0x08},  // cross
      {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},  // diagonal cross
  };
  const int i = int(style) - int(BrushStyle::Horizontal);
  if (i < 0 || i > 5) return 0;
  return kHatches[i][y & 7];
}

}  // namespace

bool hatchBit(BrushStyle style, int x, int y) { return (hatchRow(style, y) >> (7 - (x & 7))) & 1; }

namespace {

// D' = (D & a) ^ x over a run, with the common cases spelled out so they
// compile to fills and simple vector loops.
void applyMasks(std::uint32_t* p, int n, Rop2Masks m) {
  if (m.andMask == 0) {
    std::fill_n(p, n, m.xorMask);
  } else if (m.andMask == 0xFFFFFFu) {
    if (m.xorMask == 0) return;
    for (int i = 0; i < n; ++i) p[i] ^= m.xorMask;
  } else {
    for (int i = 0; i < n; ++i) p[i] = (p[i] & m.andMask) ^ m.xorMask;
  }
}

void paintRun(Bitmap& bitmap, int y, int x1, int x2, const Ink& ink) {
  std::uint32_t* row = bitmap.row(y);
  std::uint32_t* p = row + x1;
  const int n = x2 - x1;
  switch (ink.kind) {
    case Ink::Kind::None:
      return;
    case Ink::Kind::Solid:
      applyMasks(p, n, rop2Masks(ink.rop2, ink.color));
      break;
    case Ink::Kind::Hatch: {
      const Rop2Masks m = rop2Masks(ink.rop2, ink.color);
      const unsigned bits = hatchRow(ink.hatch, y);
      if (bits == 0xFF) {
        applyMasks(p, n, m);
        break;
      }
      // Visit only the hatch's columns: every eighth pixel from each set bit.
      for (int k = 0; k < 8; ++k) {
        if (!((bits >> (7 - k)) & 1)) continue;
        for (int x = x1 + ((k - x1) & 7); x < x2; x += 8) row[x] = (row[x] & m.andMask) ^ m.xorMask;
      }
      break;
    }
    case Ink::Kind::Pattern: {
      const Bitmap& pat = *ink.pattern;
      const std::uint32_t* prow = pat.row(((y % pat.height()) + pat.height()) % pat.height());
      const int pw = pat.width();
      int px = ((x1 % pw) + pw) % pw;
      if (ink.rop2 == R2_COPYPEN) {
        for (int x = x1; x < x2; ++x) {
          row[x] = prow[px] & 0xFFFFFFu;
          if (++px == pw) px = 0;
        }
      } else {
        for (int x = x1; x < x2; ++x) {
          row[x] = applyRop2(ink.rop2, prow[px], row[x]);
          if (++px == pw) px = 0;
        }
      }
      break;
    }
  }
  bitmap.snapSpan(p, n);
}

}  // namespace

void paintSpan(Bitmap& bitmap, int y, int x1, int x2, const Ink& ink) {
  if (ink.kind == Ink::Kind::None || y < 0 || y >= bitmap.height()) return;
  x1 = std::max(x1, 0);
  x2 = std::min(x2, bitmap.width());
  if (x1 >= x2) return;
  paintRun(bitmap, y, x1, x2, ink);
  bitmap.markDirty({x1, y, x2, y + 1});
}

namespace {

inline void prefetchForWrite(const void* p) {
#if defined(__GNUC__) || defined(__clang__)
  __builtin_prefetch(p, 1);
#else
  (void)p;
#endif
}

}  // namespace

void paintSpans(Bitmap& bitmap, const SpanList& spans, const Ink& ink) {
  if (ink.kind == Ink::Kind::None || spans.empty() || bitmap.empty()) return;
  const int w = bitmap.width(), h = bitmap.height();
  Rect touched;
  const std::vector<Span>& list = spans.spans();
  constexpr std::size_t kAhead = 16;
  for (std::size_t i = 0; i < list.size(); ++i) {
    const Span& s = list[i];
    if (i + kAhead < list.size()) {
      const Span& n = list[i + kAhead];
      // Spans of thin strokes are scattered over the rows: fetching ahead
      // keeps several cache misses in flight.
      if (n.y >= 0 && n.y < h && n.x1 >= 0 && n.x1 < w) prefetchForWrite(bitmap.row(n.y) + n.x1);
    }
    if (s.y < 0 || s.y >= h) continue;
    const int x1 = std::max(s.x1, 0), x2 = std::min(s.x2, w);
    if (x1 >= x2) continue;
    paintRun(bitmap, s.y, x1, x2, ink);
    touched = touched.united({x1, s.y, x2, s.y + 1});
  }
  bitmap.markDirty(touched);
}

}  // namespace gdi
