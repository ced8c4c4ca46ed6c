#include "clips/engine/Morph.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "clips/engine/ClipMask.h"
#include "platform/gdi/Blit.h"

namespace clips {
namespace {

// j * n / m for j = 1, 2, ... as quotient and remainder, one step at a time
// without dividing (the rows are long and a division per pixel shows).
class Ratio {
 public:
  Ratio(int n, int m) : m_(m), stepQ_(n / m), stepR_(n % m), q_(stepQ_), r_(stepR_) {}
  void next() {
    q_ += stepQ_;
    r_ += stepR_;
    if (r_ >= m_) {
      r_ -= m_;
      ++q_;
    }
  }
  int truncated() const { return q_; }
  // Rounded to the nearest integer, halves to even.
  int rounded() const { return q_ + int(2 * r_ > m_ || (2 * r_ == m_ && (q_ & 1))); }

 private:
  int m_, stepQ_, stepR_, q_, r_;
};

// One output row from the content colours and the shape row.
void pourRow(const std::vector<std::uint32_t>& colors, const std::uint32_t* shape, int width,
             std::uint32_t* out) {
  int first = 0;
  while (first < width && isClipWhite(shape[first])) ++first;
  if (first == width || colors.empty()) return;
  int last = width - 1;
  while (isClipWhite(shape[last])) --last;
  const int n = int(colors.size());
  const int m = int(std::count_if(shape + first, shape + last + 1,
                                  [](std::uint32_t p) { return !isClipWhite(p); }));
  if (n < m) {
    // Stretch: position k of the span (holes counted) takes colour
    // round(k / (m / n)) = round(k * n / m).
    Ratio k(n, m);
    for (int x = first; x <= last; ++x, k.next()) {
      if (isClipWhite(shape[x])) continue;
      const int i = std::max(k.rounded(), 1);
      if (i <= n) out[x] = colors[std::size_t(i - 1)];
    }
  } else {
    // Squeeze: the j-th shape pixel takes colour trunc(j * (n / m)); j
    // stops advancing once that reaches the last colour.
    Ratio j(n, m);
    for (int x = first; x <= last; ++x) {
      if (isClipWhite(shape[x])) continue;
      out[x] = colors[std::size_t(j.truncated() - 1)];
      if (j.truncated() < n) j.next();
    }
  }
}

}  // namespace

MorphResult morph(const gdi::Bitmap& content, gdi::Bitmap& target, const StoppableStep& step) {
  if (content.empty() || target.empty()) return MorphResult::NoPicture;
  const int w = target.width(), h = target.height();
  if (w > kMorphMaxWidth) return MorphResult::TooWide;

  gdi::Bitmap stretched(w, h);
  gdi::stretchBlt(stretched, 0, 0, w, h, content, 0, 0, content.width(), content.height(),
                  gdi::SRCCOPY, gdi::StretchMode::ColorOnColor, gdi::Brush());
  gdi::Bitmap result(w, h);
  std::vector<std::uint32_t> colors;
  colors.reserve(std::size_t(w));
  StoppableRows rows(h, step);
  for (int y = 0; y < h; ++y) {
    if (!rows.row(y)) return MorphResult::Stopped;
    const std::uint32_t* c = stretched.row(y);
    colors.clear();
    std::copy_if(c, c + w, std::back_inserter(colors),
                 [](std::uint32_t p) { return !isClipWhite(p); });
    pourRow(colors, target.row(y), w, result.row(y));
  }
  target = std::move(result);
  return MorphResult::Done;
}

}  // namespace clips
