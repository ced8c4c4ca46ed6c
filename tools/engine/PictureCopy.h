#pragma once
// Taking a copy of the picture (the undo copy, before a figure or a fill).
#include "platform/gdi/Bitmap.h"

namespace tools {

// `copy` takes the pixels, format and palette of `picture`. Usually the two
// then share the pixels until one is drawn on. When both have pixels of their
// own and are of the same size and kind, the pixels are copied into the
// copy's buffer instead: the stroke that follows then draws on the picture's
// own buffer, which spares allocating (and the system zeroing) 64 MB for
// every stroke on a 4000 x 4000 picture. Keeps the copy's canvas state; the
// whole copy is marked changed.
void copyPicture(gdi::Bitmap& copy, const gdi::Bitmap& picture);

}  // namespace tools
