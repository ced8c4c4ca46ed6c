#include "platform/codecs/Metafile.h"

#include "platform/codecs/ByteReader.h"
#include "platform/codecs/FileBytes.h"
#include "platform/codecs/MetafileFormats.h"
#include "platform/codecs/PictureError.h"

namespace codecs {

MetafileKind metafileKind(std::span<const std::uint8_t> bytes) {
  const ByteReader r(bytes, "metafile");
  if (r.has(44) && r.u32At(0) == 1 && r.u32At(40) == 0x464D4520) return MetafileKind::Emf;
  if (r.has(4) && r.u32At(0) == 0x9AC6CDD7) return MetafileKind::PlaceableWmf;
  if (r.has(6)) {
    const std::uint16_t type = r.u16At(0), header = r.u16At(2), version = r.u16At(4);
    if ((type == 1 || type == 2) && header == 9 && (version == 0x0100 || version == 0x0300))
      return MetafileKind::Wmf;
  }
  return MetafileKind::None;
}

gdi::Size metafileSize(std::span<const std::uint8_t> bytes) {
  switch (metafileKind(bytes)) {
    case MetafileKind::Emf:
      return detail::emfSize(bytes);
    case MetafileKind::Wmf:
    case MetafileKind::PlaceableWmf:
      return detail::wmfSize(bytes);
    case MetafileKind::None:
      break;
  }
  throw PictureError(ErrorKind::InvalidPicture, "The file is not a metafile");
}

gdi::Bitmap readMetafile(std::span<const std::uint8_t> bytes) {
  switch (metafileKind(bytes)) {
    case MetafileKind::Emf:
      return detail::playEmf(bytes);
    case MetafileKind::Wmf:
    case MetafileKind::PlaceableWmf:
      return detail::playWmf(bytes);
    case MetafileKind::None:
      break;
  }
  throw PictureError(ErrorKind::InvalidPicture, "The file is not a metafile");
}

gdi::Bitmap readMetafileFile(const std::filesystem::path& path) {
  return readMetafile(readFileBytes(path));
}

}  // namespace codecs
