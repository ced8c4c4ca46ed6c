#include "clips/engine/Rotate.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace clips {
namespace {

// Rounding to the nearest integer with halves to even (the default
// floating-point rounding mode).
std::int64_t roundEven(double v) { return std::int64_t(std::nearbyint(v)); }

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

std::int64_t ceilDiv(std::int64_t a, std::int64_t b) { return -floorDiv(-a, b); }

// Steps k (sample position a + k * b) with lo < a + k * b < hi, as the closed
// range [first, last]; empty when first > last.
struct StepRange {
  std::int64_t first;
  std::int64_t last;
};

StepRange stepsInside(std::int64_t a, std::int64_t b, std::int64_t lo, std::int64_t hi) {
  constexpr std::int64_t kAll = std::int64_t(1) << 40;
  if (b == 0) return (lo < a && a < hi) ? StepRange{-kAll, kAll} : StepRange{1, 0};
  if (b > 0) return {floorDiv(lo - a, b) + 1, ceilDiv(hi - a, b) - 1};
  return {floorDiv(a - hi, -b) + 1, ceilDiv(a - lo, -b) - 1};
}

}  // namespace

RotationSetup rotationSetup(double degrees, double scale, int cx, int cy) {
  const double angle = double(roundEven(360.0 - degrees));
  const double theta = angle * std::numbers::pi / 180.0;
  const double xx = std::cos(theta) * scale;
  const double xy = std::sin(theta) * scale;
  const double yx = std::cos(theta + std::numbers::pi / 2) * scale;
  const double yy = std::sin(theta + std::numbers::pi / 2) * scale;
  const double x0 = cx - cx * xx - cy * yx;
  const double y0 = cy - cx * xy - cy * yy;
  return {roundEven(x0 * 1000), roundEven(y0 * 1000), roundEven(xx * 1000),
          roundEven(xy * 1000), roundEven(yx * 1000), roundEven(yy * 1000)};
}

void rotate(const gdi::Bitmap& source, gdi::Bitmap& destination, int cx, double scale,
            double degrees, int cy, const ProgressStep& step) {
  rotate(source, destination, rotationSetup(degrees, scale, cx, cy), step);
}

void rotate(const gdi::Bitmap& source, gdi::Bitmap& destination, const RotationSetup& s,
            const ProgressStep& step) {
  if (&source == &destination) {
    const gdi::Bitmap copy = source;
    rotate(copy, destination, s, step);
    return;
  }
  const int width = destination.width(), height = destination.height();
  if (destination.empty()) return;
  const int sw = source.width(), sh = source.height();
  const std::uint32_t* src = source.bits();
  constexpr std::uint32_t kWhite = 0xFFFFFF;
  RowProgress progress(height, step);

  std::int64_t rowX = s.x0, rowY = s.y0;
  for (int j = 0; j < height; ++j) {
    progress.row(j);
    std::uint32_t* out = destination.row(j);
    // Division truncates toward zero, so a source column is inside exactly
    // when -1000 < X < width * 1000; the steps that satisfy both axes form
    // one run, worked out per row so the pixel loop needs no bounds test.
    std::int64_t first = 1, last = 0;
    if (!source.empty()) {
      const StepRange inX = stepsInside(rowX, s.xCol, -1000, std::int64_t(sw) * 1000);
      const StepRange inY = stepsInside(rowY, s.yCol, -1000, std::int64_t(sh) * 1000);
      first = std::max<std::int64_t>({inX.first, inY.first, 1});
      last = std::min<std::int64_t>({inX.last, inY.last, width});
    }
    if (first > last) {
      std::fill_n(out, width, kWhite);
    } else {
      std::fill_n(out, std::size_t(first - 1), kWhite);
      std::int64_t x = rowX + first * s.xCol, y = rowY + first * s.yCol;
      for (std::int64_t k = first; k <= last; ++k) {
        const std::int64_t sx = x / 1000, sy = y / 1000;
        out[k - 1] = src[sy * sw + sx];
        x += s.xCol;
        y += s.yCol;
      }
      std::fill(out + last, out + width, kWhite);
    }
    destination.snapSpan(out, width);
    rowX += s.xRow;
    rowY += s.yRow;
  }
  destination.markAllDirty();
}

}  // namespace clips
