#include "tools/engine/PixelMover.h"

#include <algorithm>

#include "platform/gdi/Canvas.h"

namespace tools {

gdi::Point moveDirection(int code) {
  switch (code) {
    case 101:
      return {1, 0};
    case 102:
      return {-1, 0};
    case 103:
      return {0, -1};
    case 104:
      return {0, 1};
    case 105:
      return {-1, 1};
    case 106:
      return {1, 1};
    case 107:
      return {-1, -1};
    case 108:
      return {1, -1};
    default:
      return {0, 0};
  }
}

gdi::Rect movePixels(gdi::Bitmap& picture, gdi::Bitmap& scratch, int x, int y, int code, int w,
                     int h) {
  const gdi::Point step = moveDirection(code);
  const gdi::Rect block = gdi::Rect::fromSize(x, y, w, h).intersected(picture.rect());
  if (block.isEmpty() || (step.x == 0 && step.y == 0)) return {};
  if (scratch.width() < block.width() || scratch.height() < block.height())
    scratch.setSize(std::max(scratch.width(), block.width()),
                    std::max(scratch.height(), block.height()));
  scratch.canvas().bitBlt(0, 0, block.width(), block.height(), &picture, block.left, block.top,
                          gdi::SRCCOPY);
  picture.canvas().bitBlt(block.left + step.x, block.top + step.y, block.width(), block.height(),
                          &scratch, 0, 0, gdi::SRCCOPY);
  return block.united(block.translated(step.x, step.y)).intersected(picture.rect());
}

}  // namespace tools
