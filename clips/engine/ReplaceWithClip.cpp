#include "clips/engine/ReplaceWithClip.h"

#include <algorithm>

namespace clips {

gdi::Bitmap replaceColorWithClip(const gdi::Bitmap& picture, const gdi::Bitmap& clip,
                                 gdi::TColor color, const ProgressStep& step) {
  gdi::Bitmap work = picture;
  const int w = std::min(picture.width(), clip.width());
  const int h = std::min(picture.height(), clip.height());
  const std::uint32_t wanted = std::uint32_t(color);
  RowProgress progress(h, step);
  for (int y = 0; y < h; ++y) {
    progress.row(y);
    const std::uint32_t* in = picture.row(y);
    const std::uint32_t* from = clip.row(y);
    std::uint32_t* out = work.row(y);
    bool changed = false;
    for (int x = 0; x < w; ++x) {
      if (in[x] == wanted) {
        out[x] = from[x];
        changed = true;
      }
    }
    if (changed) work.snapSpan(out, w);
  }
  work.markAllDirty();
  return work;
}

}  // namespace clips
