#include "clips/engine/MirrorClip.h"

#include <algorithm>

namespace clips {

gdi::Bitmap mirrorClip(const gdi::Bitmap& clip, const ProgressStep& step) {
  gdi::Bitmap out = clip;
  RowProgress progress(clip.height(), step);
  for (int y = 0; y < clip.height(); ++y) {
    progress.row(y);
    std::reverse(out.row(y), out.row(y) + out.width());
  }
  out.markAllDirty();
  return out;
}

}  // namespace clips
