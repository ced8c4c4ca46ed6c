#pragma once
// A label with a three-dimensional look: the caption drawn raised, lowered
// or with a drop shadow in two shade colours. Transparent by default; an
// auto-sized label takes the size of its caption.
#include "controls/LabelControl.h"
#include "controls/engine/Label3dPaint.h"
#include "controls/engine/LightShade.h"

class TLabel3d : public LabelControl {
  Q_OBJECT
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

 protected:
  void labelChanged() override;
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  controls::Label3dLook look_;  // caption, font and colour live in the base
  controls::LightShade light_;
  bool autoSize_ = true;
};
