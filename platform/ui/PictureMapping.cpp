#include "platform/ui/PictureMapping.h"

#include <cstdint>

namespace ui {

namespace {

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

std::int64_t ceilDiv(std::int64_t a, std::int64_t b) { return -floorDiv(-a, b); }

}  // namespace

QRect PictureMapping::area() const {
  if (picture.isEmpty()) return {};
  if (stretch) return {QPoint(0, 0), control};
  QPoint origin(0, 0);
  if (center)
    origin =
        QPoint((control.width() - picture.width()) / 2, (control.height() - picture.height()) / 2);
  return {origin, picture};
}

QPoint PictureMapping::toPicture(QPoint p) const {
  const QRect a = area();
  if (a.isEmpty()) return p;
  if (!stretch) return p - a.topLeft();
  return {int(floorDiv(std::int64_t(p.x() - a.left()) * picture.width(), a.width())),
          int(floorDiv(std::int64_t(p.y() - a.top()) * picture.height(), a.height()))};
}

QRect PictureMapping::toControl(const gdi::Rect& r) const {
  const QRect a = area();
  if (a.isEmpty() || r.isEmpty()) return {};
  if (!stretch) return QRect(r.left, r.top, r.width(), r.height()).translated(a.topLeft());
  const auto w = picture.width(), h = picture.height();
  const int left = a.left() + int(floorDiv(std::int64_t(r.left) * a.width(), w));
  const int top = a.top() + int(floorDiv(std::int64_t(r.top) * a.height(), h));
  const int right = a.left() + int(ceilDiv(std::int64_t(r.right) * a.width(), w));
  const int bottom = a.top() + int(ceilDiv(std::int64_t(r.bottom) * a.height(), h));
  return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QRectF PictureMapping::toControlF(const QRect& r) const {
  const QRect a = area();
  if (a.isEmpty()) return {};
  if (!stretch) return QRectF(r.translated(a.topLeft()));
  const double sx = double(a.width()) / picture.width();
  const double sy = double(a.height()) / picture.height();
  return {a.left() + r.left() * sx, a.top() + r.top() * sy, r.width() * sx, r.height() * sy};
}

QRect PictureMapping::picturePart(const QRect& c) const {
  const QRect a = area();
  const QRect visible = c & a;
  if (visible.isEmpty()) return {};
  const QRect whole(QPoint(0, 0), picture);
  if (!stretch) return visible.translated(-a.topLeft()) & whole;
  const auto w = picture.width(), h = picture.height();
  const int left = int(floorDiv(std::int64_t(visible.left() - a.left()) * w, a.width()));
  const int top = int(floorDiv(std::int64_t(visible.top() - a.top()) * h, a.height()));
  const int right = int(ceilDiv(std::int64_t(visible.right() + 1 - a.left()) * w, a.width()));
  const int bottom = int(ceilDiv(std::int64_t(visible.bottom() + 1 - a.top()) * h, a.height()));
  return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)) & whole;
}

}  // namespace ui
