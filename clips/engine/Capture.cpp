#include "clips/engine/Capture.h"

#include <algorithm>

namespace clips {

gdi::Bitmap copyRegion(const gdi::Bitmap& src, const gdi::Rect& area) {
  const gdi::Rect r = area.intersected(src.rect());
  gdi::Bitmap out(r.width(), r.height());
  for (int y = 0; y < r.height(); ++y) {
    const std::uint32_t* from = src.row(r.top + y) + r.left;
    std::copy(from, from + r.width(), out.row(y));
  }
  out.takeDirty();
  return out;
}

void takePictureFormat(gdi::Bitmap& clip, const gdi::Bitmap& picture) {
  if (picture.hasPalette()) clip.setPalette(picture.palette());
  clip.takeDirty();
}

}  // namespace clips
