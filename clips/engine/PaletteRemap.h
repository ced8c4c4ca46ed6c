#pragma once
// A 256-colour clip pasted into a 256-colour picture with another palette is
// matched to the picture's palette, so its colours do not change meaning.
#include "platform/gdi/Bitmap.h"

namespace clips {

// When both bitmaps carry 256-entry palettes and any entry differs in red,
// green or blue, every pixel of the clip becomes the nearest colour of the
// picture's palette and the clip takes that palette. Returns whether it did.
bool remapToPicturePalette(gdi::Bitmap& clip, const gdi::Bitmap& picture);

}  // namespace clips
