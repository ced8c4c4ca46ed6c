#pragma once
// A label with a three-dimensional look: the caption drawn raised, lowered
// or with a drop shadow in two shade colours. Transparent by default; an
// auto-sized label takes the size of its caption.
#include <QString>
#include <QWidget>

#include "controls/engine/Label3dPaint.h"
#include "controls/engine/LightShade.h"

class TLabel3d : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
  Q_PROPERTY(int AHShadeOffSet READ AHShadeOffSet WRITE setAHShadeOffSet)
  Q_PROPERTY(int AVShadeOffSet READ AVShadeOffSet WRITE setAVShadeOffSet)
  Q_PROPERTY(bool AShadeLTSet READ AShadeLTSet WRITE setAShadeLTSet)
  Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)

 public:
  explicit TLabel3d(QWidget* parent = nullptr);

  controls::T3DEffect AStyle3D() const { return look_.AStyle3D; }
  void setAStyle3D(controls::T3DEffect effect);
  gdi::TColor AShadeRightBottom() const { return look_.AShadeRightBottom; }
  void setAShadeRightBottom(gdi::TColor c);
  gdi::TColor AShadeLeftTop() const { return light_.color(); }
  // Ignored while AShadeLTSet is on.
  void setAShadeLeftTop(gdi::TColor c);
  // On: the light shade is white; off: the colour chosen before comes back.
  bool AShadeLTSet() const { return light_.forced(); }
  void setAShadeLTSet(bool on);
  int AHShadeOffSet() const { return look_.AHShadeOffSet; }
  void setAHShadeOffSet(int v);
  int AVShadeOffSet() const { return look_.AVShadeOffSet; }
  void setAVShadeOffSet(int v);

  QString Caption() const { return caption_; }
  void setCaption(const QString& caption);
  const gdi::Font& Font() const { return look_.Font; }
  using QWidget::setFont;
  void setFont(const gdi::Font& font);
  gdi::TColor Color() const { return look_.Color; }
  void setColor(gdi::TColor c);
  bool Transparent() const { return look_.Transparent; }
  void setTransparent(bool on);
  // DT_LEFT, DT_CENTER or DT_RIGHT.
  unsigned Alignment() const { return look_.Alignment; }
  void setAlignment(unsigned flags);
  bool ShowAccelChar() const { return look_.ShowAccelChar; }
  void setShowAccelChar(bool on);
  bool AutoSize() const { return autoSize_; }
  void setAutoSize(bool on);

  // Everything painting reads.
  controls::Label3dLook look() const;
  // The label's own painting over what lies behind it.
  gdi::Bitmap renderToBitmap() const;

 signals:
  void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
  void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos);
  void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  template <typename T>
  void store(T& field, T value);
  void changed();

  controls::Label3dLook look_;
  controls::LightShade light_;
  QString caption_;
  bool autoSize_ = true;
};
