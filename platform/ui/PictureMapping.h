#pragma once
// Where an image control draws its picture and how points and rectangles map
// between the control and the picture: at the top left, centred, or
// stretched over the whole control.
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QSize>

#include "platform/gdi/Geometry.h"

namespace ui {

struct PictureMapping {
  QSize control;
  QSize picture;
  bool stretch = false;
  bool center = false;

  // The control area the picture covers.
  QRect area() const;
  // The picture pixel under a control point; points outside the picture
  // (a drag that left the control) map outside it the same way.
  QPoint toPicture(QPoint controlPoint) const;
  // The control pixels a picture rectangle covers (rounded outwards).
  QRect toControl(const gdi::Rect& pictureRect) const;
  // The same rectangle exactly, for drawing the picture scaled.
  QRectF toControlF(const QRect& pictureRect) const;
  // The picture pixels needed to paint a control rectangle (rounded
  // outwards, clipped to the picture).
  QRect picturePart(const QRect& controlRect) const;
};

}  // namespace ui
