#pragma once
// Scaling the picture to a new size. Shrinking by 2, 4 or 8 on both sides
// may take a fast path: the picture is written as a JPEG file of quality 100
// and read back with the decoder's DCT scaling, which averages instead of
// dropping pixels. Whatever size that leaves is then stretched (ColorOnColor)
// to the exact size asked for.
//
// The window's resize routine wraps resizePicture: it reads the dialog's
// spins and method, passes a loader that reads the scratch file through the
// image browser (parking and restoring the browser's own picture and scale
// choice around it), takes the `stretched` flag as the dialog's resized flag
// and runs its page set-up.
#include <filesystem>
#include <functional>
#include <optional>

#include "document/engine/ResizeTempFile.h"
#include "platform/codecs/Jpeg.h"
#include "platform/gdi/Bitmap.h"

namespace document {

// Sides below this are raised to it, without a message.
inline constexpr int kMinResizeSide = 10;

// The size a resize to width x height produces.
gdi::Size resizeTargetSize(int width, int height);

// The shrink factor the fast path is judged by: the smaller of the width and
// height ratios (the decoder scales both sides alike, so a larger factor
// would throw away detail the other side keeps), rounded to the nearest
// integer with halves to even. 0 for an empty picture.
int resizeFactor(gdi::Size from, gdi::Size to);

// The decoder scale for a factor of 2, 4 or 8; none for any other factor.
std::optional<codecs::JpegScale> jpegScaleForFactor(int factor);

// The decoder scale of the fast path from `from` to `to`: the factor's scale,
// but only when the reduced picture still has at least the target's pixels
// on each side (a factor rounded up would decode too few). None otherwise.
std::optional<codecs::JpegScale> fastPathScale(gdi::Size from, gdi::Size to);

// Reads the scratch JPEG file at a scale. An empty result means the file
// could not be read; the resize then stretches the original picture instead.
using ScaledJpegLoader =
    std::function<gdi::Bitmap(const std::filesystem::path& file, codecs::JpegScale scale)>;

struct ResizeOptions {
  // The dialog's first method: shrinking by 2, 4 or 8 goes through JPEG.
  bool allowFastPath = true;
  // Where the scratch file's "Bin" folder is looked for.
  std::filesystem::path programFolder;
  // Empty: the scratch file is decoded here with the decoder's defaults.
  ScaledJpegLoader loadScaled;
};

struct ResizeResult {
  gdi::Size size;           // the size asked for, after raising to the minimum
  int factor = 0;           // the shrink factor the fast path was judged by
  bool fastPath = false;    // the picture went through the scratch JPEG file
  bool stretched = false;   // a stretch to the exact size followed
  ResizeTempFile tempFile;  // where the scratch file went (fast path only)
};

// Resizes the picture in place. The picture keeps its canvas and its
// transparency settings; the fast path leaves it a 24-bit picture, the stretch
// keeps its pixel format and palette. Throws codecs::PictureError when the
// scratch file cannot be written or read and gdi::ResourceError when the new
// size cannot be allocated; the picture is then unchanged.
ResizeResult resizePicture(gdi::Bitmap& picture, int width, int height,
                           const ResizeOptions& options);

}  // namespace document
