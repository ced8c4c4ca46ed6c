#pragma once
// Opening any picture file the studio reads: BMP, JPEG, icons and metafiles,
// recognised by their contents first and by the name's extension second.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

#include "platform/codecs/Jpeg.h"
#include "platform/gdi/Bitmap.h"

namespace codecs {

enum class PictureFormat { Unknown, Bmp, Jpeg, Icon, Wmf, Emf, Gif };

// The format the first bytes show, or Unknown.
PictureFormat pictureFormatOf(std::span<const std::uint8_t> bytes);
// The format the file name's extension stands for (case-insensitive), or Unknown.
PictureFormat pictureFormatOfName(const std::filesystem::path& path);

struct Picture {
  gdi::Bitmap bitmap;
  PictureFormat format = PictureFormat::Unknown;
  // Header facts of JPEG files (progressive or not, full size).
  std::optional<JpegInfo> jpeg;
  // Warnings on damaged but readable JPEG data.
  int warnings = 0;
};

// Decodes a picture held in memory; `nameHint` decides when the contents do
// not. JPEG options and progress apply to JPEG files only. Throws PictureError:
// InvalidPicture (not a picture we read, damaged, GIF), TooLarge.
Picture decodePicture(std::span<const std::uint8_t> bytes,
                      PictureFormat nameHint = PictureFormat::Unknown,
                      const JpegDecodeOptions& jpegOptions = {}, const JpegProgress& progress = {});

// Reads and decodes a file; PictureError(Io) when it cannot be read.
Picture loadPicture(const std::filesystem::path& path, const JpegDecodeOptions& jpegOptions = {},
                    const JpegProgress& progress = {});

}  // namespace codecs
