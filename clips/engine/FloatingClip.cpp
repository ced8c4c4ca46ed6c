#include "clips/engine/FloatingClip.h"

#include <algorithm>
#include <cstring>

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

namespace {

// How far the frame's pen reaches either side of its outline.
constexpr int kFrameReach = 3;

// The strips along the four sides of a frame round `area`, inside the picture.
std::vector<gdi::Rect> frameStripAreas(const gdi::Rect& area, const gdi::Rect& picture) {
  const int m = kFrameReach;
  std::vector<gdi::Rect> strips;
  if (area.width() <= 4 * m || area.height() <= 4 * m) {
    strips.push_back(area.inflated(m));
  } else {
    strips.push_back({area.left - m, area.top - m, area.right + m, area.top + m});
    strips.push_back({area.left - m, area.bottom - m, area.right + m, area.bottom + m});
    strips.push_back({area.left - m, area.top + m, area.left + m, area.bottom - m});
    strips.push_back({area.right - m, area.top + m, area.right + m, area.bottom - m});
  }
  std::vector<gdi::Rect> inside;
  for (const gdi::Rect& r : strips)
    if (const gdi::Rect i = r.intersected(picture); !i.isEmpty()) inside.push_back(i);
  return inside;
}

gdi::Bitmap copyArea(const gdi::Bitmap& from, const gdi::Rect& r) {
  gdi::Bitmap out(r.width(), r.height());
  for (int y = 0; y < r.height(); ++y)
    std::memcpy(out.row(y), from.row(r.top + y) + r.left, std::size_t(r.width()) * 4);
  return out;
}

bool sameArea(const gdi::Bitmap& picture, const gdi::Rect& r, const gdi::Bitmap& saved) {
  for (int y = 0; y < r.height(); ++y)
    if (std::memcmp(saved.row(y), picture.row(r.top + y) + r.left, std::size_t(r.width()) * 4) != 0)
      return false;
  return true;
}

void putArea(gdi::Bitmap& picture, const gdi::Rect& r, const gdi::Bitmap& saved) {
  for (int y = 0; y < r.height(); ++y)
    std::memcpy(picture.row(r.top + y) + r.left, saved.row(y), std::size_t(r.width()) * 4);
  picture.markDirty(r);
}

}  // namespace

void FloatingClip::forget() { known_ = false; }

void FloatingClip::start() {
  known_ = true;
  drawn_ = {};
  last_.reset();
  frameStrips_.clear();
}

gdi::Rect FloatingClip::restoreAll(gdi::Bitmap& picture, const gdi::Bitmap& backdrop) {
  picture.canvas().bitBlt(0, 0, picture.width(), picture.height(), &backdrop, 0, 0, gdi::SRCCOPY);
  known_ = true;
  drawn_ = {};
  frameStrips_.clear();
  return picture.rect();
}

gdi::Rect FloatingClip::restore(gdi::Bitmap& picture, const gdi::Bitmap& backdrop) {
  if (!known_) return restoreAll(picture, backdrop);
  const gdi::Rect r = drawn_;
  if (!r.isEmpty())
    picture.canvas().bitBlt(r.left, r.top, r.width(), r.height(), &backdrop, r.left, r.top,
                            gdi::SRCCOPY);
  drawn_ = {};
  frameStrips_.clear();  // the frame lay inside what was drawn
  return r;
}

gdi::Rect FloatingClip::draw(gdi::Bitmap& picture, const gdi::Bitmap& clip, const gdi::Bitmap& mask,
                             const ClipPlacement& at) {
  unframe(picture);
  const gdi::Rect r = drawClip(picture, clip, mask, at);
  drawn_ = drawn_.united(r);
  last_ = at;
  return r;
}

gdi::Rect FloatingClip::frame(gdi::Bitmap& picture, const gdi::Rect& area) {
  unframe(picture);
  const std::vector<gdi::Rect> strips = frameStripAreas(area, picture.rect());
  for (const gdi::Rect& at : strips) frameStrips_.push_back({at, copyArea(picture, at), {}});
  const gdi::Rect r = drawClipFrame(picture, area);
  for (FrameStrip& s : frameStrips_) s.over = copyArea(picture, s.at);
  drawn_ = drawn_.united(r);
  return r;
}

gdi::Rect FloatingClip::unframe(gdi::Bitmap& picture) {
  gdi::Rect restored;
  const bool untouched =
      std::all_of(frameStrips_.begin(), frameStrips_.end(), [&](const FrameStrip& s) {
        return s.at.intersected(picture.rect()) == s.at && sameArea(picture, s.at, s.over);
      });
  if (untouched) {
    for (const FrameStrip& s : frameStrips_) {
      putArea(picture, s.at, s.under);
      restored = restored.united(s.at);
    }
  }
  frameStrips_.clear();
  return restored;
}

gdi::Rect FloatingClip::move(gdi::Bitmap& picture, const gdi::Bitmap& backdrop,
                             const gdi::Bitmap& clip, const gdi::Bitmap& mask,
                             const ClipPlacement& to) {
  const gdi::Rect before = restore(picture, backdrop);
  return before.united(draw(picture, clip, mask, to));
}

}  // namespace clips
