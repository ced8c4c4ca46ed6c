#pragma once
// JPEG pictures through libjpeg-turbo: decoding with the decoder's own
// scaling, colour reduction and speed choices, progress reports for previews,
// and encoding with a quality and progressive mode.
//
// Every fatal libjpeg error becomes a PictureError(InvalidPicture); a damaged
// file that libjpeg can still read gives the picture and counts the warnings.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "platform/codecs/JpegOrientation.h"
#include "platform/codecs/SafeSave.h"
#include "platform/gdi/Bitmap.h"

namespace codecs {

// Decoding choices of the image browser, item 0 first.
enum class JpegScale { FullSize, Half, Quarter, Eighth };
enum class JpegPixelFormat { Bits24, Bits8 };
enum class JpegColorSpace { Color, Grayscale };
enum class JpegPerformance { BestQuality, BestSpeed };

struct JpegDecodeOptions {
  // Decodes at 1/1, 1/2, 1/4 or 1/8 of the size; odd sizes round up.
  JpegScale scale = JpegScale::FullSize;
  // Bits8 reduces the picture to at most 256 colours with libjpeg's quantizer
  // and gives a palette bitmap.
  JpegPixelFormat pixelFormat = JpegPixelFormat::Bits24;
  JpegColorSpace colorSpace = JpegColorSpace::Color;
  // BestSpeed: fast integer DCT, plain upsampling, one-pass ordered dithering.
  JpegPerformance performance = JpegPerformance::BestQuality;
  // For progressive files: hand the callback a full-size picture after each
  // scan, refined scan by scan (costs an extra output pass per scan).
  bool progressiveDisplay = false;
  // Hand the callback the picture so far as rows are decoded.
  bool incrementalDisplay = false;
};

// What the header says. The size is the stored one; a photograph's EXIF
// orientation says how it is turned for showing, and decoding does that.
struct JpegInfo {
  int width = 0;
  int height = 0;
  int components = 0;
  bool progressive = false;
  ExifOrientation orientation = ExifOrientation::Upright;
};

// Called with the percentage done (0 first, 100 last, never decreasing).
// `partial` is the picture so far when the chosen display shows one,
// otherwise null; it is valid only during the call.
using JpegProgress = std::function<void(int percent, const gdi::Bitmap* partial)>;

struct JpegPicture {
  gdi::Bitmap bitmap;
  JpegInfo info;
  // Warnings libjpeg raised on damaged data that it could still decode.
  int warnings = 0;
};

// Reads only the header. Throws PictureError(InvalidPicture) when the bytes
// are not a JPEG file.
JpegInfo readJpegInfo(std::span<const std::uint8_t> bytes);

// The size a decode at `scale` produces (libjpeg rounds odd sizes up),
// turned upright.
gdi::Size jpegScaledSize(const JpegInfo& info, JpegScale scale);

// Decodes a whole file held in memory, turned upright by its EXIF
// orientation (partial pictures too). Throws PictureError: InvalidPicture
// for a file libjpeg cannot decode, TooLarge for a picture over the limit.
JpegPicture decodeJpeg(std::span<const std::uint8_t> bytes, const JpegDecodeOptions& options = {},
                       const JpegProgress& progress = {});

// Reads and decodes a file; PictureError(Io) when it cannot be read.
JpegPicture readJpegFile(const std::filesystem::path& path, const JpegDecodeOptions& options = {},
                         const JpegProgress& progress = {});

struct JpegEncodeOptions {
  // 1..100 (values outside are clamped); none means libjpeg's default (75).
  std::optional<int> quality;
  bool progressive = true;
};

// libjpeg's own default quality, used when no quality is given.
constexpr int kJpegDefaultQuality = 75;

// Encodes the picture as a colour JPEG file image.
std::vector<std::uint8_t> encodeJpeg(const gdi::Bitmap& bitmap,
                                     const JpegEncodeOptions& options = {});
// The same file handed to `sink` piece by piece while it is coded; what the
// sink throws is passed on.
void encodeJpeg(const gdi::Bitmap& bitmap, const JpegEncodeOptions& options, const ByteSink& sink);

// Encodes and saves safely (see SafeSave.h).
void writeJpegFile(const std::filesystem::path& path, const gdi::Bitmap& bitmap,
                   const JpegEncodeOptions& options = {});

}  // namespace codecs
