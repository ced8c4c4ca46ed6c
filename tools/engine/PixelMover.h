#pragma once
// The "Move Pixels" tools (codes 101..108): each click moves a square block of
// the picture one pixel in the tool's direction; the block's trailing row or
// column stays as it was, so repeated clicks smear the block along.
#include "platform/gdi/Bitmap.h"

namespace tools {

// The step of a pixel-moving code: 101 right, 102 left, 103 up, 104 down,
// 105 down left, 106 down right, 107 up left, 108 up right; (0, 0) otherwise.
gdi::Point moveDirection(int code);

// Copies the w x h block at (x, y) into `scratch` (grown when smaller than the
// block) and back onto the picture one step away. Only the part of the block
// inside the picture moves: pixels from outside it would be whatever the
// scratch bitmap held before. Returns the area written.
gdi::Rect movePixels(gdi::Bitmap& picture, gdi::Bitmap& scratch, int x, int y, int code, int w,
                     int h);

}  // namespace tools
