#include "clips/engine/ClipColorReplace.h"

#include <algorithm>
#include <cstdint>

#include "platform/gdi/Blit.h"

namespace clips {

ClipReplace replaceClipColor(gdi::Bitmap& clip, gdi::TColor from, gdi::TColor to) {
  if (gdi::colorToRGB(from) == gdi::clWhite) return ClipReplace::RefusedWhite;
  // A value with flags in its high byte matches no pixel: nothing changes.
  const auto match = std::uint32_t(from);
  const auto with = std::uint32_t(clip.snap(gdi::colorToRGB(to)));
  for (int y = 0; y < clip.height(); ++y)
    std::replace(clip.row(y), clip.row(y) + clip.width(), match, with);
  clip.markAllDirty();
  return ClipReplace::Done;
}

void drawClipOver(gdi::Bitmap& picture, const gdi::Bitmap& clip, gdi::Point at) {
  if (clip.empty()) return;
  gdi::transparentBlt(picture, at.x, at.y, clip.width(), clip.height(), clip, 0, 0, clip.width(),
                      clip.height(), gdi::clWhite);
}

}  // namespace clips
