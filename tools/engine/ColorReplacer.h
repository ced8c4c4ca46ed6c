#pragma once
// The colour replacer brush: in the square to the right of and below the
// mouse, pixels of exactly one colour take another.
#include "platform/gdi/Bitmap.h"

namespace tools {

// Pixels (x + j, y + i) for i, j = 1..size that equal `from` exactly (a colour
// one unit away is kept) become `to`. Returns the square, clipped to the
// picture; only changed pixels are marked dirty.
gdi::Rect replaceSquare(gdi::Bitmap& picture, int x, int y, int size, gdi::TColor from,
                        gdi::TColor to);

}  // namespace tools
