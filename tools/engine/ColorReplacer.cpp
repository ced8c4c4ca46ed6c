#include "tools/engine/ColorReplacer.h"

#include <cstdint>

namespace tools {

gdi::Rect replaceSquare(gdi::Bitmap& picture, int x, int y, int size, gdi::TColor from,
                        gdi::TColor to) {
  const gdi::Rect square =
      gdi::Rect{x + 1, y + 1, x + 1 + size, y + 1 + size}.intersected(picture.rect());
  if (square.isEmpty()) return {};
  // A stored pixel is a plain RGB value: a colour with flag bits never matches.
  const auto match = std::uint32_t(from);
  const auto paint = std::uint32_t(picture.snap(gdi::colorToRGB(to)));
  gdi::Rect changed;
  for (int row = square.top; row < square.bottom; ++row) {
    std::uint32_t* p = picture.row(row);
    for (int col = square.left; col < square.right; ++col) {
      if (p[col] != match) continue;
      p[col] = paint;
      changed = changed.united({col, row, col + 1, row + 1});
    }
  }
  picture.markDirty(changed);
  return square;
}

}  // namespace tools
