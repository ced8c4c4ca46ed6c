#include "tools/engine/PictureCopy.h"

#include <cstring>

namespace tools {

void copyPicture(gdi::Bitmap& copy, const gdi::Bitmap& picture) {
  if (&copy == &picture) return;
  const bool sameKind = copy.width() == picture.width() && copy.height() == picture.height() &&
                        copy.pixelFormat() == picture.pixelFormat() &&
                        copy.hasPalette() == picture.hasPalette() &&
                        (!copy.hasPalette() || copy.palette() == picture.palette());
  if (!sameKind || picture.empty() || !copy.isDetached() || !picture.isDetached()) {
    copy = picture;
    copy.markAllDirty();
    return;
  }
  std::memcpy(copy.bits(), picture.bits(),
              std::size_t(picture.width()) * std::size_t(picture.height()) * 4);
  copy.setTransparent(picture.transparent());
  if (picture.transparentMode() == gdi::TransparentMode::Fixed)
    copy.setTransparentColor(picture.transparentColor());
  else
    copy.setTransparentMode(gdi::TransparentMode::Auto);
  copy.markAllDirty();
}

}  // namespace tools
