#pragma once
// Device-independent bitmaps as metafiles and icons embed them: a bitmap
// info header, its colour table and the pixel rows, without a file header.
#include <cstdint>
#include <span>

#include "platform/gdi/Bitmap.h"

namespace codecs::detail {

// Decodes a packed DIB (header, colour table, then the rows). `bits`, when
// given, holds the rows separately (EMF keeps them apart from the header).
// Throws PictureError(InvalidPicture) for a damaged DIB, TooLarge past the
// size limit.
gdi::Bitmap readPackedDib(std::span<const std::uint8_t> info,
                          std::span<const std::uint8_t> bits = {});

}  // namespace codecs::detail
