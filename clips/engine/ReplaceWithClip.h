#pragma once
// "Replace a color with clipboard": the clipboard picture shows through
// wherever the picture has the clicked colour, aligned at the picture's top
// left.
#include "clips/engine/Progress.h"
#include "platform/gdi/Bitmap.h"

namespace clips {

// A copy of `picture` in which every pixel of colour `color` (exactly) that
// lies inside the clip's width and height takes the clip's pixel at the same
// place.
gdi::Bitmap replaceColorWithClip(const gdi::Bitmap& picture, const gdi::Bitmap& clip,
                                 gdi::TColor color, const ProgressStep& step = {});

}  // namespace clips
