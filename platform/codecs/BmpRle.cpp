// Run-length encoded DIBs (RLE8 and RLE4). The codes are pairs: a count and
// a colour for a run, or a zero followed by an escape: 0 end of line, 1 end
// of bitmap, 2 a move right and up by the next two bytes, 3..255 that many
// literal pixels padded to an even number of bytes. Rows are stored bottom-up;
// pixels no code reaches take colour index 0.
//
// Pixels a code puts past the end of its row are dropped, as the platform's
// own loader drops them: some writers (ImageMagick among them) encode every
// row up to its padded length. Codes that would read past the data, write
// past the last row or move out of the picture make the file invalid.
#include <algorithm>
#include <string>

#include "platform/codecs/BmpDetail.h"

namespace codecs::bmp_detail {
namespace {

// Blank areas can be skipped with a few bytes, so a tiny file could ask for a
// huge picture; past this many pixels the data has to be in proportion.
constexpr std::int64_t kFreePixels = std::int64_t(1) << 24;
constexpr std::int64_t kPixelsPerByte = 1024;

}  // namespace

gdi::Bitmap decodeRle(const DibInfo& info, std::span<const std::uint8_t> bits) {
  const int w = info.width, h = info.height;
  const std::int64_t pixels = std::int64_t(w) * h;
  if (pixels > kFreePixels && pixels > std::int64_t(bits.size()) * kPixelsPerByte)
    invalid("the compressed data is far too short for a " + std::to_string(w) + " x " +
            std::to_string(h) + " picture");
  const bool four = info.compression == BI_RLE4;
  std::uint32_t lut[256] = {};
  for (std::size_t i = 0; i < info.palette.size() && i < 256; ++i)
    lut[i] = std::uint32_t(info.palette[i]);

  gdi::Bitmap bmp = newDibBitmap(info);
  bmp.fill(gdi::TColor(lut[0]));
  const std::uint8_t* d = bits.data();
  const std::size_t n = bits.size();
  std::size_t i = 0;
  int x = 0, r = 0;  // r counts rows from the bottom
  // Where a code's `count` pixels go, and how many of them lie on the row.
  auto rowPixels = [&](int count, int& shown) {
    if (r >= h) invalid("compressed data runs past the last row");
    std::uint32_t* out = bmp.row(h - 1 - r) + x;
    shown = std::min(count, w - x);
    x += shown;
    return out;
  };
  for (;;) {
    if (i + 2 > n) {
      // Some writers end without the end-of-bitmap code once every row is done.
      if (r >= h) break;
      invalid("the compressed data is cut off");
    }
    const int count = d[i], code = d[i + 1];
    i += 2;
    if (count > 0) {
      int shown = 0;
      std::uint32_t* out = rowPixels(count, shown);
      if (four) {
        const std::uint32_t c[2] = {lut[code >> 4], lut[code & 0x0F]};
        for (int k = 0; k < shown; ++k) out[k] = c[k & 1];
      } else {
        std::fill_n(out, shown, lut[code]);
      }
      continue;
    }
    if (code == 0) {  // end of line
      x = 0;
      ++r;
    } else if (code == 1) {  // end of bitmap
      break;
    } else if (code == 2) {  // move
      if (i + 2 > n) invalid("the compressed data is cut off");
      x += d[i];
      r += d[i + 1];
      i += 2;
      if (x > w || r > h) invalid("a move leaves the picture");
    } else {  // literal pixels
      const std::size_t bytes = four ? (std::size_t(code) + 1) / 2 : std::size_t(code);
      const std::size_t padded = (bytes + 1) & ~std::size_t(1);
      if (i + bytes > n) invalid("the compressed data is cut off");
      int shown = 0;
      std::uint32_t* out = rowPixels(code, shown);
      if (four) {
        for (int k = 0; k < shown; ++k) out[k] = lut[(d[i + k / 2] >> ((k & 1) ? 0 : 4)) & 0x0F];
      } else {
        for (int k = 0; k < shown; ++k) out[k] = lut[d[i + k]];
      }
      i = std::min(n, i + padded);
    }
  }
  bmp.markAllDirty();
  return bmp;
}

}  // namespace codecs::bmp_detail
