#include "controls/engine/LabelClip.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace controls {

// The written steps make a white copy of the label's background, then draw
// that copy transparently, keyed on its pixel (5, 5). That pixel is always
// white (background turned white, or the white extra column or row of a
// label too small to reach it), so a pixel is ink exactly when it is neither
// the background nor white, and the copy is never needed.
gdi::Bitmap labelClip(const gdi::Bitmap& labelImage) {
  if (labelImage.empty()) return {};
  const int w = labelImage.width();
  const int h = labelImage.height();
  const std::uint32_t background = std::uint32_t(labelImage.pixel(5, 5));  // -1: none
  const std::uint32_t white = std::uint32_t(gdi::clWhite);
  auto ink = [&](std::uint32_t p) { return p != background && p != white; };

  // The smallest ink row and the smallest ink column.
  int top = INT_MAX, left = INT_MAX;
  for (int y = 0; y < h; ++y) {
    const std::uint32_t* row = labelImage.row(y);
    for (int x = 0; x < std::min(left, w); ++x)
      if (ink(row[x])) {
        top = std::min(top, y);
        left = x;
        break;
      }
  }

  gdi::Bitmap clip(w + 1, h + 1);
  if (top == INT_MAX) return clip;
  const int dx = kLabelClipInkCorner.x - left;
  const int dy = kLabelClipInkCorner.y - top;
  // Source pixels that land inside the (w + 1) x (h + 1) picture.
  const int x0 = std::max(0, -dx), x1 = std::min(w, w + 1 - dx);
  const int y0 = std::max(0, -dy), y1 = std::min(h, h + 1 - dy);
  for (int y = y0; y < y1; ++y) {
    const std::uint32_t* src = labelImage.row(y);
    std::uint32_t* dst = clip.row(y + dy) + dx;
    for (int x = x0; x < x1; ++x)
      if (ink(src[x])) dst[x] = src[x];
  }
  return clip;
}

}  // namespace controls
