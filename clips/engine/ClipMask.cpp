#include "clips/engine/ClipMask.h"

namespace clips {

gdi::Bitmap makeMask(const gdi::Bitmap& clip, const ProgressStep& step) {
  gdi::Bitmap mask(clip.width(), clip.height());
  RowProgress progress(clip.height(), step);
  for (int y = 0; y < clip.height(); ++y) {
    progress.row(y);
    const std::uint32_t* in = clip.row(y);
    std::uint32_t* out = mask.row(y);
    for (int x = 0; x < clip.width(); ++x) out[x] = isClipWhite(in[x]) ? 0xFFFFFFu : 0u;
  }
  return mask;
}

}  // namespace clips
