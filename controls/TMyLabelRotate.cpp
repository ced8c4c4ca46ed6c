#include "controls/TMyLabelRotate.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/LabelImage.h"
#include "controls/engine/LabelClip.h"

TMyLabelRotate::TMyLabelRotate(QWidget* parent) : QWidget(parent) {
  style_.OnChange = [this] { update(); };
}

void TMyLabelRotate::setCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
}

void TMyLabelRotate::setFont(const gdi::Font& font) {
  look_.Font = font;
  update();
}

void TMyLabelRotate::setColor(gdi::TColor c) {
  if (c == look_.Color) return;
  look_.Color = c;
  update();
}

void TMyLabelRotate::setMyTransparent(bool on) {
  if (on == look_.MyTransparent) return;
  look_.MyTransparent = on;
  update();
}

controls::RotatedLabelLook TMyLabelRotate::look() const {
  controls::RotatedLabelLook l = look_;
  l.Caption = caption_.toStdString();
  l.Style = style_.values();
  return l;
}

gdi::Bitmap TMyLabelRotate::renderToBitmap() const {
  return controls::renderRotatedLabel(look(), {width(), height()},
                                      controls::backgroundBehind(*this));
}

gdi::Bitmap TMyLabelRotate::clipboardBitmap() const { return controls::labelClip(renderToBitmap()); }

void TMyLabelRotate::paintEvent(QPaintEvent*) {
  const controls::RotatedLabelLook l = look();
  const gdi::TColor key = controls::unusedColor(
      {l.Font.color, l.Style.AShadeLeftTop, l.Style.AShadeRightBottom, l.Color});
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), controls::withTransparentKey(
                                      controls::renderRotatedLabel(l, {width(), height()}, key), key));
}

void TMyLabelRotate::mousePressEvent(QMouseEvent* event) {
  emit mouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

void TMyLabelRotate::mouseMoveEvent(QMouseEvent* event) {
  emit mouseMove(event->buttons(), event->modifiers(), event->position().toPoint());
}

void TMyLabelRotate::mouseReleaseEvent(QMouseEvent* event) {
  emit mouseUp(event->button(), event->modifiers(), event->position().toPoint());
  if (rect().contains(event->position().toPoint())) emit clicked();
}
