#pragma once
// Conversions between gdi::Bitmap and Qt images.
#include <QImage>

#include "platform/gdi/Bitmap.h"

namespace ui {

// A QImage that shares the bitmap's pixels (valid while the bitmap lives and
// keeps its size). Format_RGBX8888 is exactly the TColor byte layout.
// Painting on the image of a non-const bitmap changes the bitmap: the bitmap
// takes pixels of its own first, so its copies keep theirs. The image is not
// to be painted on after the bitmap has been copied again.
QImage sharedImage(gdi::Bitmap& bitmap);
// A read-only image: painting on it paints on a copy of its own.
QImage sharedImage(const gdi::Bitmap& bitmap);

// A deep copy of any QImage as a bitmap; alpha is composed over white.
gdi::Bitmap toBitmap(const QImage& image);

}  // namespace ui
