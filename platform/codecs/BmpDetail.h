#pragma once
// Pieces shared by the BMP reader's files: little-endian reads, the error
// helper and the two pixel decoders.
#include <cstdint>
#include <span>
#include <string>

#include "platform/codecs/Bmp.h"
#include "platform/codecs/PictureError.h"

namespace codecs::bmp_detail {

inline std::uint16_t le16(const std::uint8_t* p) { return std::uint16_t(p[0] | p[1] << 8); }
inline std::uint32_t le32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
         std::uint32_t(p[3]) << 24;
}

[[noreturn]] inline void invalid(const std::string& why) {
  throw PictureError(ErrorKind::InvalidPicture, "Invalid bitmap: " + why);
}

// A bitmap of the info's size, format tag and palette (pixels not yet set).
gdi::Bitmap newDibBitmap(const DibInfo& info);

// Uncompressed rows; `bits` starts at the first stored row.
gdi::Bitmap decodeRows(const DibInfo& info, std::span<const std::uint8_t> bits);

// RLE4 and RLE8; `bits` starts at the first code.
gdi::Bitmap decodeRle(const DibInfo& info, std::span<const std::uint8_t> bits);

}  // namespace codecs::bmp_detail
