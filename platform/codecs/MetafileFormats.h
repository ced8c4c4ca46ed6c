#pragma once
// The two record formats behind readMetafile.
#include <cstdint>
#include <span>

#include "platform/gdi/Bitmap.h"

namespace codecs::detail {

gdi::Size wmfSize(std::span<const std::uint8_t> bytes);
gdi::Bitmap playWmf(std::span<const std::uint8_t> bytes);

gdi::Size emfSize(std::span<const std::uint8_t> bytes);
gdi::Bitmap playEmf(std::span<const std::uint8_t> bytes);

}  // namespace codecs::detail
