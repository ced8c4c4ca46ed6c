// Writing .bmp files: 40-byte info header, rows bottom-up, no compression.
#include <algorithm>
#include <cstring>
#include <span>
#include <vector>

#include "platform/codecs/Bmp.h"
#include "platform/codecs/PictureError.h"
#include "platform/codecs/SafeSave.h"

namespace codecs {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
// 96 dots per inch.
constexpr std::uint32_t kPixelsPerMeter = 3780;
// Bytes of rows converted before they go to the file.
constexpr std::size_t kBatchBytes = std::size_t(1) << 18;

void put16(std::uint8_t* p, std::uint32_t v) {
  p[0] = std::uint8_t(v);
  p[1] = std::uint8_t(v >> 8);
}
void put32(std::uint8_t* p, std::uint32_t v) {
  put16(p, v);
  put16(p + 2, v >> 16);
}

// The depth a palette bitmap is written at: its own, or the next one that
// holds its palette.
int paletteDepth(const gdi::Bitmap& b) {
  const std::size_t colours = b.palette().size();
  int bits = b.pixelFormat() == gdi::PixelFormat::Bits1   ? 1
             : b.pixelFormat() == gdi::PixelFormat::Bits4 ? 4
                                                          : 8;
  if (bits == 1 && colours > 2) bits = 4;
  if (bits == 4 && colours > 16) bits = 8;
  return bits;
}

void writeIndexRow(const std::uint32_t* row, int width, int bits, const gdi::PaletteMatcher& match,
                   std::uint8_t* out) {
  std::uint32_t last = ~0u;
  int lastIndex = 0;
  auto index = [&](std::uint32_t v) {
    if (v != last) {
      last = v;
      lastIndex = match.nearestIndex(gdi::TColor(v));
    }
    return lastIndex;
  };
  if (bits == 8) {
    for (int x = 0; x < width; ++x) out[x] = std::uint8_t(index(row[x]));
  } else if (bits == 4) {
    for (int x = 0; x < width; ++x) out[x >> 1] |= std::uint8_t(index(row[x]) << ((x & 1) ? 0 : 4));
  } else {
    for (int x = 0; x < width; ++x)
      out[x >> 3] |= std::uint8_t((index(row[x]) & 1) << (7 - (x & 7)));
  }
}

}  // namespace

void writeBmp(const gdi::Bitmap& b, const ByteSink& sink) {
  if (b.empty()) throw PictureError(ErrorKind::InvalidPicture, "There is no picture to save");
  const bool indexed = b.hasPalette() && b.palette().size() <= 256;
  const int bits = indexed ? paletteDepth(b) : 24;
  const std::size_t colours = indexed ? b.palette().size() : 0;
  const int w = b.width(), h = b.height();
  const std::size_t stride = dibStride(w, bits);
  const std::size_t offset = kFileHeaderSize + kInfoHeaderSize + colours * 4;
  const std::size_t imageBytes = stride * std::size_t(h);
  const std::size_t total = offset + imageBytes;
  if (total > 0xFFFFFFFFu)
    throw PictureError(ErrorKind::TooLarge, "The picture is too large for a bitmap file");

  std::vector<std::uint8_t> head(offset, 0);
  std::uint8_t* p = head.data();
  p[0] = 'B';
  p[1] = 'M';
  put32(p + 2, std::uint32_t(total));
  put32(p + 10, std::uint32_t(offset));
  std::uint8_t* info = p + kFileHeaderSize;
  put32(info, kInfoHeaderSize);
  put32(info + 4, std::uint32_t(w));
  put32(info + 8, std::uint32_t(h));
  put16(info + 12, 1);
  put16(info + 14, std::uint32_t(bits));
  put32(info + 16, 0);  // BI_RGB
  put32(info + 20, std::uint32_t(imageBytes));
  put32(info + 24, kPixelsPerMeter);
  put32(info + 28, kPixelsPerMeter);
  put32(info + 32, std::uint32_t(colours));
  put32(info + 36, 0);
  std::uint8_t* table = info + kInfoHeaderSize;
  for (std::size_t i = 0; i < colours; ++i) {
    const gdi::TColor c = b.palette()[i];
    table[4 * i] = std::uint8_t(gdi::GetBValue(c));
    table[4 * i + 1] = std::uint8_t(gdi::GetGValue(c));
    table[4 * i + 2] = std::uint8_t(gdi::GetRValue(c));
  }
  sink(head);

  // Rows go out a batch at a time through one small buffer, bottom row
  // first, so a large picture is never held a second time as its file.
  const int batchRows = int(std::clamp<std::size_t>(kBatchBytes / stride, 1, std::size_t(h)));
  std::vector<std::uint8_t> batch(stride * std::size_t(batchRows));
  const gdi::PaletteMatcher match(indexed ? b.palette() : gdi::Palette{});
  for (int done = 0; done < h;) {
    const int n = std::min(batchRows, h - done);
    for (int i = 0; i < n; ++i) {
      std::uint8_t* out = batch.data() + std::size_t(i) * stride;
      const std::uint32_t* row = b.constRow(h - 1 - (done + i));
      if (indexed) {
        std::memset(out, 0, stride);  // index rows are or-ed in
        writeIndexRow(row, w, bits, match, out);
      } else {
        for (int x = 0; x < w; ++x, out += 3) {
          const std::uint32_t v = row[x];
          out[0] = std::uint8_t(v >> 16);
          out[1] = std::uint8_t(v >> 8);
          out[2] = std::uint8_t(v);
        }
        std::memset(out, 0, stride - std::size_t(w) * 3);  // row padding
      }
    }
    sink(std::span<const std::uint8_t>(batch.data(), stride * std::size_t(n)));
    done += n;
  }
}

std::vector<std::uint8_t> writeBmp(const gdi::Bitmap& bitmap) {
  std::vector<std::uint8_t> file;
  writeBmp(bitmap, [&file](std::span<const std::uint8_t> bytes) {
    // The first piece is the header, which holds the size of the whole file.
    if (file.empty() && bytes.size() >= 6)
      file.reserve(std::size_t(bytes[2]) | std::size_t(bytes[3]) << 8 |
                   std::size_t(bytes[4]) << 16 | std::size_t(bytes[5]) << 24);
    file.insert(file.end(), bytes.begin(), bytes.end());
  });
  return file;
}

void writeBmpFile(const std::filesystem::path& path, const gdi::Bitmap& bitmap) {
  saveFileSafely(path, [&bitmap](const ByteSink& sink) { writeBmp(bitmap, sink); });
}

}  // namespace codecs
