#pragma once
// Conversions between gdi::Bitmap and Qt images.
#include <QImage>

#include "platform/gdi/Bitmap.h"

namespace ui {

// A QImage that shares the bitmap's pixels (valid while the bitmap lives and
// keeps its size). Format_RGBX8888 is exactly the TColor byte layout.
QImage sharedImage(gdi::Bitmap& bitmap);
QImage sharedImage(const gdi::Bitmap& bitmap);

// A deep copy of any QImage as a bitmap; alpha is composed over white.
gdi::Bitmap toBitmap(const QImage& image);

}  // namespace ui
