#pragma once
// Capturing the ellipse inscribed in the box of two corners: the box widened
// by 2 pixels on every side and clamped to the picture, everything outside
// the ellipse white (see OutlineMask.h).
#include "clips/engine/Capture.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Geometry.h"

namespace clips {

// The box the clip is cut from: the corners' box widened by 2 on each side,
// left and top raised to 0, right and bottom lowered to the picture's size.
gdi::Rect circleCaptureBox(gdi::Point p1, gdi::Point p2, gdi::Size picture);

// Origin: the box's top-left plus one. Nothing is captured when the clamped
// box has no width or height (an ellipse entirely off the picture).
Capture captureEllipse(const gdi::Bitmap& picture, gdi::Point p1, gdi::Point p2, int penWidth = 1);

}  // namespace clips
