#include "clips/engine/AreaTone.h"

#include "clips/engine/AreaUndo.h"
#include "clips/engine/ClipMask.h"

namespace clips {

bool lightenArea(gdi::Bitmap& picture, const gdi::Bitmap& clip, gdi::Point origin, Tone tone,
                 int steps, const StoppableStep& step) {
  const gdi::Point at{origin.x - 1, origin.y - 1};
  const AreaUndo undo(picture, gdi::Rect::fromSize(at.x, at.y, clip.width(), clip.height()));
  const gdi::Rect& area = undo.area();
  StoppableRows rows(clip.height(), step);
  for (int y = 0; y < clip.height(); ++y) {
    if (!rows.row(y)) {
      undo.restore(picture);
      return false;
    }
    const int py = at.y + y;
    if (area.isEmpty() || py < area.top || py >= area.bottom) continue;
    const std::uint32_t* from = clip.row(y) + (area.left - at.x);
    std::uint32_t* p = picture.row(py) + area.left;
    for (int x = 0; x < area.width(); ++x)
      if (!isClipWhite(from[x]))
        p[x] = std::uint32_t(picture.snap(gdi::TColor(shiftColor(from[x], steps, tone))));
  }
  picture.markDirty(area);
  return true;
}

bool blendArea(gdi::Bitmap& picture, const gdi::Bitmap& clip, gdi::Point origin, int steps,
               const StoppableStep& step) {
  const int b = areaBlendParts(steps), w = picture.width(), h = picture.height();
  // Written: columns X .. X + 1 of rows Y.
  const AreaUndo undo(picture,
                      gdi::Rect::fromSize(origin.x, origin.y, clip.width() + 1, clip.height()));
  StoppableRows rows(clip.height(), step);
  for (int y = 0; y < clip.height(); ++y) {
    if (!rows.row(y)) {
      undo.restore(picture);
      return false;
    }
    const int Y = origin.y + y;
    if (Y < 0 || Y >= h) continue;
    std::uint32_t* p = picture.row(Y);
    const std::uint32_t* up = Y > 0 ? picture.row(Y - 1) : nullptr;
    const std::uint32_t* down = Y + 1 < h ? picture.row(Y + 1) : nullptr;
    const std::uint32_t* shape = clip.row(y);
    for (int x = 0; x < clip.width(); ++x) {
      const int X = origin.x + x;
      if (isClipWhite(shape[x]) || X < 0 || X >= w) continue;
      if (X > 0 && X + 1 < w)
        p[X + 1] = std::uint32_t(picture.snap(gdi::TColor(blendColor(p[X], p[X - 1], b, 64))));
      if (up && down)
        p[X] = std::uint32_t(picture.snap(gdi::TColor(blendColor(up[X], down[X], b, 64))));
    }
  }
  picture.markDirty(undo.area());
  return true;
}

}  // namespace clips
