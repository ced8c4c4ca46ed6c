#pragma once
// MJPEG test videos for the benchmarks: detailed frames (smooth ramps with
// noise) that move from frame to frame, written once per folder and reused.
#include <algorithm>
#include <filesystem>
#include <string>

#include "bench/support/BenchPictures.h"
#include "platform/video/VideoWriter.h"

namespace bench_support {

// Frame n of `base`, shifted with n, at w x h.
inline gdi::Bitmap movingPicture(const gdi::Bitmap& base, int n, int w, int h) {
  gdi::Bitmap b(w, h);
  for (int y = 0; y < h; ++y) {
    const std::uint32_t* src = base.row((y + n * 3) % base.height());
    std::uint32_t* dst = b.row(y);
    for (int x = 0; x < w; ++x) dst[x] = src[(x + n * 5) % base.width()];
  }
  return b;
}

// `dir`/`name`: a w x h MJPEG AVI of `frames` frames at 30 per second.
inline std::filesystem::path makeMjpeg(const std::filesystem::path& dir, const std::string& name,
                                       int w, int h, int frames) {
  const std::filesystem::path path = dir / name;
  if (std::filesystem::exists(path)) return path;
  std::filesystem::create_directories(dir);
  const gdi::Bitmap base = noisyRamps(std::max(w, h), 16);
  video::VideoWriterSettings s;
  s.codec = video::VideoCodec::Mjpeg;
  s.width = w;
  s.height = h;
  s.rate = 30;
  s.quality = 3;
  video::VideoWriter writer(path, s);
  for (int n = 0; n < frames; ++n) writer.writeFrame(movingPicture(base, n, w, h));
  writer.finish();
  return path;
}

}  // namespace bench_support
