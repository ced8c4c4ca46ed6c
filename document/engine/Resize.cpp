#include "document/engine/Resize.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/gdi/Blit.h"
#include "platform/gdi/Canvas.h"
#include "platform/gdi/Rop.h"

namespace document {
namespace {

// libjpeg cannot code a picture with a side above this (JPEG_MAX_DIMENSION).
constexpr int kJpegMaxSide = 65500;

// The picture takes the pixels, format and palette of `pixels` but keeps its
// own canvas and transparency settings, as assigning a bitmap did.
void adoptPixels(gdi::Bitmap& picture, gdi::Bitmap&& pixels) {
  const bool transparent = picture.transparent();
  const gdi::TransparentMode mode = picture.transparentMode();
  const gdi::TColor key = picture.transparentColor();
  picture = std::move(pixels);
  picture.setTransparent(transparent);
  if (mode == gdi::TransparentMode::Fixed) picture.setTransparentColor(key);
  picture.setTransparentMode(mode);
}

// A white bitmap of the given size in the format and palette of `like`.
gdi::Bitmap blankLike(const gdi::Bitmap& like, gdi::Size size) {
  gdi::Bitmap out(size.cx, size.cy);
  out.setPixelFormat(like.pixelFormat());
  if (like.hasPalette()) out.setPalette(like.palette());
  return out;
}

}  // namespace

gdi::Size resizeTargetSize(int width, int height) {
  return {std::max(width, kMinResizeSide), std::max(height, kMinResizeSide)};
}

int resizeFactor(gdi::Size from, gdi::Size to) {
  if (to.cx <= 0 || to.cy <= 0) return 0;
  const double rx = double(from.cx) / to.cx, ry = double(from.cy) / to.cy;
  // nearbyint rounds halves to even in the default rounding mode.
  return int(std::nearbyint(std::min(rx, ry)));
}

std::optional<codecs::JpegScale> jpegScaleForFactor(int factor) {
  switch (factor) {
    case 2:
      return codecs::JpegScale::Half;
    case 4:
      return codecs::JpegScale::Quarter;
    case 8:
      return codecs::JpegScale::Eighth;
    default:
      return std::nullopt;
  }
}

std::optional<codecs::JpegScale> fastPathScale(gdi::Size from, gdi::Size to) {
  const int factor = resizeFactor(from, to);
  const std::optional<codecs::JpegScale> scale = jpegScaleForFactor(factor);
  // The decoder rounds a reduced side up.
  const auto reduced = [factor](int side) { return (side + factor - 1) / factor; };
  if (!scale || reduced(from.cx) < to.cx || reduced(from.cy) < to.cy) return std::nullopt;
  return scale;
}

ResizeResult resizePicture(gdi::Bitmap& picture, int width, int height,
                           const ResizeOptions& options) {
  ResizeResult result;
  result.size = resizeTargetSize(width, height);
  result.factor = resizeFactor({picture.width(), picture.height()}, result.size);

  // The picture is only replaced at the end, so a failure on the way leaves
  // it as it was.
  gdi::Bitmap scaled;
  const std::optional<codecs::JpegScale> scale =
      fastPathScale({picture.width(), picture.height()}, result.size);
  if (options.allowFastPath && scale && !picture.empty() && picture.width() <= kJpegMaxSide &&
      picture.height() <= kJpegMaxSide) {
    result.tempFile = writeResizeTempJpeg(picture, options.programFolder);
    scaled = options.loadScaled
                 ? options.loadScaled(result.tempFile.file, *scale)
                 : codecs::readJpegFile(result.tempFile.file, {.scale = *scale}).bitmap;
    result.fastPath = !scaled.empty();
  }
  const gdi::Bitmap& current = result.fastPath ? scaled : picture;

  if (current.width() == result.size.cx && current.height() == result.size.cy) {
    if (result.fastPath) adoptPixels(picture, std::move(scaled));
    return result;
  }
  gdi::Bitmap out = blankLike(current, result.size);
  gdi::stretchBlt(out, 0, 0, result.size.cx, result.size.cy, current, 0, 0, current.width(),
                  current.height(), gdi::SRCCOPY, gdi::StretchMode::ColorOnColor, gdi::Brush());
  adoptPixels(picture, std::move(out));
  result.stretched = true;
  return result;
}

}  // namespace document
