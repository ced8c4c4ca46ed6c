#pragma once
// What the program's labels share: caption, font and colour; mouse events
// passed on to the window as signals, with a click when the button is let
// go over the label; and showing a painting whose background is see-through.
#include <QPoint>
#include <QString>
#include <QWidget>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Canvas.h"

class LabelControl : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE setCaption)

 public:
  LabelControl(const gdi::Font& font, QWidget* parent);

  QString Caption() const { return caption_; }
  void setCaption(const QString& caption);
  // Its colour is the text colour.
  const gdi::Font& Font() const { return font_; }
  using QWidget::setFont;
  void setFont(const gdi::Font& font);
  gdi::TColor Color() const { return color_; }
  void setColor(gdi::TColor c);

 signals:
  void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
  void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos);
  void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
  void clicked();

 protected:
  // Runs after every change of a property; repaints.
  virtual void labelChanged() { update(); }
  template <typename T>
  void store(T& field, const T& value) {
    if (field == value) return;
    field = value;
    labelChanged();
  }
  // Shows a painting made on a background of `key`, the key see-through.
  void showPainting(const gdi::Bitmap& painting, gdi::TColor key);

  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QString caption_;
  gdi::Font font_;
  gdi::TColor color_ = gdi::clBtnFace;
};
