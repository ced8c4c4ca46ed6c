#pragma once
// The part of a picture an effect is about to change, kept so that an effect
// the user stops can put the picture back exactly as it was. Only the area
// is kept, not the whole picture.
#include <algorithm>
#include <cstdint>

#include "clips/engine/Capture.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Geometry.h"

namespace clips {

class AreaUndo {
 public:
  AreaUndo(const gdi::Bitmap& picture, const gdi::Rect& area)
      : area_(area.intersected(picture.rect())), saved_(copyRegion(picture, area_)) {}

  // The kept area, within the picture.
  const gdi::Rect& area() const { return area_; }

  void restore(gdi::Bitmap& picture) const {
    for (int y = 0; y < area_.height(); ++y)
      std::copy_n(saved_.row(y), area_.width(), picture.row(area_.top + y) + area_.left);
    picture.markDirty(area_);
  }

 private:
  gdi::Rect area_;
  gdi::Bitmap saved_;
};

}  // namespace clips
