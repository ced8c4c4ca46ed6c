#include "platform/gdi/Canvas.h"

#include <cmath>

namespace gdi {

void Brush::setColor(TColor c) {
  color_ = c;
  if (style_ == BrushStyle::Clear) style_ = BrushStyle::Solid;
}

void Brush::setStyle(BrushStyle s) {
  style_ = s;
  pattern_.reset();
}

void Brush::setBitmap(const Bitmap& pattern) {
  pattern_ = pattern.empty() ? nullptr : std::make_shared<const Bitmap>(pattern);
}

int Font::size() const {
  // Points from pixels at 96 dpi, rounded as MulDiv does.
  const int px = height < 0 ? -height : height;
  return (px * 72 + 48) / 96;
}

void Font::setSize(int points) { height = -((points * 96 + 36) / 72); }

void Canvas::setPixel(int x, int y, TColor c) { bitmap_->setPixel(x, y, colorToRGB(c)); }

}  // namespace gdi
