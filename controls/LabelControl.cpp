#include "controls/LabelControl.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/LabelImage.h"

LabelControl::LabelControl(const gdi::Font& font, QWidget* parent) : QWidget(parent), font_(font) {}

void LabelControl::setCaption(const QString& caption) { store(caption_, caption); }

void LabelControl::setColor(gdi::TColor c) { store(color_, c); }

void LabelControl::setFont(const gdi::Font& font) {
  if (font.name == font_.name && font.height == font_.height && font.style == font_.style &&
      font.color == font_.color)
    return;
  font_ = font;
  labelChanged();
}

void LabelControl::showPainting(const gdi::Bitmap& painting, gdi::TColor key) {
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), controls::withTransparentKey(painting, key));
}

void LabelControl::mousePressEvent(QMouseEvent* event) {
  emit mouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

void LabelControl::mouseMoveEvent(QMouseEvent* event) {
  emit mouseMove(event->buttons(), event->modifiers(), event->position().toPoint());
}

void LabelControl::mouseReleaseEvent(QMouseEvent* event) {
  emit mouseUp(event->button(), event->modifiers(), event->position().toPoint());
  if (rect().contains(event->position().toPoint())) emit clicked();
}
