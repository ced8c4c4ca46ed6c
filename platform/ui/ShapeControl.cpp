#include "platform/ui/ShapeControl.h"

#include <QMouseEvent>
#include <QPainter>

namespace ui {

QColor toQColor(gdi::TColor c) {
  const gdi::TColor rgb = gdi::colorToRGB(c);
  return QColor(gdi::GetRValue(rgb), gdi::GetGValue(rgb), gdi::GetBValue(rgb));
}

namespace {

Qt::PenStyle toQt(gdi::PenStyle s) {
  switch (s) {
    case gdi::PenStyle::Solid:
    case gdi::PenStyle::InsideFrame:
      return Qt::SolidLine;
    case gdi::PenStyle::Dash:
      return Qt::DashLine;
    case gdi::PenStyle::Dot:
      return Qt::DotLine;
    case gdi::PenStyle::DashDot:
      return Qt::DashDotLine;
    case gdi::PenStyle::DashDotDot:
      return Qt::DashDotDotLine;
    case gdi::PenStyle::Clear:
      return Qt::NoPen;
  }
  return Qt::SolidLine;
}

Qt::BrushStyle toQt(gdi::BrushStyle s) {
  switch (s) {
    case gdi::BrushStyle::Solid:
      return Qt::SolidPattern;
    case gdi::BrushStyle::Clear:
      return Qt::NoBrush;
    case gdi::BrushStyle::Horizontal:
      return Qt::HorPattern;
    case gdi::BrushStyle::Vertical:
      return Qt::VerPattern;
    case gdi::BrushStyle::FDiagonal:
      return Qt::FDiagPattern;
    case gdi::BrushStyle::BDiagonal:
      return Qt::BDiagPattern;
    case gdi::BrushStyle::Cross:
      return Qt::CrossPattern;
    case gdi::BrushStyle::DiagCross:
      return Qt::DiagCrossPattern;
  }
  return Qt::SolidPattern;
}

}  // namespace

ShapeControl::ShapeControl(QWidget* parent) : QWidget(parent) { resize(65, 65); }

void ShapeControl::setShape(ShapeType s) {
  shape_ = s;
  update();
}

void ShapeControl::setPen(const gdi::Pen& p) {
  pen_ = p;
  update();
}

void ShapeControl::setPenColor(gdi::TColor c) {
  pen_.color = c;
  update();
}

void ShapeControl::setBrushColor(gdi::TColor c) {
  brushColor_ = c;
  update();
}

void ShapeControl::setBrushStyle(gdi::BrushStyle s) {
  brushStyle_ = s;
  update();
}

QRect ShapeControl::figureRect() const {
  const int pw = pen_.style == gdi::PenStyle::Clear ? 0 : pen_.width;
  int x = pw / 2, y = x;
  int w = width() - pw + 1, h = height() - pw + 1;
  if (pw == 0) {
    --w;
    --h;
  }
  const int s = std::min(w, h);
  if (shape_ == ShapeType::Square || shape_ == ShapeType::RoundSquare ||
      shape_ == ShapeType::Circle) {
    x += (w - s) / 2;
    y += (h - s) / 2;
    w = h = s;
  }
  return {x, y, std::max(0, w), std::max(0, h)};
}

void ShapeControl::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QPen pen(toQColor(pen_.color), std::max(1, pen_.width), toQt(pen_.style));
  pen.setJoinStyle(Qt::MiterJoin);
  p.setPen(pen);
  p.setBrush(QBrush(toQColor(brushColor_), toQt(brushStyle_)));
  // The figure's right and bottom edges are exclusive, as the platform drew them.
  const QRect r = figureRect().adjusted(0, 0, -1, -1);
  const int s = std::min(r.width(), r.height());
  switch (shape_) {
    case ShapeType::Rectangle:
    case ShapeType::Square:
      p.drawRect(r);
      break;
    case ShapeType::RoundRect:
    case ShapeType::RoundSquare:
      p.drawRoundedRect(r, s / 8.0, s / 8.0);
      break;
    case ShapeType::Ellipse:
    case ShapeType::Circle:
      p.drawEllipse(r);
      break;
  }
}

void ShapeControl::mousePressEvent(QMouseEvent* e) {
  if (const auto b = mouseButton(e->button()))
    emit mouseDown(*b, shiftState(*e), e->position().toPoint().x(), e->position().toPoint().y());
}

void ShapeControl::mouseMoveEvent(QMouseEvent* e) {
  emit mouseMove(shiftState(*e), e->position().toPoint().x(), e->position().toPoint().y());
}

void ShapeControl::mouseReleaseEvent(QMouseEvent* e) {
  if (const auto b = mouseButton(e->button()))
    emit mouseUp(*b, shiftState(*e), e->position().toPoint().x(), e->position().toPoint().y());
}

}  // namespace ui
