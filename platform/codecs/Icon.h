#pragma once
// Icon files (.ico; cursors .cur share the layout). A file holds several
// images of different sizes and depths: 1/4/8/16/24/32-bit bitmaps with an
// AND mask, or PNG-compressed images. Each comes out as a bitmap showing the
// icon drawn at (0, 0) onto white: transparent parts are white.
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "platform/gdi/Bitmap.h"

namespace codecs {

struct IconImage {
  gdi::Bitmap bitmap;
  int bitCount = 0;  // of the stored image; 32 for PNG entries
  bool png = false;
};

// Every image of the file that can be decoded, in file order. Throws
// PictureError(InvalidPicture) when the file is no icon or no image decodes.
std::vector<IconImage> readIconImages(std::span<const std::uint8_t> bytes);

// The image the studio opens: the largest, the deepest of equally large ones.
gdi::Bitmap readIcon(std::span<const std::uint8_t> bytes);
gdi::Bitmap readIconFile(const std::filesystem::path& path);

// True when the bytes start like an icon or cursor directory.
bool looksLikeIcon(std::span<const std::uint8_t> bytes);

}  // namespace codecs
