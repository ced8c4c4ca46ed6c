// Feeds arbitrary bytes to the metafile player. Pictures are kept small so
// each run measures the parsing, not the painting of huge areas.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/codecs/Metafile.h"
#include "platform/codecs/PictureError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  try {
    const gdi::Size s = codecs::metafileSize(bytes);
    if (std::int64_t(s.cx) * s.cy > (std::int64_t(1) << 20)) return 0;
    (void)codecs::readMetafile(bytes);
  } catch (const codecs::PictureError&) {
  }
  return 0;
}
