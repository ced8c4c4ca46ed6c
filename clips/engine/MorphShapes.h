#pragma once
// The shapes a picture is morphed into from the "Morf Shapes" and morph
// paste windows: four standard figures drawn at a chosen size, and any
// picture stretched to a chosen size.
#include <algorithm>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Color.h"
#include "platform/gdi/Geometry.h"

namespace clips {

enum class ShapeKind { Rectangle = 1, RoundedRectangle = 2, Ellipse = 3, WideEllipse = 4 };

// The size spin edits: 10 to 1000, 100 at start.
inline constexpr int kShapeSideMin = 10;
inline constexpr int kShapeSideMax = 1000;
inline constexpr int kShapeSideDefault = 100;

// The figure's fill, and the brush of the shape button that is chosen.
inline constexpr gdi::TColor kShapeColor = gdi::RGB(128, 0, 0);

// The brush of a shape button: the figure's colour for the chosen kind,
// white for the others.
constexpr gdi::TColor shapeButtonColor(ShapeKind chosen, ShapeKind button) {
  return chosen == button ? kShapeColor : gdi::clWhite;
}

constexpr int clampShapeSide(int side) { return std::clamp(side, kShapeSideMin, kShapeSideMax); }

// The size after choosing a kind: the wide ellipse makes the width twice the
// height (held to the spin edit's range); the others keep the size.
constexpr gdi::Size sizeForShape(ShapeKind kind, gdi::Size size) {
  if (kind == ShapeKind::WideEllipse) size.cx = clampShapeSide(2 * size.cy);
  return size;
}

// A white (width + 4) x (height + 4) bitmap with the figure in the box
// (2, 2, width + 2, height + 2), filled RGB(128, 0, 0) and outlined by a
// black one-pixel pen: a rectangle, a rectangle with corner ellipses of
// ((width + 2) div 5, (height + 2) div 5), or an ellipse. Sides are held to
// 10..1000.
gdi::Bitmap standardShape(ShapeKind kind, gdi::Size size);

// A picture loaded as a shape, stretched to `size`: pixels are dropped when
// it shrinks both ways, else ANDed (so thin dark outlines survive).
gdi::Bitmap stretchedShape(const gdi::Bitmap& picture, gdi::Size size);

}  // namespace clips
