#include "document/engine/PictureFiles.h"

#include <new>

#include "platform/codecs/Bmp.h"
#include "platform/codecs/FileBytes.h"
#include "platform/codecs/PictureError.h"

namespace document {
namespace {

// Runs a read; pictures we cannot read, or cannot hold in memory, give an
// empty result that says why, while I/O errors go up to the caller.
template <class Read>
LoadedPicture readOrEmpty(Read&& read) {
  LoadedPicture failed;
  try {
    codecs::Picture p = read();
    LoadedPicture loaded;
    loaded.bitmap = std::move(p.bitmap);
    loaded.format = p.format;
    loaded.jpeg = p.jpeg;
    return loaded;
  } catch (const codecs::PictureError& e) {
    switch (e.kind()) {
      case codecs::ErrorKind::Io:
        throw;
      case codecs::ErrorKind::Unsupported:
        failed.failure = ReadFailure::NotAPicture;
        break;
      case codecs::ErrorKind::InvalidPicture:
        failed.failure = ReadFailure::Damaged;
        break;
      case codecs::ErrorKind::TooLarge:
        failed.failure = ReadFailure::TooLarge;
        break;
    }
    failed.detail = e.what();
  } catch (const gdi::ResourceError& e) {
    failed.failure = ReadFailure::OutOfMemory;
    failed.detail = e.what();
  } catch (const std::bad_alloc&) {
    failed.failure = ReadFailure::OutOfMemory;
  }
  return failed;
}

}  // namespace

QString readFailureText(ReadFailure failure) {
  switch (failure) {
    case ReadFailure::None:
      break;
    case ReadFailure::NotAPicture:
      return QStringLiteral("The file is not a picture this program reads");
    case ReadFailure::Damaged:
      return QStringLiteral("The picture in the file is damaged");
    case ReadFailure::TooLarge:
      return QStringLiteral("The picture is too large to open");
    case ReadFailure::OutOfMemory:
      return QStringLiteral("Not Enough Resources: the picture does not fit in memory");
  }
  return {};
}

LoadedPicture readPictureFile(const std::filesystem::path& file,
                              const codecs::JpegDecodeOptions& jpegOptions,
                              const codecs::JpegProgress& progress) {
  return readOrEmpty([&] { return codecs::loadPicture(file, jpegOptions, progress); });
}

LoadedPicture decodePictureBytes(std::span<const std::uint8_t> bytes,
                                 codecs::PictureFormat nameHint,
                                 const codecs::JpegDecodeOptions& jpegOptions,
                                 const codecs::JpegProgress& progress) {
  return readOrEmpty([&] { return codecs::decodePicture(bytes, nameHint, jpegOptions, progress); });
}

void makePlainBitmap(LoadedPicture& picture) {
  if (picture.format == codecs::PictureFormat::Bmp || picture.bitmap.empty()) return;
  picture.bitmap.setPixelFormat(gdi::PixelFormat::Device);
}

void writeJpeg(const std::filesystem::path& file, const gdi::Bitmap& bitmap,
               std::optional<int> quality) {
  codecs::JpegEncodeOptions options;
  options.quality = quality;
  options.progressive = true;
  codecs::writeJpegFile(file, bitmap, options);
}

void writeBmp(const std::filesystem::path& file, const gdi::Bitmap& bitmap) {
  codecs::writeBmpFile(file, bitmap);
}

}  // namespace document
