#pragma once
// The rectangle a capture-box drag stands for, and the outline it is cut along.
#include <array>

#include "platform/gdi/Geometry.h"

namespace clips {

// The box of the press and release points, whichever way the drag went; an
// axis without extent (a click) spans 10 pixels right of or below the point.
gdi::Rect captureBox(gdi::Point down, gdi::Point up);

// The box as a closed five-point outline: bottom-right, bottom-left,
// top-left, top-right and bottom-right again.
std::array<gdi::Point, 5> boxOutline(const gdi::Rect& box);

}  // namespace clips
