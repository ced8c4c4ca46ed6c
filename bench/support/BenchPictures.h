#pragma once
// Pictures the benchmarks work on, made the same way every run.
#include <cstdint>

#include "platform/gdi/Bitmap.h"

namespace bench_support {

// Small, fast generator: the same seed gives the same pixels.
inline std::uint32_t xorshift(std::uint32_t& s) {
  s ^= s << 13;
  s ^= s >> 17;
  s ^= s << 5;
  return s;
}

// Every pixel random: nothing compresses, nothing repeats.
inline gdi::Bitmap noise(int w, int h, std::uint32_t seed) {
  gdi::Bitmap b(w, h);
  std::uint32_t s = seed;
  for (int y = 0; y < h; ++y) {
    std::uint32_t* row = b.row(y);
    for (int x = 0; x < w; ++x) row[x] = xorshift(s) & 0xFFFFFFu;
  }
  return b;
}

// Smooth colour ramps with noise of up to `noise` levels on top (a power of
// two): roughly what a photograph is to a scaler or to JPEG. Another seed
// gives other noise.
inline gdi::Bitmap noisyRamps(int width, int height, std::uint32_t noise,
                              std::uint32_t seed = 12345) {
  gdi::Bitmap b(width, height);
  const std::uint32_t mask = noise - 1;
  std::uint32_t s = seed;
  for (int y = 0; y < height; ++y) {
    std::uint32_t* row = b.row(y);
    for (int x = 0; x < width; ++x) {
      xorshift(s);
      const std::uint32_t r = std::uint32_t(x * 200 / width) + (s & mask);
      const std::uint32_t g = std::uint32_t(y * 200 / height) + (s >> 8 & mask);
      const std::uint32_t bl = std::uint32_t((x + y) * 100 / width) + (s >> 16 & mask);
      row[x] = r | g << 8 | bl << 16;
    }
  }
  return b;
}

inline gdi::Bitmap noisyRamps(int side, std::uint32_t noise) {
  return noisyRamps(side, side, noise);
}

}  // namespace bench_support
