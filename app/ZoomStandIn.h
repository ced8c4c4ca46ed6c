#pragma once
// Stands in for the zoom view control until it lands: holds a copy of the
// picture and the few properties the main window sets. Replaced by
// controls/TZoomImage.
#include <QWidget>

#include "platform/gdi/Bitmap.h"

class TZoomImage : public QWidget {
 public:
  explicit TZoomImage(QWidget* parent = nullptr) : QWidget(parent) { resize(160, 160); }
  const gdi::Bitmap& Bitmap() const { return bitmap_; }
  gdi::Bitmap& Bitmap() { return bitmap_; }
  void setBitmap(const gdi::Bitmap& picture) { bitmap_ = picture; }
  void setXCenter(int v) { xCenter_ = v; }
  void setYCenter(int v) { yCenter_ = v; }
  void setZoomValue(int v) { zoom_ = v; }
  int zoomValue() const { return zoom_; }

 private:
  gdi::Bitmap bitmap_;
  int xCenter_ = 5;
  int yCenter_ = 5;
  int zoom_ = 100;
};
