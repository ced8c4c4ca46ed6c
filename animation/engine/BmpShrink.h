#pragma once
// Shrinking a frame stored as an uncompressed 24- or 32-bit Windows bitmap
// straight from its file's rows. A ColorOnColor shrink keeps one source
// pixel for each new pixel, so only those are converted: the same picture as
// decoding the whole frame and stretching it (resizedFrame), without making
// the full-size frame first. This is the common case of a bulk resize.
#include <cstdint>
#include <optional>
#include <span>

#include "platform/gdi/Bitmap.h"

namespace animation {

// The frame in `file` resized to `to` (sides of at least 1). None when the
// file is anything else (other depths, compressed or damaged: the full
// reader then says what is wrong) or the resize is not a ColorOnColor one.
std::optional<gdi::Bitmap> shrinkBmpFile(std::span<const std::uint8_t> file, gdi::Size to);

}  // namespace animation
