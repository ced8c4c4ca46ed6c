#pragma once
// Replacing one colour inside a clip cut along an outline. White is the
// clip's outside, so it is never replaced and never asked for.
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Geometry.h"

namespace clips {

enum class ClipReplace { Done, RefusedWhite };

// Every pixel equal to `from` (and not white) becomes `to`. Refused, with the
// clip untouched, when `from` is white.
ClipReplace replaceClipColor(gdi::Bitmap& clip, gdi::TColor from, gdi::TColor to);

// Draws the clip onto the picture with its top-left at `at`, skipping its
// white pixels, so only the region inside the outline lands.
void drawClipOver(gdi::Bitmap& picture, const gdi::Bitmap& clip, gdi::Point at);

}  // namespace clips
