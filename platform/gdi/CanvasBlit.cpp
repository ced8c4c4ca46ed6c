// Canvas entry points of the blits: the pattern is the canvas brush, the
// stretch mode and copy mode are the canvas's.
#include "platform/gdi/Blit.h"
#include "platform/gdi/Canvas.h"

namespace gdi {

void Canvas::draw(int x, int y, const Bitmap& src) {
  if (src.empty()) return;
  if (src.transparent()) {
    transparentBlt(*bitmap_, x, y, src.width(), src.height(), src, 0, 0, src.width(), src.height(),
                   src.transparentColor());
  } else {
    gdi::bitBlt(*bitmap_, x, y, src.width(), src.height(), &src, 0, 0, SRCCOPY, brush);
  }
}

void Canvas::stretchDraw(const Rect& dst, const Bitmap& src) {
  if (src.empty()) return;
  if (src.transparent()) {
    // The key colour is tested on the pixel each destination pixel takes,
    // so a transparent picture is stretched by picking, never by mixing
    // key pixels into their neighbours.
    transparentBlt(*bitmap_, dst.left, dst.top, dst.width(), dst.height(), src, 0, 0, src.width(),
                   src.height(), src.transparentColor());
  } else {
    gdi::stretchBlt(*bitmap_, dst.left, dst.top, dst.width(), dst.height(), src, 0, 0, src.width(),
                    src.height(), SRCCOPY, stretchMode, brush);
  }
}

void Canvas::copyRect(const Rect& dst, const Bitmap& src, const Rect& srcRect) {
  gdi::stretchBlt(*bitmap_, dst.left, dst.top, dst.width(), dst.height(), src, srcRect.left,
                  srcRect.top, srcRect.width(), srcRect.height(), copyMode, stretchMode, brush);
}

void Canvas::bitBlt(int x, int y, int w, int h, const Bitmap* src, int sx, int sy,
                    std::uint32_t rop) {
  gdi::bitBlt(*bitmap_, x, y, w, h, src, sx, sy, rop, brush);
}

void Canvas::stretchBlt(int x, int y, int w, int h, const Bitmap& src, int sx, int sy, int sw,
                        int sh, std::uint32_t rop) {
  gdi::stretchBlt(*bitmap_, x, y, w, h, src, sx, sy, sw, sh, rop, stretchMode, brush);
}

}  // namespace gdi
