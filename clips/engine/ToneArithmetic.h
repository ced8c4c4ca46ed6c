#pragma once
// The colour arithmetic of the clip effects and tone filters, per channel on
// the red, green and blue bytes.
//
// Shift by n: lighten adds n and stops at 255, darken takes n away and stops
// at 0.
//
// Blend of x toward y by b parts of a: x + (y - x) * b / a, rounded to the
// nearest integer with halves to even (the program's one rounding rule). It
// is worked out exactly in integers as (x * (a - b) + y * b) / a, so a
// value of exactly one half is recognised as such. With a < 1, x unchanged.
#include <cstdint>

#include "platform/gdi/Color.h"

namespace clips {

enum class Tone { Darken, Lighten };

// The shifts the effects use.
inline constexpr int kImprintShift = 48;  // dark and light imprint, emboss
inline constexpr int kShadowShift = 12;   // each drop-shadow layer
inline constexpr int kImageShift = 8;     // "Darken Image", "Lighten Image"

constexpr int shiftChannel(int c, int n, Tone tone) {
  if (tone == Tone::Lighten) return c + n > 255 ? 255 : c + n;
  return c - n < 0 ? 0 : c - n;
}

// A colour (RGB, flag byte dropped) shifted by n on each channel.
constexpr std::uint32_t shiftColor(std::uint32_t c, int n, Tone tone) {
  return std::uint32_t(shiftChannel(int(c & 0xFF), n, tone)) |
         std::uint32_t(shiftChannel(int(c >> 8 & 0xFF), n, tone)) << 8 |
         std::uint32_t(shiftChannel(int(c >> 16 & 0xFF), n, tone)) << 16;
}

// N / a rounded to the nearest integer, halves to even; N >= 0, a > 0.
// Without branches: the remainder's side of one half is as likely one way
// as the other, which a branch would guess wrong half the time.
constexpr int divideRoundingHalfToEven(int n, int a) {
  const unsigned un = unsigned(n), ua = unsigned(a);
  const unsigned q = un / ua, r2 = 2 * (un - q * ua);
  return int(q + ((r2 > ua) | ((r2 == ua) & q & 1u)));
}

// Channel x blended toward channel y by b parts of a (0 <= b <= a).
constexpr int blendChannel(int x, int y, int b, int a) {
  if (a < 1) return x;
  return divideRoundingHalfToEven(x * (a - b) + y * b, a);
}

constexpr std::uint32_t blendColor(std::uint32_t x, std::uint32_t y, int b, int a) {
  return std::uint32_t(blendChannel(int(x & 0xFF), int(y & 0xFF), b, a)) |
         std::uint32_t(blendChannel(int(x >> 8 & 0xFF), int(y >> 8 & 0xFF), b, a)) << 8 |
         std::uint32_t(blendChannel(int(x >> 16 & 0xFF), int(y >> 16 & 0xFF), b, a)) << 16;
}

}  // namespace clips
