// Feeds arbitrary bytes to the icon reader: every entry, then the one the
// studio opens.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/codecs/Icon.h"
#include "platform/codecs/PictureError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  try {
    (void)codecs::readIconImages(bytes);
  } catch (const codecs::PictureError&) {
  }
  try {
    (void)codecs::readIcon(bytes);
  } catch (const codecs::PictureError&) {
  }
  return 0;
}
