#pragma once
// "Mirror Clip Image": the clip turned over left to right.
#include "clips/engine/Progress.h"
#include "platform/gdi/Bitmap.h"

namespace clips {

// Pixel (x, y) of the result is pixel (width - 1 - x, y) of the clip. It
// keeps the clip's pixel format, palette and transparency. A clip without
// rows gives an empty result.
gdi::Bitmap mirrorClip(const gdi::Bitmap& clip, const ProgressStep& step = {});

}  // namespace clips
