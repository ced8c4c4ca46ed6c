#include "platform/codecs/PictureFile.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

#include "platform/codecs/Bmp.h"
#include "platform/codecs/FileBytes.h"
#include "platform/codecs/Icon.h"
#include "platform/codecs/Metafile.h"
#include "platform/codecs/PictureError.h"

namespace codecs {

PictureFormat pictureFormatOf(std::span<const std::uint8_t> b) {
  if (b.size() >= 3 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF) return PictureFormat::Jpeg;
  if (b.size() >= 2 && b[0] == 'B' && b[1] == 'M') return PictureFormat::Bmp;
  if (b.size() >= 4 && b[0] == 'G' && b[1] == 'I' && b[2] == 'F' && b[3] == '8')
    return PictureFormat::Gif;
  switch (metafileKind(b)) {
    case MetafileKind::Emf:
      return PictureFormat::Emf;
    case MetafileKind::Wmf:
    case MetafileKind::PlaceableWmf:
      return PictureFormat::Wmf;
    case MetafileKind::None:
      break;
  }
  if (looksLikeIcon(b)) return PictureFormat::Icon;
  return PictureFormat::Unknown;
}

PictureFormat pictureFormatOfName(const std::filesystem::path& path) {
  std::string ext = path.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return char(std::tolower(c)); });
  if (ext == ".bmp" || ext == ".dib") return PictureFormat::Bmp;
  if (ext == ".jpg" || ext == ".jpeg" || ext == ".jpe" || ext == ".jfif")
    return PictureFormat::Jpeg;
  if (ext == ".ico" || ext == ".cur") return PictureFormat::Icon;
  if (ext == ".wmf") return PictureFormat::Wmf;
  if (ext == ".emf") return PictureFormat::Emf;
  if (ext == ".gif") return PictureFormat::Gif;
  return PictureFormat::Unknown;
}

namespace {

// Pictures of kinds we do not read, named by their first bytes.
const char* foreignKind(std::span<const std::uint8_t> b) {
  auto starts = [&](std::string_view sig) {
    return b.size() >= sig.size() &&
           std::equal(sig.begin(), sig.end(), b.begin(),
                      [](char s, std::uint8_t c) { return std::uint8_t(s) == c; });
  };
  if (starts("\x89PNG\r\n\x1a\n")) return "a PNG picture";
  if (starts("II*\0") || starts("MM\0*")) return "a TIFF picture";
  if (b.size() >= 12 && starts("RIFF") && std::equal(b.begin() + 8, b.begin() + 12, "WEBP"))
    return "a WebP picture";
  if (starts("GIF8")) return "a GIF picture";
  return nullptr;
}

[[noreturn]] void unsupported(const std::string& why) {
  throw PictureError(ErrorKind::Unsupported, why);
}

}  // namespace

Picture decodePicture(std::span<const std::uint8_t> bytes, PictureFormat nameHint,
                      const JpegDecodeOptions& jpegOptions, const JpegProgress& progress) {
  if (bytes.empty()) throw PictureError(ErrorKind::InvalidPicture, "The file is empty");
  if (const char* kind = foreignKind(bytes))
    unsupported(std::string("The file holds ") + kind + ", a kind this program does not read");
  Picture p;
  p.format = pictureFormatOf(bytes);
  // Unrecognised contents go to the reader the name suggests, which then
  // says what is wrong with them; if it cannot read them either, they are
  // no picture of ours at all.
  const bool byName = p.format == PictureFormat::Unknown;
  if (byName) p.format = nameHint;
  try {
    switch (p.format) {
      case PictureFormat::Bmp:
        p.bitmap = readBmp(bytes);
        break;
      case PictureFormat::Jpeg: {
        JpegPicture j = decodeJpeg(bytes, jpegOptions, progress);
        p.bitmap = std::move(j.bitmap);
        p.jpeg = j.info;
        p.warnings = j.warnings;
        break;
      }
      case PictureFormat::Icon:
        p.bitmap = readIcon(bytes);
        break;
      case PictureFormat::Wmf:
      case PictureFormat::Emf:
        p.bitmap = readMetafile(bytes);
        break;
      case PictureFormat::Gif:
        unsupported("GIF pictures are not read");
      case PictureFormat::Unknown:
        unsupported("The file is not a picture format we read");
    }
  } catch (const PictureError& e) {
    if (byName && e.kind() == ErrorKind::InvalidPicture)
      unsupported(std::string("The file is not a picture this program reads (") + e.what() + ")");
    throw;
  }
  return p;
}

Picture loadPicture(const std::filesystem::path& path, const JpegDecodeOptions& jpegOptions,
                    const JpegProgress& progress) {
  const std::vector<std::uint8_t> bytes = readFileBytes(path);
  return decodePicture(bytes, pictureFormatOfName(path), jpegOptions, progress);
}

}  // namespace codecs
