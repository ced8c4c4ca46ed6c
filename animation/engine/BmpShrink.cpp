#include "animation/engine/BmpShrink.h"

#include "animation/engine/BulkResize.h"
#include "platform/codecs/Bmp.h"
#include "platform/codecs/PictureError.h"
#include "platform/gdi/StretchMap.h"

namespace animation {

std::optional<gdi::Bitmap> shrinkBmpFile(std::span<const std::uint8_t> file, gdi::Size to) {
  codecs::BmpLayout layout;
  try {
    layout = codecs::readBmpLayout(file);
  } catch (const codecs::PictureError&) {
    return std::nullopt;
  }
  const codecs::DibInfo& info = layout.info;
  const bool standard32 = info.bitCount == 32 && info.redMask == 0xFF0000 &&
                          info.greenMask == 0xFF00 && info.blueMask == 0xFF;
  if (info.compression != codecs::BI_RGB || (info.bitCount != 24 && !standard32))
    return std::nullopt;
  const int w = info.width, h = info.height;
  if (to.cx < 1 || to.cy < 1 || frameResizeMode({w, h}, to) != gdi::StretchMode::ColorOnColor)
    return std::nullopt;
  // As the full reader: the last row's padding may be missing, its pixels may not.
  const std::size_t bytesPerPixel = std::size_t(info.bitCount / 8);
  if (layout.bits.size() < info.stride * std::size_t(h - 1) + bytesPerPixel * std::size_t(w))
    return std::nullopt;

  // The stretch's own choice of source pixel for every new one.
  const gdi::AxisMap cols = gdi::mapAxis(0, to.cx, 0, w, to.cx, w);
  const gdi::AxisMap rows = gdi::mapAxis(0, to.cy, 0, h, to.cy, h);
  gdi::Bitmap out(to.cx, to.cy);
  out.setPixelFormat(info.bitCount == 24 ? gdi::PixelFormat::Bits24 : gdi::PixelFormat::Bits32);
  std::vector<std::size_t> offsets(std::size_t(to.cx));
  for (int x = 0; x < to.cx; ++x)
    offsets[std::size_t(x)] = std::size_t(cols.lo[std::size_t(x)]) * bytesPerPixel;
  for (int y = 0; y < to.cy; ++y) {
    const int sourceRow = rows.lo[std::size_t(y)];
    const std::uint8_t* src =
        layout.bits.data() +
        std::size_t(info.topDown ? sourceRow : h - 1 - sourceRow) * info.stride;
    std::uint32_t* dst = out.row(y);
    for (int x = 0; x < to.cx; ++x) {
      const std::uint8_t* p = src + offsets[std::size_t(x)];
      dst[x] = std::uint32_t(p[2]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[0]) << 16;
    }
  }
  out.markAllDirty();
  return out;
}

}  // namespace animation
