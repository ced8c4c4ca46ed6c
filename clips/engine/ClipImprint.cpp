#include "clips/engine/ClipImprint.h"

#include "clips/engine/AreaUndo.h"
#include "clips/engine/ClipMask.h"
#include "platform/gdi/Blit.h"

namespace clips {
namespace {

gdi::Rect clipRect(const gdi::Bitmap& clip, gdi::Point at) {
  return gdi::Rect::fromSize(at.x, at.y, clip.width(), clip.height());
}

// The imprint without its own undo: false when stopped part way.
bool imprintRows(gdi::Bitmap& picture, const gdi::Bitmap& clip, gdi::Point at, int shift,
                 Tone tone, const StoppableStep& step) {
  const gdi::Rect area = clipRect(clip, at).intersected(picture.rect());
  StoppableRows rows(clip.height(), step);
  for (int y = 0; y < clip.height(); ++y) {
    if (!rows.row(y)) return false;
    const int py = at.y + y;
    if (area.isEmpty() || py < area.top || py >= area.bottom) continue;
    const std::uint32_t* shape = clip.row(y) + (area.left - at.x);
    std::uint32_t* p = picture.row(py) + area.left;
    for (int x = 0; x < area.width(); ++x)
      if (!isClipWhite(shape[x])) p[x] = std::uint32_t(picture.snap(gdi::TColor(shiftColor(p[x], shift, tone))));
  }
  picture.markDirty(area);
  return true;
}

}  // namespace

bool imprint(gdi::Bitmap& picture, const gdi::Bitmap& clip, gdi::Point at, int shift, Tone tone,
             const StoppableStep& step) {
  const AreaUndo undo(picture, clipRect(clip, at));
  if (imprintRows(picture, clip, at, shift, tone, step)) return true;
  undo.restore(picture);
  return false;
}

bool emboss(gdi::Bitmap& picture, const gdi::Bitmap& clip, gdi::Point at,
            const StoppableStep& step) {
  const gdi::Point light{at.x + kEmbossLightOffset.x, at.y + kEmbossLightOffset.y};
  const AreaUndo undo(picture, clipRect(clip, at).united(clipRect(clip, light)));
  if (imprintRows(picture, clip, at, kImprintShift, Tone::Darken, partOf(step, 0, 2)) &&
      imprintRows(picture, clip, light, kImprintShift, Tone::Lighten, partOf(step, 1, 2)))
    return true;
  undo.restore(picture);
  return false;
}

bool dropShadow(gdi::Bitmap& picture, const gdi::Bitmap& clip, gdi::Point at,
                const StoppableStep& step) {
  const int w = clip.width(), h = clip.height();
  gdi::Point pos{at.x + kShadowOffset.x, at.y + kShadowOffset.y};
  // The first layer is the largest and the last lies furthest down and right.
  const int grow = 3 * kShadowLayers, last = kShadowLayers - 1;
  const gdi::Rect reach = gdi::Rect::fromSize(pos.x, pos.y, w + grow, h + grow)
                              .united(gdi::Rect::fromSize(pos.x + last, pos.y + last, w + 3, h + 3));
  const AreaUndo undo(picture, reach);
  gdi::Bitmap layer = clip;
  for (int k = kShadowLayers, i = 0; k >= 1; --k, ++i) {
    // A fresh bitmap stretches with the default mode: the shrinking layers
    // AND the pixels they drop, which keeps their dark parts.
    gdi::Bitmap next(w + 3 * k, h + 3 * k);
    gdi::stretchBlt(next, 0, 0, next.width(), next.height(), layer, 0, 0, layer.width(),
                    layer.height(), gdi::SRCCOPY, gdi::StretchMode::BlackOnWhite, gdi::Brush());
    layer = std::move(next);
    if (!imprintRows(picture, layer, pos, kShadowShift, Tone::Darken,
                     partOf(step, i, kShadowLayers))) {
      undo.restore(picture);
      return false;
    }
    ++pos.x;
    ++pos.y;
  }
  return true;
}

}  // namespace clips
