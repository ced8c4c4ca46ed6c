#include "clips/engine/FloatingClip.h"

#include "clips/engine/ClipSize.h"
#include "platform/gdi/Canvas.h"

namespace clips {

gdi::Rect clipArea(const ClipPlacement& at, gdi::Size clip) {
  const gdi::Size size = at.sized ? at.target : clip;
  return gdi::Rect::fromSize(at.pos.x, at.pos.y, size.cx, size.cy);
}

gdi::Rect drawClip(gdi::Bitmap& picture, const gdi::Bitmap& clip, const gdi::Bitmap& mask,
                   const ClipPlacement& at) {
  gdi::Canvas& canvas = picture.canvas();
  const int w = clip.width(), h = clip.height();
  if (at.sized) {
    canvas.stretchMode = clipStretchMode(at.target, {mask.width(), mask.height()});
    canvas.stretchBlt(at.pos.x, at.pos.y, at.target.cx, at.target.cy, mask, 0, 0, mask.width(),
                      mask.height(), gdi::MERGEPAINT);
    canvas.stretchBlt(at.pos.x, at.pos.y, at.target.cx, at.target.cy, clip, 0, 0, w, h,
                      gdi::SRCAND);
  } else {
    // A blit of the whole picture with the source origin at -P reads the
    // clip only where it lies, so blitting just the clip's rectangle is the
    // same operation.
    canvas.bitBlt(at.pos.x, at.pos.y, mask.width(), mask.height(), &mask, 0, 0, gdi::MERGEPAINT);
    canvas.bitBlt(at.pos.x, at.pos.y, w, h, &clip, 0, 0, gdi::SRCAND);
  }
  return clipArea(at, {w, h}).intersected(picture.rect());
}

gdi::Rect drawClipFrame(gdi::Bitmap& picture, const gdi::Rect& area) {
  gdi::Canvas& canvas = picture.canvas();
  canvas.brush.setStyle(gdi::BrushStyle::Clear);
  canvas.pen.mode = gdi::PenMode::NotCopy;
  canvas.pen.width = 2;
  canvas.pen.color = gdi::clWhite;
  canvas.pen.style = gdi::PenStyle::Dash;
  canvas.rectangle(area);
  // A wide pen straddles the outline; two pixels each way hold it.
  return area.inflated(2).intersected(picture.rect());
}

void FloatingClip::forget() { known_ = false; }

void FloatingClip::start() {
  known_ = true;
  drawn_ = {};
  last_.reset();
}

gdi::Rect FloatingClip::restoreAll(gdi::Bitmap& picture, const gdi::Bitmap& backdrop) {
  picture.canvas().bitBlt(0, 0, picture.width(), picture.height(), &backdrop, 0, 0,
                          gdi::SRCCOPY);
  known_ = true;
  drawn_ = {};
  return picture.rect();
}

gdi::Rect FloatingClip::restore(gdi::Bitmap& picture, const gdi::Bitmap& backdrop) {
  if (!known_) return restoreAll(picture, backdrop);
  const gdi::Rect r = drawn_;
  if (!r.isEmpty())
    picture.canvas().bitBlt(r.left, r.top, r.width(), r.height(), &backdrop, r.left, r.top,
                            gdi::SRCCOPY);
  drawn_ = {};
  return r;
}

gdi::Rect FloatingClip::draw(gdi::Bitmap& picture, const gdi::Bitmap& clip,
                             const gdi::Bitmap& mask, const ClipPlacement& at) {
  const gdi::Rect r = drawClip(picture, clip, mask, at);
  drawn_ = drawn_.united(r);
  last_ = at;
  return r;
}

gdi::Rect FloatingClip::frame(gdi::Bitmap& picture, const gdi::Rect& area) {
  const gdi::Rect r = drawClipFrame(picture, area);
  drawn_ = drawn_.united(r);
  return r;
}

gdi::Rect FloatingClip::move(gdi::Bitmap& picture, const gdi::Bitmap& backdrop,
                             const gdi::Bitmap& clip, const gdi::Bitmap& mask,
                             const ClipPlacement& to) {
  const gdi::Rect before = restore(picture, backdrop);
  return before.united(draw(picture, clip, mask, to));
}

}  // namespace clips
