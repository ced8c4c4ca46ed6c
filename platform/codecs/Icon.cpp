#include "platform/codecs/Icon.h"

#include <QByteArray>
#include <QImage>
#include <algorithm>

#include "platform/codecs/Bmp.h"
#include "platform/codecs/ByteReader.h"
#include "platform/codecs/FileBytes.h"
#include "platform/codecs/PictureError.h"
#include "platform/codecs/QtImageRead.h"

namespace codecs {
namespace {

// More entries than any real icon has; beyond it the directory is garbage.
constexpr int kMaxEntries = 512;

struct Entry {
  int width = 0;  // from the directory (0 means 256)
  int height = 0;
  int bitCount = 0;
  std::uint32_t size = 0;
  std::uint32_t offset = 0;
};

[[noreturn]] void invalid(const std::string& why) {
  throw PictureError(ErrorKind::InvalidPicture, "Invalid icon file: " + why);
}

std::vector<Entry> directory(std::span<const std::uint8_t> bytes) {
  if (!looksLikeIcon(bytes)) invalid("no icon directory");
  ByteReader r(bytes, "icon");
  r.seek(4);
  const int count = r.u16();
  if (count == 0 || count > kMaxEntries) invalid("no images");
  std::vector<Entry> entries;
  for (int i = 0; i < count; ++i) {
    Entry e;
    e.width = r.u8();
    e.height = r.u8();
    r.skip(4);  // colour count, reserved, planes
    e.bitCount = r.u16();
    e.size = r.u32();
    e.offset = r.u32();
    if (e.width == 0) e.width = 256;
    if (e.height == 0) e.height = 256;
    entries.push_back(e);
  }
  return entries;
}

// The image data an entry points at (cut to the file when its size overstates).
std::span<const std::uint8_t> dataOf(std::span<const std::uint8_t> bytes, const Entry& e) {
  if (e.offset >= bytes.size()) invalid("image outside the file");
  return bytes.subspan(e.offset, std::min<std::size_t>(e.size, bytes.size() - e.offset));
}

bool isPng(std::span<const std::uint8_t> d) {
  static constexpr std::uint8_t kSig[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  return d.size() >= 8 && std::equal(kSig, kSig + 8, d.begin());
}

// Alpha over white.
std::uint32_t overWhite(int r, int g, int b, int a) {
  const auto mix = [a](int c) { return (c * a + 255 * (255 - a) + 127) / 255; };
  return std::uint32_t(gdi::RGB(mix(r), mix(g), mix(b)));
}

IconImage decodePng(std::span<const std::uint8_t> d) {
  const QByteArray data =
      QByteArray::fromRawData(reinterpret_cast<const char*>(d.data()), qsizetype(d.size()));
  QImage image = readQtImage(data, "png");
  if (image.isNull()) invalid("unreadable PNG image");
  image = image.convertToFormat(QImage::Format_RGBA8888);
  IconImage out;
  out.png = true;
  out.bitCount = 32;
  out.bitmap = gdi::Bitmap(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y) {
    const std::uint8_t* s = image.constScanLine(y);
    std::uint32_t* dst = out.bitmap.row(y);
    for (int x = 0; x < image.width(); ++x, s += 4) dst[x] = overWhite(s[0], s[1], s[2], s[3]);
  }
  return out;
}

// A bitmap entry: a DIB whose height counts the colour rows and the 1-bit AND
// mask rows below them. Drawn onto white the result is (mask ? white : black)
// XOR colour, unless a 32-bit image carries alpha, which then decides alone.
IconImage decodeDib(std::span<const std::uint8_t> d) {
  const Dib dib = readDib(d, DibHeight::HalfForIconMask);
  const DibInfo& info = dib.info;
  const int width = info.width, height = info.height;
  IconImage out;
  out.bitCount = info.bitCount;
  out.bitmap = dib.bitmap;
  out.bitmap.setPixelFormat(gdi::PixelFormat::Device);  // drawn icons are plain pictures

  // Alpha of 32-bit images lives in the stored rows' fourth bytes.
  std::span<const std::uint8_t> colour;
  if (info.bitCount == 32 && info.bitsOffset + info.imageBytes <= d.size())
    colour = d.subspan(info.bitsOffset, info.imageBytes);
  bool hasAlpha = false;
  for (std::size_t i = 3; i < colour.size(); i += 4) hasAlpha |= colour[i] != 0;
  const auto storedRow = [&](int y) { return info.topDown ? y : height - 1 - y; };
  if (hasAlpha) {
    for (int y = 0; y < height; ++y) {
      const std::uint8_t* s = colour.data() + info.stride * std::size_t(storedRow(y));
      std::uint32_t* dst = out.bitmap.row(y);
      for (int x = 0; x < width; ++x) {
        const std::uint32_t c = dst[x];
        dst[x] = overWhite(int(c & 255), int(c >> 8 & 255), int(c >> 16 & 255), s[4 * x + 3]);
      }
    }
    return out;
  }
  // Some writers leave the mask out of 32-bit images; then nothing is masked.
  const std::size_t maskStride = dibStride(width, 1);
  const std::size_t maskAt = info.bitsOffset + info.imageBytes;
  if (maskAt > d.size() || d.size() - maskAt < maskStride * std::size_t(height)) {
    if (info.bitCount == 32) return out;
    invalid("mask cut short");
  }
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* m = d.data() + maskAt + maskStride * std::size_t(storedRow(y));
    std::uint32_t* dst = out.bitmap.row(y);
    for (int x = 0; x < width; ++x)
      if ((m[x >> 3] >> (7 - (x & 7))) & 1) dst[x] ^= 0xFFFFFFu;
  }
  return out;
}

IconImage decodeEntry(std::span<const std::uint8_t> bytes, const Entry& e) {
  const auto d = dataOf(bytes, e);
  return isPng(d) ? decodePng(d) : decodeDib(d);
}

}  // namespace

bool looksLikeIcon(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 6 + 16) return false;
  const int type = bytes[2] | (bytes[3] << 8);
  const int count = bytes[4] | (bytes[5] << 8);
  return bytes[0] == 0 && bytes[1] == 0 && (type == 1 || type == 2) && count > 0 &&
         bytes[6 + 3] == 0;  // the first entry's reserved byte
}

std::vector<IconImage> readIconImages(std::span<const std::uint8_t> bytes) {
  std::vector<IconImage> images;
  std::string firstError;
  for (const Entry& e : directory(bytes)) {
    try {
      images.push_back(decodeEntry(bytes, e));
    } catch (const PictureError& err) {
      if (firstError.empty()) firstError = err.what();
    }
  }
  if (images.empty()) invalid(firstError.empty() ? "no images" : firstError);
  return images;
}

gdi::Bitmap readIcon(std::span<const std::uint8_t> bytes) {
  // Largest first by what the directory says; the first that decodes wins.
  std::vector<Entry> entries = directory(bytes);
  std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    const long areaA = long(a.width) * a.height, areaB = long(b.width) * b.height;
    if (areaA != areaB) return areaA > areaB;
    return a.bitCount > b.bitCount;
  });
  std::string firstError;
  for (const Entry& e : entries) {
    try {
      return decodeEntry(bytes, e).bitmap;
    } catch (const PictureError& err) {
      if (err.kind() == ErrorKind::TooLarge) throw;
      if (firstError.empty()) firstError = err.what();
    }
  }
  throw PictureError(ErrorKind::InvalidPicture, firstError);
}

gdi::Bitmap readIconFile(const std::filesystem::path& path) {
  return readIcon(readFileBytes(path));
}

}  // namespace codecs
