#include "platform/video/FrameConverter.h"

#include <cstdint>

namespace video::ff {
namespace {

// The "J" formats are the plain ones with full-range levels; swscale wants
// the plain format and the range said separately.
AVPixelFormat plainFormat(AVPixelFormat f, bool& fullRange) {
  switch (f) {
    case AV_PIX_FMT_YUVJ420P: fullRange = true; return AV_PIX_FMT_YUV420P;
    case AV_PIX_FMT_YUVJ422P: fullRange = true; return AV_PIX_FMT_YUV422P;
    case AV_PIX_FMT_YUVJ444P: fullRange = true; return AV_PIX_FMT_YUV444P;
    case AV_PIX_FMT_YUVJ440P: fullRange = true; return AV_PIX_FMT_YUV440P;
    case AV_PIX_FMT_YUVJ411P: fullRange = true; return AV_PIX_FMT_YUV411P;
    default: return f;
  }
}

}  // namespace

void FrameConverter::toBitmap(const AVFrame& frame, int width, int height, gdi::Bitmap& out) {
  bool fullRange = frame.color_range == AVCOL_RANGE_JPEG;
  const AVPixelFormat format = plainFormat(AVPixelFormat(frame.format), fullRange);
  const int space = frame.colorspace == AVCOL_SPC_UNSPECIFIED ? SWS_CS_DEFAULT : frame.colorspace;
  if (!sws_ || frame.width != srcW_ || frame.height != srcH_ || format != srcFormat_ ||
      width != dstW_ || height != dstH_ || int(fullRange) != range_ || space != space_) {
    sws_.reset(sws_getContext(frame.width, frame.height, format, width, height, AV_PIX_FMT_RGB0,
                              SWS_BILINEAR, nullptr, nullptr, nullptr));
    if (!sws_)
      throw VideoError(VideoErrorKind::Damaged, "A decoded picture has a format that cannot be shown");
    sws_setColorspaceDetails(sws_.get(), sws_getCoefficients(space), fullRange ? 1 : 0,
                             sws_getCoefficients(SWS_CS_DEFAULT), 1, 0, 1 << 16, 1 << 16);
    srcW_ = frame.width;
    srcH_ = frame.height;
    srcFormat_ = format;
    dstW_ = width;
    dstH_ = height;
    range_ = fullRange;
    space_ = space;
  }
  if (out.width() != width || out.height() != height) out = gdi::Bitmap(width, height);
  std::uint8_t* dst[4] = {reinterpret_cast<std::uint8_t*>(out.bits()), nullptr, nullptr, nullptr};
  const int dstStride[4] = {width * 4, 0, 0, 0};
  if (sws_scale(sws_.get(), frame.data, frame.linesize, 0, frame.height, dst, dstStride) <= 0)
    throw VideoError(VideoErrorKind::Damaged, "A decoded picture could not be converted");
  // RGB0 leaves the fourth byte at 0xFF; bitmaps keep it 0.
  std::uint32_t* p = out.bits();
  const std::size_t n = std::size_t(width) * std::size_t(height);
  for (std::size_t i = 0; i < n; ++i) p[i] &= 0x00FFFFFFu;
  out.markAllDirty();
}

}  // namespace video::ff
