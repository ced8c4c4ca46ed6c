// Uncompressed DIB rows of every depth, bit fields included.
#include <algorithm>
#include <array>
#include <bit>
#include <vector>

#include "platform/codecs/BmpDetail.h"

namespace codecs::bmp_detail {
namespace {

gdi::PixelFormat formatOf(const DibInfo& info) {
  switch (info.bitCount) {
    case 1:
      return gdi::PixelFormat::Bits1;
    case 4:
      return gdi::PixelFormat::Bits4;
    case 8:
      return gdi::PixelFormat::Bits8;
    case 16:
      return info.redMask == 0x7C00 && info.greenMask == 0x03E0 && info.blueMask == 0x001F
                 ? gdi::PixelFormat::Bits15
                 : gdi::PixelFormat::Bits16;
    case 24:
      return gdi::PixelFormat::Bits24;
    default:
      return gdi::PixelFormat::Bits32;
  }
}

// Colour of each index; indices past a short colour table are black.
std::array<std::uint32_t, 256> indexColors(const DibInfo& info) {
  std::array<std::uint32_t, 256> lut{};
  for (std::size_t i = 0; i < info.palette.size() && i < lut.size(); ++i)
    lut[i] = std::uint32_t(info.palette[i]);
  return lut;
}

// One channel of a bit-field pixel scaled to 0..255, whatever the mask's
// width (wide masks keep their top 8 bits, narrow ones are stretched).
class Channel {
 public:
  explicit Channel(std::uint32_t mask) : mask_(mask) {
    if (mask == 0) return;
    shift_ = std::countr_zero(mask);
    std::uint32_t max = mask >> shift_;
    while (max > 255) {
      max >>= 1;
      ++reduce_;
    }
    for (std::uint32_t v = 0; v < 256; ++v)
      lut_[v] = std::uint8_t(v >= max ? 255 : (v * 255 + max / 2) / max);
  }
  std::uint32_t operator()(std::uint32_t pixel) const {
    return mask_ ? lut_[((pixel & mask_) >> shift_) >> reduce_] : 0;
  }

 private:
  std::uint32_t mask_;
  int shift_ = 0;
  int reduce_ = 0;
  std::array<std::uint8_t, 256> lut_{};
};

struct BitFields {
  Channel r, g, b;
  explicit BitFields(const DibInfo& info) : r(info.redMask), g(info.greenMask), b(info.blueMask) {}
  std::uint32_t operator()(std::uint32_t v) const { return r(v) | g(v) << 8 | b(v) << 16; }
};

void unpackIndices(const std::uint8_t* src, std::uint32_t* out, int width, int bits,
                   const std::array<std::uint32_t, 256>& lut) {
  if (bits == 8) {
    for (int x = 0; x < width; ++x) out[x] = lut[src[x]];
  } else if (bits == 4) {
    for (int x = 0; x < width; ++x) out[x] = lut[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F];
  } else {
    for (int x = 0; x < width; ++x) out[x] = lut[(src[x >> 3] >> (7 - (x & 7))) & 1];
  }
}

}  // namespace

gdi::Bitmap newDibBitmap(const DibInfo& info) {
  gdi::Bitmap b;
  // Palette before size: the new pixels are then snapped once, not twice.
  if (info.bitCount <= 8) b.setPalette(info.palette);
  b.setPixelFormat(formatOf(info));
  b.setSize(info.width, info.height);
  return b;
}

gdi::Bitmap decodeRows(const DibInfo& info, std::span<const std::uint8_t> bits) {
  const int w = info.width, h = info.height;
  // The last row's padding may be missing; its pixels may not.
  const std::size_t rowBytes = (std::size_t(w) * std::size_t(info.bitCount) + 7) / 8;
  if (bits.size() < info.stride * std::size_t(h - 1) + rowBytes)
    invalid("the pixel data is cut off");
  // Every row is decoded below; without a palette to snap to, the new pixels
  // need not be made white first.
  gdi::Bitmap bmp = info.bitCount <= 8 ? newDibBitmap(info) : gdi::Bitmap::forOverwrite(w, h);
  if (info.bitCount > 8) bmp.setPixelFormat(formatOf(info));
  const std::array<std::uint32_t, 256> lut = indexColors(info);
  const bool standard32 =
      info.redMask == 0xFF0000 && info.greenMask == 0xFF00 && info.blueMask == 0xFF;
  std::vector<std::uint32_t> table16;
  if (info.bitCount == 16) {
    // Every 16-bit value decoded once.
    const BitFields fields(info);
    table16.resize(65536);
    for (std::uint32_t v = 0; v < 65536; ++v) table16[v] = fields(v);
  }
  const BitFields fields(info);
  for (int r = 0; r < h; ++r) {
    const std::uint8_t* src = bits.data() + std::size_t(r) * info.stride;
    std::uint32_t* out = bmp.row(info.topDown ? r : h - 1 - r);
    switch (info.bitCount) {
      case 1:
      case 4:
      case 8:
        unpackIndices(src, out, w, info.bitCount, lut);
        break;
      case 16:
        for (int x = 0; x < w; ++x) out[x] = table16[le16(src + 2 * x)];
        break;
      case 24:
        for (int x = 0; x < w; ++x, src += 3)
          out[x] = std::uint32_t(src[2]) | std::uint32_t(src[1]) << 8 | std::uint32_t(src[0]) << 16;
        break;
      default:
        if (standard32) {
          for (int x = 0; x < w; ++x, src += 4)
            out[x] =
                std::uint32_t(src[2]) | std::uint32_t(src[1]) << 8 | std::uint32_t(src[0]) << 16;
        } else {
          for (int x = 0; x < w; ++x) out[x] = fields(le32(src + 4 * x));
        }
        break;
    }
  }
  bmp.markAllDirty();
  return bmp;
}

}  // namespace codecs::bmp_detail
