#include "controls/TMyLabelRotate.h"

#include "controls/LabelImage.h"
#include "controls/engine/LabelClip.h"

TMyLabelRotate::TMyLabelRotate(QWidget* parent)
    : LabelControl(controls::rotatedLabelFont(), parent) {
  style_.OnChange = [this] { labelChanged(); };
}

void TMyLabelRotate::setMyTransparent(bool on) { store(myTransparent_, on); }

controls::RotatedLabelLook TMyLabelRotate::look() const {
  controls::RotatedLabelLook l;
  l.Caption = Caption().toStdString();
  l.Font = Font();
  l.Color = Color();
  l.MyTransparent = myTransparent_;
  l.Style = style_.values();
  return l;
}

gdi::Bitmap TMyLabelRotate::renderToBitmap() const {
  return controls::renderRotatedLabel(look(), {width(), height()},
                                      controls::backgroundBehind(*this));
}

gdi::Bitmap TMyLabelRotate::clipboardBitmap() const {
  return controls::labelClip(renderToBitmap());
}

void TMyLabelRotate::paintEvent(QPaintEvent*) {
  const controls::RotatedLabelLook l = look();
  const gdi::TColor key = controls::unusedColor(
      {l.Font.color, l.Style.AShadeLeftTop, l.Style.AShadeRightBottom, l.Color});
  showPainting(controls::renderRotatedLabel(l, {width(), height()}, key), key);
}
