#include "platform/gdi/BlitPattern.h"

#include <algorithm>

#include "platform/gdi/SpanPaint.h"

namespace gdi {

BlitPattern::BlitPattern(const Brush& brush) {
  color_ = std::uint32_t(colorToRGB(brush.color())) & 0xFFFFFFu;
  if (brush.bitmap() && !brush.bitmap()->empty()) {
    kind_ = Kind::Bitmap;
    bitmap_ = brush.bitmap();
    return;
  }
  switch (brush.style()) {
    case BrushStyle::Solid:
      kind_ = Kind::Solid;
      break;
    case BrushStyle::Clear:
      kind_ = Kind::Clear;
      break;
    default:
      kind_ = Kind::Hatch;
      hatch_ = brush.style();
      break;
  }
}

void BlitPattern::fillRow(std::uint32_t* out, int x, int y, int n) const {
  if (n <= 0) return;
  auto wrap = [](int v, int m) { return ((v % m) + m) % m; };
  switch (kind_) {
    case Kind::Clear:
    case Kind::Solid:
      std::fill_n(out, n, color_);
      return;
    case Kind::Hatch: {
      // One 8-pixel period of the row, then tiled.
      std::uint32_t cell[8];
      for (int i = 0; i < 8; ++i) cell[i] = hatchBit(hatch_, i, y) ? color_ : 0xFFFFFFu;
      int px = wrap(x, 8);
      for (int i = 0; i < n; ++i) {
        out[i] = cell[px];
        px = (px + 1) & 7;
      }
      return;
    }
    case Kind::Bitmap: {
      const int pw = bitmap_->width();
      const std::uint32_t* row = bitmap_->row(wrap(y, bitmap_->height()));
      int px = wrap(x, pw);
      int i = 0;
      while (i < n) {
        const int run = std::min(n - i, pw - px);
        for (int k = 0; k < run; ++k) out[i + k] = row[px + k] & 0xFFFFFFu;
        i += run;
        px = 0;
      }
      return;
    }
  }
}

}  // namespace gdi
