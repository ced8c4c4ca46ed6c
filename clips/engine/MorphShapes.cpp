#include "clips/engine/MorphShapes.h"

#include "platform/gdi/Blit.h"
#include "platform/gdi/Canvas.h"

namespace clips {

gdi::Bitmap standardShape(ShapeKind kind, gdi::Size size) {
  const int w = clampShapeSide(size.cx), h = clampShapeSide(size.cy);
  gdi::Bitmap shape(w + 4, h + 4);
  gdi::Canvas& c = shape.canvas();
  c.pen = gdi::Pen();
  c.brush.setStyle(gdi::BrushStyle::Solid);
  c.brush.setColor(kShapeColor);
  switch (kind) {
    case ShapeKind::Rectangle: c.rectangle(2, 2, w + 2, h + 2); break;
    case ShapeKind::RoundedRectangle: c.roundRect(2, 2, w + 2, h + 2, (w + 2) / 5, (h + 2) / 5); break;
    case ShapeKind::Ellipse:
    case ShapeKind::WideEllipse: c.ellipse(2, 2, w + 2, h + 2); break;
  }
  return shape;
}

gdi::Bitmap stretchedShape(const gdi::Bitmap& picture, gdi::Size size) {
  gdi::Bitmap shape(std::max(size.cx, 0), std::max(size.cy, 0));
  const bool shrinks = size.cx < picture.width() && size.cy < picture.height();
  gdi::stretchBlt(shape, 0, 0, shape.width(), shape.height(), picture, 0, 0, picture.width(),
                  picture.height(), gdi::SRCCOPY,
                  shrinks ? gdi::StretchMode::ColorOnColor : gdi::StretchMode::BlackOnWhite,
                  gdi::Brush());
  return shape;
}

}  // namespace clips
