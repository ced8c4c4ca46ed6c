#pragma once
// A label whose caption is turned by its style's angle about the label's
// centre, with a 3D effect. Transparent: only the text (and, when
// MyTransparent is off, a box in the label's colour under it) is painted.
// Changing the style repaints the label.
#include <QString>
#include <QWidget>

#include "controls/engine/RotatedLabelPaint.h"
#include "controls/engine/TLabelStyle.h"

class TMyLabelRotate : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
  Q_PROPERTY(bool MyTransparent READ MyTransparent WRITE setMyTransparent)

 public:
  explicit TMyLabelRotate(QWidget* parent = nullptr);

  // Owned by the label.
  controls::TLabelStyle& LabelStyle() { return style_; }
  const controls::TLabelStyle& LabelStyle() const { return style_; }

  QString Caption() const { return caption_; }
  void setCaption(const QString& caption);
  // "Arial" bold at first; its colour is the text colour.
  const gdi::Font& Font() const { return look_.Font; }
  using QWidget::setFont;
  void setFont(const gdi::Font& font);
  gdi::TColor Color() const { return look_.Color; }
  void setColor(gdi::TColor c);
  bool MyTransparent() const { return look_.MyTransparent; }
  void setMyTransparent(bool on);

  // Everything painting reads.
  controls::RotatedLabelLook look() const;
  // The label's own painting over what lies behind it, of the label's size.
  gdi::Bitmap renderToBitmap() const;
  // The picture for the clipboard (see controls::labelClip): background
  // white, the ink's top-left corner at (20, 20).
  gdi::Bitmap clipboardBitmap() const;

 signals:
  void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
  void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos);
  void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  controls::TLabelStyle style_;
  controls::RotatedLabelLook look_;
  QString caption_;
};
