// Decoding goes through Qt's BMP reader, which handles every depth,
// compression and header version; we put a file header in front and check the
// size first so no absurd allocation is attempted.
#include "platform/codecs/PackedDib.h"

#include <QByteArray>
#include <QImage>
#include <cstring>

#include "platform/codecs/ByteReader.h"
#include "platform/codecs/PictureError.h"

namespace codecs::detail {
namespace {

[[noreturn]] void invalid(const char* why) {
  throw PictureError(ErrorKind::InvalidPicture, std::string("Invalid bitmap: ") + why);
}

// Bytes of header, masks and colour table before the rows.
std::size_t headerBytes(std::span<const std::uint8_t> info) {
  ByteReader r(info, "bitmap");
  const std::uint32_t size = r.u32();
  if (size == 12) {
    r.skip(6);
    const int bits = r.u16();
    return 12 + (bits <= 8 ? std::size_t(3) << bits : 0);
  }
  if (size < 40 || size > 1024) invalid("unknown header");
  const std::int32_t width = r.i32(), height = r.i32();
  r.skip(2);
  const int bits = r.u16();
  const std::uint32_t compression = r.u32();
  r.skip(12);
  const std::uint32_t used = r.u32();
  if (height == INT32_MIN) invalid("bad height");
  checkPictureSize(width, height < 0 ? -std::int64_t(height) : height);
  std::size_t masks = 0;
  if (size == 40 && compression == 3) masks = 12;
  if (size == 40 && compression == 6) masks = 16;
  std::size_t colors = used;
  if (bits <= 8 && (colors == 0 || colors > (std::size_t(1) << bits))) colors = std::size_t(1) << bits;
  if (bits > 8 && colors > 256) colors = 0;
  return size + masks + colors * 4;
}

}  // namespace

gdi::Bitmap readPackedDib(std::span<const std::uint8_t> info, std::span<const std::uint8_t> bits) {
  const std::size_t head = headerBytes(info);
  if (bits.empty()) {
    if (head > info.size()) invalid("colour table cut short");
    bits = info.subspan(head);
    info = info.first(head);
  } else if (head > info.size()) {
    invalid("colour table cut short");
  } else {
    info = info.first(head);
  }
  QByteArray file;
  const std::size_t total = 14 + info.size() + bits.size();
  if (total > 0x7FFFFFFF) invalid("too big");
  file.resize(qsizetype(total));
  auto* p = reinterpret_cast<std::uint8_t*>(file.data());
  const auto put32 = [](std::uint8_t* at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) at[i] = std::uint8_t(v >> (8 * i));
  };
  p[0] = 'B';
  p[1] = 'M';
  put32(p + 2, std::uint32_t(total));
  put32(p + 6, 0);
  put32(p + 10, std::uint32_t(14 + info.size()));
  std::memcpy(p + 14, info.data(), info.size());
  if (!bits.empty()) std::memcpy(p + 14 + info.size(), bits.data(), bits.size());
  QImage image;
  if (!image.loadFromData(file, "BMP") || image.isNull()) invalid("unreadable pixels");
  image = image.convertToFormat(QImage::Format_RGBX8888);
  gdi::Bitmap out(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y) {
    const auto* src = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
    std::uint32_t* dst = out.row(y);
    for (int x = 0; x < image.width(); ++x) dst[x] = src[x] & 0x00FFFFFFu;
  }
  return out;
}

}  // namespace codecs::detail
