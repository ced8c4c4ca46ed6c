#include "clips/engine/ClipSize.h"

#include <algorithm>

#include "platform/gdi/Blit.h"

namespace clips {

gdi::Size correctedTargetSize(gdi::Size clip, SizeDeltas& d) {
  if (clip.cx + d.size < kMinClipSide) d.size = kMinClipSide - clip.cx;
  if (clip.cy + d.size < kMinClipSide) d.size = kMinClipSide - clip.cy;
  const int w = clip.cx + d.size, h = clip.cy + d.size;
  if (w + d.width < kMinClipSide) d.width = kMinClipSide - w;
  if (h + d.height < kMinClipSide) d.height = kMinClipSide - h;
  return {w + d.width, h + d.height};
}

void shrinkByQuarter(gdi::Size clip, SizeDeltas& d) {
  d.width -= clip.cx / 4;
  d.height -= clip.cy / 4;
}

void growByQuarter(gdi::Size clip, SizeDeltas& d) {
  d.width += clip.cx / 4;
  d.height += clip.cy / 4;
}

gdi::StretchMode clipStretchMode(gdi::Size target, gdi::Size source) {
  return target.cx < source.cx || target.cy < source.cy ? gdi::StretchMode::ColorOnColor
                                                        : gdi::StretchMode::BlackOnWhite;
}

gdi::Bitmap sizedClip(const gdi::Bitmap& clip, gdi::Size target) {
  gdi::Bitmap out(std::max(target.cx, 0), std::max(target.cy, 0));
  if (clip.hasPalette()) {
    out.setPixelFormat(clip.pixelFormat());
    out.setPalette(clip.palette());
  }
  gdi::stretchBlt(out, 0, 0, target.cx, target.cy, clip, 0, 0, clip.width(), clip.height(),
                  gdi::SRCAND, clipStretchMode(target, {clip.width(), clip.height()}),
                  gdi::Brush());
  return out;
}

}  // namespace clips
