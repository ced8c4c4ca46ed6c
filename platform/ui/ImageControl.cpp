#include "platform/ui/ImageControl.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <utility>

#include "platform/ui/InternalDrag.h"
#include "platform/ui/PicturePainter.h"
#include "platform/ui/QtBitmap.h"

namespace ui {

ImageControl::ImageControl(QWidget* parent) : QWidget(parent) {
  // Moves without a button reach the handlers too (hover colour, hints).
  setMouseTracking(true);
}

void ImageControl::setBitmap(const gdi::Bitmap& b) {
  bitmap_ = b;
  pictureReplaced();
}

void ImageControl::setBitmap(gdi::Bitmap&& b) {
  bitmap_ = std::move(b);
  pictureReplaced();
}

void ImageControl::pictureReplaced() {
  bitmap_.takeDirty();
  shownSize_ = {};
  refresh();
}

void ImageControl::setStretch(bool on) {
  stretch_ = on;
  update();
}

void ImageControl::setAutoSize(bool on) {
  autoSize_ = on;
  if (on && !bitmap_.empty()) resize(bitmap_.width(), bitmap_.height());
}

void ImageControl::setCenter(bool on) {
  center_ = on;
  update();
}

void ImageControl::setTransparent(bool on) {
  transparent_ = on;
  update();
}

void ImageControl::refresh() {
  const gdi::Rect dirty = bitmap_.takeDirty();
  const QSize size(bitmap_.width(), bitmap_.height());
  if (size != shownSize_) {
    shownSize_ = size;
    if (autoSize_ && !bitmap_.empty()) resize(size);
    updateGeometry();
    update();
    return;
  }
  if (dirty.isEmpty())
    update();
  else
    refreshRect(dirty);
}

void ImageControl::refreshRect(const gdi::Rect& pictureRect) {
  const QRect r = mapping().toControl(pictureRect);
  if (!r.isEmpty()) update(r);
}

PictureMapping ImageControl::mapping() const {
  return {size(), QSize(bitmap_.width(), bitmap_.height()), stretch_, center_};
}

void ImageControl::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  paintPicture(painter, bitmap_, mapping(), event->region(), transparent_);
}

QSize ImageControl::sizeHint() const {
  if (bitmap_.empty()) return {105, 105};
  return {bitmap_.width(), bitmap_.height()};
}

// --- mouse ---------------------------------------------------------------------

void ImageControl::mousePressEvent(QMouseEvent* event) {
  const QPoint at = toPicture(event->position().toPoint());
  pressPoint_ = event->position().toPoint();
  pressedInside_ = event->button() == Qt::LeftButton;
  if (const auto b = mouseButton(event->button()))
    emit mouseDown(*b, shiftState(*event), at.x(), at.y());
}

void ImageControl::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (dragSource_ && pressedInside_ && (event->buttons() & Qt::LeftButton) &&
      (pos - pressPoint_).manhattanLength() >= QApplication::startDragDistance()) {
    pressedInside_ = false;
    beginDrag();
    return;
  }
  const QPoint at = toPicture(pos);
  emit mouseMove(shiftState(*event), at.x(), at.y());
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  const QPoint at = toPicture(pos);
  if (const auto b = mouseButton(event->button()))
    emit mouseUp(*b, shiftState(*event), at.x(), at.y());
  if (event->button() == Qt::LeftButton && pressedInside_ && rect().contains(pos)) emit clicked();
  pressedInside_ = false;
}

void ImageControl::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint at = toPicture(event->position().toPoint());
  if (event->button() == Qt::LeftButton) emit doubleClicked();
  if (const auto b = mouseButton(event->button()))
    emit mouseDown(*b, shiftState(*event, true), at.x(), at.y());
}

// --- drag and drop -------------------------------------------------------------

void ImageControl::beginDrag() {
  QPixmap image;
  if (!bitmap_.empty())
    image = QPixmap::fromImage(sharedImage(std::as_const(bitmap_))
                                   .scaled(48, 48, Qt::KeepAspectRatio, Qt::FastTransformation));
  InternalDrag::exec(this, image);
}

bool ImageControl::acceptsDrop(QWidget* source) const {
  if (!source || !acceptDrops()) return false;
  if (dropFilter_) return dropFilter_(source);
  return qobject_cast<ImageControl*>(source) != nullptr;
}

bool ImageControl::dropFrom(QWidget* source, QPoint controlPoint) {
  if (!acceptsDrop(source)) return false;
  const QPoint at = toPicture(controlPoint);
  emit dropped(source, at.x(), at.y());
  return true;
}

void ImageControl::dragEnterEvent(QDragEnterEvent* event) {
  if (acceptsDrop(InternalDrag::sourceOf(event->mimeData())))
    event->acceptProposedAction();
  else
    event->ignore();
}

void ImageControl::dragMoveEvent(QDragMoveEvent* event) {
  if (acceptsDrop(InternalDrag::sourceOf(event->mimeData())))
    event->acceptProposedAction();
  else
    event->ignore();
}

void ImageControl::dropEvent(QDropEvent* event) {
  if (dropFrom(InternalDrag::sourceOf(event->mimeData()), event->position().toPoint()))
    event->acceptProposedAction();
  else
    event->ignore();
}

}  // namespace ui
