#pragma once
// Pictures the benchmarks work on, made the same way every run.
#include <algorithm>
#include <cmath>
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

// A photograph-like picture: smooth shading, hard edges and fine noise, so a
// JPEG of it has detail in every block.
inline gdi::Bitmap photoLike(int width, int height) {
  gdi::Bitmap b(width, height);
  std::uint32_t s = 12345;
  for (int y = 0; y < height; ++y) {
    std::uint32_t* row = b.row(y);
    for (int x = 0; x < width; ++x) {
      s = s * 1664525u + 1013904223u;
      const int n = int(s >> 28) - 8;
      const double wave = std::sin(x * 0.01) * std::cos(y * 0.013);
      int r = int(128 + 100 * wave) + n;
      int g = (x / 250 + y / 250) % 2 ? 200 + n : 60 + n;
      int bl = (x * 255 / width + y * 255 / height) / 2 + n;
      r = std::clamp(r, 0, 255), g = std::clamp(g, 0, 255), bl = std::clamp(bl, 0, 255);
      row[x] = std::uint32_t(gdi::RGB(r, g, bl));
    }
  }
  return b;
}

}  // namespace bench_support
