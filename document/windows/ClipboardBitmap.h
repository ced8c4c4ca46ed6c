#pragma once
// Putting a bitmap on the clipboard the program's way: when the clipboard
// does not offer the bitmap format it is claimed first; false when the
// clipboard still cannot take it (in use, unavailable) or the bitmap is empty.
#include "platform/gdi/Bitmap.h"

namespace document {

bool putBitmapOnClipboard(const gdi::Bitmap& bitmap);

}  // namespace document
