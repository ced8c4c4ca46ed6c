#pragma once
// The shape control: a rectangle, square, rounded rectangle or square,
// ellipse or circle filling the control, drawn with a pen and a brush. The
// program uses it for frames, strips and drag handles.
#include <QWidget>

#include "platform/gdi/Canvas.h"
#include "platform/ui/MouseTypes.h"

namespace ui {

enum class ShapeType { Rectangle, Square, RoundRect, RoundSquare, Ellipse, Circle };

class ShapeControl : public QWidget {
  Q_OBJECT
 public:
  explicit ShapeControl(QWidget* parent = nullptr);

  ShapeType shape() const { return shape_; }
  void setShape(ShapeType s);
  const gdi::Pen& pen() const { return pen_; }
  void setPen(const gdi::Pen& p);
  void setPenColor(gdi::TColor c);
  gdi::TColor brushColor() const { return brushColor_; }
  gdi::BrushStyle brushStyle() const { return brushStyle_; }
  void setBrushColor(gdi::TColor c);
  void setBrushStyle(gdi::BrushStyle s);

  // The box the figure is drawn in, as the original control computed it:
  // inset by half the pen width; squares and circles centred on the
  // shorter side.
  QRect figureRect() const;

 signals:
  // Control coordinates.
  void mouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y);
  void mouseMove(ui::ShiftState shift, int x, int y);
  void mouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  ShapeType shape_ = ShapeType::Rectangle;
  gdi::Pen pen_;
  gdi::TColor brushColor_ = gdi::clWhite;
  gdi::BrushStyle brushStyle_ = gdi::BrushStyle::Solid;
};

// Qt colour of a TColor (system colours resolved).
QColor toQColor(gdi::TColor c);

}  // namespace ui
