#pragma once
// A label whose caption is turned by its style's angle about the label's
// centre, with a 3D effect. Transparent: only the text (and, when
// MyTransparent is off, a box in the label's colour under it) is painted.
// Changing the style repaints the label.
#include "controls/LabelControl.h"
#include "controls/engine/RotatedLabelPaint.h"
#include "controls/engine/TLabelStyle.h"

class TMyLabelRotate : public LabelControl {
  Q_OBJECT
  Q_PROPERTY(bool MyTransparent READ MyTransparent WRITE setMyTransparent)

 public:
  // "Arial" bold at first.
  explicit TMyLabelRotate(QWidget* parent = nullptr);

  // Owned by the label.
  controls::TLabelStyle& LabelStyle() { return style_; }
  const controls::TLabelStyle& LabelStyle() const { return style_; }

  bool MyTransparent() const { return myTransparent_; }
  void setMyTransparent(bool on);

  // Everything painting reads.
  controls::RotatedLabelLook look() const;
  // The label's own painting over what lies behind it, of the label's size.
  gdi::Bitmap renderToBitmap() const;
  // The picture for the clipboard (see controls::labelClip): background
  // white, the ink's top-left corner at (20, 20).
  gdi::Bitmap clipboardBitmap() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  controls::TLabelStyle style_;
  bool myTransparent_ = true;
};
