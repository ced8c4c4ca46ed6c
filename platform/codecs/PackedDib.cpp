#include "platform/codecs/PackedDib.h"

#include <vector>

#include "platform/codecs/Bmp.h"

namespace codecs::detail {

gdi::Bitmap readPackedDib(std::span<const std::uint8_t> info, std::span<const std::uint8_t> bits) {
  if (bits.empty()) return readDib(info).bitmap;
  // The DIB reader wants the rows right after the colour table.
  const DibInfo header = readDibInfo(info);
  std::vector<std::uint8_t> joined(
      info.begin(), info.begin() + std::ptrdiff_t(std::min(header.bitsOffset, info.size())));
  joined.insert(joined.end(), bits.begin(), bits.end());
  return readDib(joined).bitmap;
}

}  // namespace codecs::detail
