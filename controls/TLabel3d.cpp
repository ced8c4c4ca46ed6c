#include "controls/TLabel3d.h"

#include <QEvent>

#include "controls/LabelImage.h"

TLabel3d::TLabel3d(QWidget* parent) : LabelControl(gdi::Font(), parent) { labelChanged(); }

void TLabel3d::labelChanged() {
  if (autoSize_) {
    const gdi::Size s = controls::label3dTextSize(look());
    resize(s.cx, s.cy);
  }
  update();
}

void TLabel3d::setAStyle3D(controls::T3DEffect effect) { store(look_.AStyle3D, effect); }
void TLabel3d::setAShadeRightBottom(gdi::TColor c) { store(look_.AShadeRightBottom, c); }
void TLabel3d::setAHShadeOffSet(int v) { store(look_.AHShadeOffSet, v); }
void TLabel3d::setAVShadeOffSet(int v) { store(look_.AVShadeOffSet, v); }
void TLabel3d::setTransparent(bool on) { store(look_.Transparent, on); }
void TLabel3d::setAlignment(unsigned flags) { store(look_.Alignment, flags); }
void TLabel3d::setShowAccelChar(bool on) { store(look_.ShowAccelChar, on); }
void TLabel3d::setAutoSize(bool on) { store(autoSize_, on); }

void TLabel3d::setAShadeLeftTop(gdi::TColor c) {
  if (light_.setColor(c)) labelChanged();
}

void TLabel3d::setAShadeLTSet(bool on) {
  if (light_.setForced(on)) labelChanged();
}

controls::Label3dLook TLabel3d::look() const {
  controls::Label3dLook l = look_;
  l.Caption = Caption().toStdString();
  l.Font = Font();
  l.Color = Color();
  l.AShadeLeftTop = light_.color();
  l.Enabled = isEnabled();
  return l;
}

gdi::Bitmap TLabel3d::renderToBitmap() const {
  return controls::renderLabel3d(look(), {width(), height()}, controls::backgroundBehind(*this));
}

void TLabel3d::paintEvent(QPaintEvent*) {
  const controls::Label3dLook l = look();
  const gdi::TColor key = controls::unusedColor(
      {l.Enabled ? l.Font.color : gdi::clGrayText, l.AShadeLeftTop, l.AShadeRightBottom, l.Color});
  showPainting(controls::renderLabel3d(l, {width(), height()}, key), key);
}

void TLabel3d::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) update();
  LabelControl::changeEvent(event);
}
