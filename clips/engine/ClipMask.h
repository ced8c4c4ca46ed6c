#pragma once
// The mask of a clip: black wherever the clip is not pure white, white where
// it is. Drawn with MERGEPAINT it whitens the picture under the clip's opaque
// pixels, so the clip drawn after it with SRCAND shows its own colours there
// and leaves the picture alone under its white (transparent) pixels.
#include <cstdint>

#include "clips/engine/Progress.h"
#include "platform/gdi/Bitmap.h"

namespace clips {

// Pure white, the transparent colour of clips (flags in the high byte ignored).
constexpr bool isClipWhite(std::uint32_t pixel) { return (pixel & 0xFFFFFF) == 0xFFFFFF; }

// A mask of the clip's size. It has no palette, so its black is exact.
gdi::Bitmap makeMask(const gdi::Bitmap& clip, const ProgressStep& step = {});

}  // namespace clips
