#pragma once
// "Capture from Template File": a pasted template is a cookie cutter, and
// the picture area under its opaque (not white) pixels becomes the new clip.
#include "clips/engine/Progress.h"
#include "platform/gdi/Bitmap.h"

namespace clips {

// A bitmap of the template's size, white except where the template pixel is
// not white: there it takes the picture's pixel under it, with the template
// drawn at `at`. Places off the picture stay white.
gdi::Bitmap captureUnderTemplate(const gdi::Bitmap& picture, const gdi::Bitmap& stencil,
                                 gdi::Point at, const ProgressStep& step = {});

}  // namespace clips
