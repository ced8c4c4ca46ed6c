// Headers of DIBs and .bmp files, and the readers built on them.
#include <string>

#include "platform/codecs/Bmp.h"
#include "platform/codecs/BmpDetail.h"
#include "platform/codecs/FileBytes.h"

namespace codecs {

using namespace bmp_detail;

namespace {

constexpr std::size_t kFileHeaderSize = 14;

bool validDepth(int bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

void checkCompression(const DibInfo& info) {
  switch (info.compression) {
    case BI_RGB:
      return;
    case BI_RLE8:
      if (info.bitCount != 8) invalid("RLE8 compression needs 8 bits per pixel");
      if (info.topDown) invalid("compressed rows cannot be stored top-down");
      return;
    case BI_RLE4:
      if (info.bitCount != 4) invalid("RLE4 compression needs 4 bits per pixel");
      if (info.topDown) invalid("compressed rows cannot be stored top-down");
      return;
    case BI_BITFIELDS:
    case BI_ALPHABITFIELDS:
      if (info.bitCount != 16 && info.bitCount != 32)
        invalid("bit fields need 16 or 32 bits per pixel");
      return;
    case BI_JPEG:
    case BI_PNG:
      invalid("JPEG or PNG data inside a bitmap is not supported");
    default:
      invalid("unknown compression " + std::to_string(info.compression));
  }
}

}  // namespace

std::size_t dibStride(int width, int bitCount) {
  return std::size_t((std::uint64_t(width) * std::uint64_t(bitCount) + 31) / 32 * 4);
}

DibInfo readDibInfo(std::span<const std::uint8_t> dib, DibHeight heightKind) {
  if (dib.size() < 4) invalid("the header is cut off");
  const std::uint8_t* p = dib.data();
  DibInfo info;
  info.headerSize = le32(p);
  std::int64_t height = 0;
  int planes = 0;
  std::uint32_t colorsUsed = 0;
  std::size_t entrySize = 4;
  if (info.headerSize == 12) {
    if (dib.size() < 12) invalid("the header is cut off");
    info.width = le16(p + 4);
    height = le16(p + 6);
    planes = le16(p + 8);
    info.bitCount = le16(p + 10);
    entrySize = 3;
  } else if (info.headerSize >= 40 && info.headerSize <= 124) {
    if (dib.size() < info.headerSize) invalid("the header is cut off");
    const std::int32_t width = std::int32_t(le32(p + 4));
    if (width <= 0) invalid("width " + std::to_string(width));
    info.width = width;  // checked against the size limit below
    height = std::int32_t(le32(p + 8));
    planes = le16(p + 12);
    info.bitCount = le16(p + 14);
    info.compression = le32(p + 16);
    colorsUsed = le32(p + 32);
  } else {
    invalid("unsupported header size " + std::to_string(info.headerSize));
  }
  if (planes != 1) invalid(std::to_string(planes) + " colour planes");
  if (height < 0) {
    info.topDown = true;
    height = -height;
  }
  if (heightKind == DibHeight::HalfForIconMask) height /= 2;
  if (!validDepth(info.bitCount))
    invalid(std::to_string(info.bitCount) + " bits per pixel is not supported");
  checkCompression(info);
  checkPictureSize(info.width, height);
  info.height = int(height);

  // Channel masks: inside V2 and later headers, after an info header.
  std::size_t pos = info.headerSize;
  const bool bitfields = info.compression == BI_BITFIELDS || info.compression == BI_ALPHABITFIELDS;
  if (bitfields) {
    const std::uint8_t* masks = p + 40;
    if (info.headerSize < 52) {
      const std::size_t maskBytes = info.compression == BI_ALPHABITFIELDS ? 16 : 12;
      if (dib.size() < pos + maskBytes) invalid("the bit field masks are cut off");
      masks = p + pos;
      pos += maskBytes;
    }
    info.redMask = le32(masks);
    info.greenMask = le32(masks + 4);
    info.blueMask = le32(masks + 8);
    if ((info.redMask | info.greenMask | info.blueMask) == 0) invalid("empty bit field masks");
  } else if (info.bitCount == 16) {
    info.redMask = 0x7C00;
    info.greenMask = 0x03E0;
    info.blueMask = 0x001F;
  } else if (info.bitCount == 32) {
    info.redMask = 0xFF0000;
    info.greenMask = 0x00FF00;
    info.blueMask = 0x0000FF;
  }

  // The colour table: 2^bits entries unless the header says fewer. Deeper
  // images may carry an optional table, which only moves the pixel rows.
  std::uint64_t entries = colorsUsed;
  if (info.bitCount <= 8) {
    const std::uint32_t full = 1u << info.bitCount;
    if (entries == 0 || info.headerSize == 12) entries = full;
    if (entries > full)
      invalid(std::to_string(colorsUsed) + " colours for " + std::to_string(info.bitCount) +
              " bits per pixel");
    if (pos + entries * entrySize > dib.size()) invalid("the colour table is cut off");
    info.palette.reserve(std::size_t(entries));
    for (std::uint64_t i = 0; i < entries; ++i) {
      const std::uint8_t* e = p + pos + i * entrySize;
      info.palette.push_back(gdi::RGB(e[2], e[1], e[0]));
    }
  }
  const std::uint64_t bitsOffset = pos + entries * entrySize;
  info.bitsOffset = bitsOffset > dib.size() ? dib.size() + 1 : std::size_t(bitsOffset);
  info.stride = dibStride(info.width, info.bitCount);
  info.imageBytes = info.stride * std::size_t(info.height);
  return info;
}

namespace {

gdi::Bitmap decodePixels(const DibInfo& info, std::span<const std::uint8_t> bits) {
  try {
    if (info.compression == BI_RLE4 || info.compression == BI_RLE8) return decodeRle(info, bits);
    return decodeRows(info, bits);
  } catch (const gdi::ResourceError& e) {
    throw PictureError(ErrorKind::TooLarge, e.what());
  }
}

}  // namespace

Dib readDib(std::span<const std::uint8_t> dib, DibHeight height) {
  Dib out;
  out.info = readDibInfo(dib, height);
  if (out.info.bitsOffset > dib.size()) invalid("the pixel data is missing");
  out.bitmap = decodePixels(out.info, dib.subspan(out.info.bitsOffset));
  return out;
}

BmpLayout readBmpLayout(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kFileHeaderSize + 4 || bytes[0] != 'B' || bytes[1] != 'M')
    throw PictureError(ErrorKind::InvalidPicture, "Not a bitmap file");
  const std::span<const std::uint8_t> dib = bytes.subspan(kFileHeaderSize);
  BmpLayout layout{readDibInfo(dib), {}};
  // The file header says where the rows start; writers that leave it 0 mean
  // straight after the colour table.
  const std::uint32_t offBits = le32(bytes.data() + 10);
  std::uint64_t start = offBits;
  if (offBits == 0) start = kFileHeaderSize + std::uint64_t(layout.info.bitsOffset);
  if (start < kFileHeaderSize + layout.info.headerSize)
    invalid("the pixel data offset points into the header");
  if (start > bytes.size()) invalid("the pixel data offset lies beyond the end of the file");
  layout.bits = bytes.subspan(std::size_t(start));
  return layout;
}

gdi::Bitmap readBmp(std::span<const std::uint8_t> bytes) {
  const BmpLayout layout = readBmpLayout(bytes);
  return decodePixels(layout.info, layout.bits);
}

gdi::Bitmap readBmpFile(const std::filesystem::path& path) {
  const std::vector<std::uint8_t> bytes = readFileBytes(path);
  return readBmp(bytes);
}

}  // namespace codecs
