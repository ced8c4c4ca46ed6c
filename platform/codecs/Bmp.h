#pragma once
// Windows bitmap files (.bmp) and the device-independent bitmaps (DIBs) they
// hold: a DIB is an info header, an optional colour table and the pixel rows;
// a .bmp file puts a 14-byte file header in front of one.
//
// Reading takes 1, 4, 8, 16, 24 and 32 bits per pixel, RLE4 and RLE8, bit
// fields, the core (12-byte), info (40), V2/V3 (52/56), V4 (108) and V5 (124)
// headers, rows stored bottom-up or top-down. The bitmap gets the matching
// PixelFormat tag; 1-, 4- and 8-bit files keep their palette.
//
// Every reader throws codecs::PictureError: InvalidPicture for malformed or
// unsupported data, TooLarge for sizes over the limit (checked before any
// pixel memory is taken), Io for files that cannot be read. No header value
// is trusted: every offset and size is checked against the bytes at hand.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "platform/gdi/Bitmap.h"

namespace codecs {

// Compression codes of the info header.
enum BmpCompression : std::uint32_t {
  BI_RGB = 0,
  BI_RLE8 = 1,
  BI_RLE4 = 2,
  BI_BITFIELDS = 3,
  BI_JPEG = 4,
  BI_PNG = 5,
  BI_ALPHABITFIELDS = 6
};

// What a DIB's header and colour table say.
struct DibInfo {
  std::uint32_t headerSize = 0;  // 12, 40, 52, 56, 108 or 124
  int width = 0;
  // Rows of the image (always positive; see DibHeight for icons).
  int height = 0;
  bool topDown = false;
  int bitCount = 0;
  std::uint32_t compression = BI_RGB;
  // Channel masks of 16- and 32-bit pixels (the defaults when the file has none).
  std::uint32_t redMask = 0, greenMask = 0, blueMask = 0;
  // The colour table (1-, 4- and 8-bit images; may have fewer than 2^bitCount entries).
  gdi::Palette palette;
  // Offset of the pixel rows from the start of the DIB when they follow the
  // colour table directly (as in icons and clipboard DIBs).
  std::size_t bitsOffset = 0;
  // Bytes per row and bytes of all rows of an uncompressed image.
  std::size_t stride = 0;
  std::size_t imageBytes = 0;
};

// Icons store the colour image and the 1-bit AND mask below it in one DIB
// whose header gives the height of both together.
enum class DibHeight { AsStored, HalfForIconMask };

// Bytes per row of `width` pixels of `bitCount` bits, rounded up to 4 bytes.
std::size_t dibStride(int width, int bitCount);

// Reads the header and colour table of the DIB at the start of `dib`.
DibInfo readDibInfo(std::span<const std::uint8_t> dib, DibHeight height = DibHeight::AsStored);

struct Dib {
  gdi::Bitmap bitmap;
  DibInfo info;
};

// Decodes a DIB without a file header whose rows follow its colour table.
// For icons (HalfForIconMask) the AND mask follows at
// info.bitsOffset + info.imageBytes, info.height rows of dibStride(width, 1).
Dib readDib(std::span<const std::uint8_t> dib, DibHeight height = DibHeight::AsStored);

// Decodes a .bmp file held in memory.
gdi::Bitmap readBmp(std::span<const std::uint8_t> bytes);

// The header of a .bmp file held in memory and its pixel data, from the
// first stored row to the end of the file (not checked against the rows'
// size): for readers that take only some of the pixels. Throws as readBmp.
struct BmpLayout {
  DibInfo info;
  std::span<const std::uint8_t> bits;
};
BmpLayout readBmpLayout(std::span<const std::uint8_t> bytes);
// Reads and decodes a .bmp file.
gdi::Bitmap readBmpFile(const std::filesystem::path& path);

// The .bmp file of a bitmap: palette bitmaps at their own depth (1, 4 or 8
// bits) with their palette, everything else as 24 bits per pixel; rows
// bottom-up, uncompressed, with a 40-byte info header.
std::vector<std::uint8_t> writeBmp(const gdi::Bitmap& bitmap);
// Writes the file through the safe save (the old file survives a failure).
void writeBmpFile(const std::filesystem::path& path, const gdi::Bitmap& bitmap);

}  // namespace codecs
