// Feeds arbitrary bytes to the JPEG reader with every combination of the
// decoding choices (picked from the input's length).
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/codecs/Jpeg.h"
#include "platform/codecs/PictureError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  try {
    const codecs::JpegInfo info = codecs::readJpegInfo(bytes);
    codecs::JpegDecodeOptions o;
    o.scale = codecs::JpegScale(size % 4);
    o.pixelFormat = codecs::JpegPixelFormat(size / 4 % 2);
    o.colorSpace = codecs::JpegColorSpace(size / 8 % 2);
    o.performance = codecs::JpegPerformance(size / 16 % 2);
    o.progressiveDisplay = size / 32 % 2;
    o.incrementalDisplay = size / 64 % 2;
    // Huge headers over a few bytes of data only measure how long libjpeg
    // takes to fill in missing pixels; keep each run short.
    const gdi::Size out = codecs::jpegScaledSize(info, o.scale);
    if (std::int64_t(out.cx) * out.cy > (std::int64_t(1) << 22)) return 0;
    int calls = 0;
    codecs::decodeJpeg(bytes, o, [&](int, const gdi::Bitmap*) { ++calls; });
  } catch (const codecs::PictureError&) {
  }
  return 0;
}
