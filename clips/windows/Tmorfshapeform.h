#pragma once
// "Morf Shapes": the picture waiting in the main window's morph preview is
// poured into a standard shape (rectangle, rounded rectangle, ellipse, wide
// ellipse) of a chosen size and pasted as the clip.
#include <QWidget>

#include "clips/engine/MorphShapes.h"

class QPushButton;

namespace ui {
class ImageControl;
class ShapeControl;
class SpinEdit;
}  // namespace ui

class Tmorfshapeform : public QWidget {
  Q_OBJECT
 public:
  explicit Tmorfshapeform(QWidget* parent = nullptr);

  ui::SpinEdit* SpinEdit1 = nullptr;   // width
  ui::SpinEdit* SpinEdit2 = nullptr;   // height
  ui::ShapeControl* Shape1 = nullptr;  // rectangle
  ui::ShapeControl* Shape2 = nullptr;  // rounded rectangle
  ui::ShapeControl* Shape3 = nullptr;  // ellipse
  ui::ShapeControl* Shape4 = nullptr;  // ellipse twice as wide as high
  ui::ImageControl* Image1 = nullptr;  // the shape as it will be used
  QPushButton* BitBtn1 = nullptr;      // OK
  QPushButton* BitBtn2 = nullptr;      // close

  clips::ShapeKind shapeKind() const { return kind_; }
  gdi::Size shapeSize() const;

  // A shape button released: its kind chosen and drawn.
  void ShapeMouseUp(clips::ShapeKind kind);
  // The chosen kind drawn into Image1, its button marked.
  void drawShape();
  void BitBtn1Click();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  ui::ShapeControl* shapeButton(clips::ShapeKind kind) const;
  clips::ShapeKind kind_ = clips::ShapeKind::Rectangle;
};
