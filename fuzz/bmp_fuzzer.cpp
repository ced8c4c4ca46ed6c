// Feeds arbitrary bytes to the BMP file reader and to the DIB reader (as a
// plain DIB and as an icon image with its mask).
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/codecs/Bmp.h"
#include "platform/codecs/PictureError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  try {
    (void)codecs::readBmp(bytes);
  } catch (const codecs::PictureError&) {
  }
  if (size > 14) {
    const auto dib = bytes.subspan(14);
    try {
      (void)codecs::readDib(dib);
    } catch (const codecs::PictureError&) {
    }
    try {
      (void)codecs::readDib(dib, codecs::DibHeight::HalfForIconMask);
    } catch (const codecs::PictureError&) {
    }
  }
  return 0;
}
