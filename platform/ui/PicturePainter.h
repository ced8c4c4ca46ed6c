#pragma once
// Paints the parts of a picture that lie under a region of its control. Only
// those parts are handed to the painter -- a stroke on a 4000 x 4000 picture
// converts a few pixels for the screen, not sixteen million.
#include <QRegion>

#include "platform/gdi/Bitmap.h"
#include "platform/ui/PictureMapping.h"

class QPainter;

namespace ui {

// `transparent`: pixels of the bitmap's transparent colour are left out.
void paintPicture(QPainter& painter, const gdi::Bitmap& bitmap, const PictureMapping& mapping,
                  const QRegion& region, bool transparent);

}  // namespace ui
