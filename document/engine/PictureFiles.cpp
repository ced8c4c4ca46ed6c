#include "document/engine/PictureFiles.h"

#include <new>

#include "platform/codecs/Bmp.h"
#include "platform/codecs/FileBytes.h"
#include "platform/codecs/PictureError.h"

namespace document {
namespace {

// Runs a read; pictures we cannot read, or cannot hold in memory, give an
// empty result, while I/O errors go up to the caller.
template <class Read>
LoadedPicture readOrEmpty(Read&& read) {
  try {
    codecs::Picture p = read();
    return {std::move(p.bitmap), p.format, p.jpeg};
  } catch (const codecs::PictureError& e) {
    if (!e.invalidPicture()) throw;
  } catch (const gdi::ResourceError&) {
  } catch (const std::bad_alloc&) {
  }
  return {};
}

}  // namespace

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
