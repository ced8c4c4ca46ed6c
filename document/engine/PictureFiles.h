#pragma once
// Reading and writing the picture's files as the document commands do.
//
// Reading tells "not a picture we can read" (damaged, unsupported, absurdly
// large, or too large for memory) apart from a file that cannot be read at
// all: the first gives an empty bitmap, which the program answers with its
// own message; the second throws codecs::PictureError(Io) naming the file.
//
// Writing goes through the safe save: a failed save throws
// codecs::PictureError(Io) naming the file and leaves an existing file as it
// was.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include <QString>

#include "document/engine/DocumentNames.h"
#include "platform/codecs/Jpeg.h"
#include "platform/codecs/PictureFile.h"
#include "platform/gdi/Bitmap.h"

namespace document {

// Why a file gave no picture.
enum class ReadFailure {
  None,
  NotAPicture,  // no picture of a kind we read (another format, text...)
  Damaged,      // one of ours, but damaged, cut off or impossible
  TooLarge,     // larger than any picture we open
  OutOfMemory,  // within the limit, but memory ran out
};

// The sentence that tells the user a failure's cause (empty for None).
QString readFailureText(ReadFailure failure);

struct LoadedPicture {
  gdi::Bitmap bitmap;  // empty: not a picture we can read
  codecs::PictureFormat format = codecs::PictureFormat::Unknown;
  // Header facts of a JPEG file (progressive or not, full size).
  std::optional<codecs::JpegInfo> jpeg;
  // Why the bitmap is empty, and the reader's own words about it.
  ReadFailure failure = ReadFailure::None;
  std::string detail;

  bool isJpeg() const { return format == codecs::PictureFormat::Jpeg; }
};

LoadedPicture readPictureFile(const std::filesystem::path& file,
                              const codecs::JpegDecodeOptions& jpegOptions = {},
                              const codecs::JpegProgress& progress = {});
LoadedPicture decodePictureBytes(std::span<const std::uint8_t> bytes,
                                 codecs::PictureFormat nameHint,
                                 const codecs::JpegDecodeOptions& jpegOptions = {},
                                 const codecs::JpegProgress& progress = {});

// Whatever was read becomes a plain bitmap of the same size: JPEG pictures,
// icons and metafiles take the display's format (a quantized JPEG keeps its
// colours but not its palette); bitmap files keep theirs.
void makePlainBitmap(LoadedPicture& picture);

// JPEG files are written progressive; `quality` none means the JPEG
// library's default.
void writeJpeg(const std::filesystem::path& file, const gdi::Bitmap& bitmap,
               std::optional<int> quality);
void writeBmp(const std::filesystem::path& file, const gdi::Bitmap& bitmap);

// A path of the user's choice as the file system wants it.
inline std::filesystem::path toPath(const QString& path) {
  return std::filesystem::path(path.toStdU16String());
}

}  // namespace document
