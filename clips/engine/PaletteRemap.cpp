#include "clips/engine/PaletteRemap.h"

namespace clips {

bool remapToPicturePalette(gdi::Bitmap& clip, const gdi::Bitmap& picture) {
  const gdi::Palette& mine = clip.palette();
  const gdi::Palette& theirs = picture.palette();
  if (!clip.hasPalette() || !picture.hasPalette() || mine.size() != 256 || theirs.size() != 256)
    return false;
  bool differs = false;
  for (std::size_t i = 0; i < 256 && !differs; ++i)
    differs = (mine[i] & 0xFFFFFF) != (theirs[i] & 0xFFFFFF);
  if (!differs) return false;
  clip.setPalette(theirs);
  return true;
}

}  // namespace clips
