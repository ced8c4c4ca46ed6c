#pragma once
// The masking step shared by the outline and circular captures: the part of
// a box outside a closed outline becomes white, the outline itself too, and
// what lies inside is kept.
//
// The outline is drawn in RGB(1, 1, 1) on a scratch copy of the box, the box's
// own edge is painted white, and a flood that stops at RGB(1, 1, 1) paints
// white everything it reaches from outside the figure. Pixels of that colour
// already in the picture stop the flood as the outline does.
//
// The scratch is the box with a one-pixel ring round the figure: the flood
// starts from that ring, which lies outside the figure whatever its shape, so
// every outside part of the box is reached however the outline touches the
// box's edges. Where the figure runs off the picture there is no ring; the
// picture's edge pixels there that lie outside the figure start the flood
// instead, and the edge itself walls the inside off.
#include <functional>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Canvas.h"
#include "platform/gdi/Geometry.h"

namespace clips {

struct MaskFigure {
  // Holds every pixel the outline covers, in picture coordinates (it may
  // reach beyond the picture).
  gdi::Rect extent;
  // Draws the outline with the canvas's pen, shifted by `offset`.
  std::function<void(gdi::Canvas&, gdi::Point offset)> outline;
  // Fills the figure with the canvas's brush (the pen is clear), shifted.
  std::function<void(gdi::Canvas&, gdi::Point offset)> fill;
};

// The masked clip of `box` (inside the picture and not empty), drawn with an
// outline pen `penWidth` wide.
gdi::Bitmap maskedClip(const gdi::Bitmap& picture, const gdi::Rect& box, const MaskFigure& figure,
                       int penWidth);

// How far beyond its points a pen of this width draws.
constexpr int penReach(int penWidth) { return penWidth > 1 ? penWidth / 2 + 1 : 0; }

}  // namespace clips
