#pragma once
// Turns decoded pictures into bitmaps: any pixel format and size FFmpeg
// decodes to, scaled to one fixed frame size, in the TColor layout with the
// X byte cleared. Internal to platform/video.
#include "platform/gdi/Bitmap.h"
#include "platform/video/FFmpeg.h"

namespace video::ff {

class FrameConverter {
 public:
  // Converts `frame` into `out`, which is given the size width x height.
  void toBitmap(const AVFrame& frame, int width, int height, gdi::Bitmap& out);

 private:
  SwsPtr sws_;
  // What sws_ was made for.
  int srcW_ = 0, srcH_ = 0, srcFormat_ = -1, dstW_ = 0, dstH_ = 0;
  int range_ = -1, space_ = -1;
};

}  // namespace video::ff
