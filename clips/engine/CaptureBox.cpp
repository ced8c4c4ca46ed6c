#include "clips/engine/CaptureBox.h"

#include <algorithm>

namespace clips {

gdi::Rect captureBox(gdi::Point down, gdi::Point up) {
  gdi::Rect box = gdi::Rect{down.x, down.y, up.x, up.y}.normalized();
  if (box.left == box.right) box.right = box.left + 10;
  if (box.top == box.bottom) box.bottom = box.top + 10;
  return box;
}

std::array<gdi::Point, 5> boxOutline(const gdi::Rect& b) {
  return {gdi::Point{b.right, b.bottom}, gdi::Point{b.left, b.bottom}, gdi::Point{b.left, b.top},
          gdi::Point{b.right, b.top}, gdi::Point{b.right, b.bottom}};
}

}  // namespace clips
