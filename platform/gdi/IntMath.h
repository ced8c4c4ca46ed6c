#pragma once
// Exact integer arithmetic for the rasterizers: floor and ceiling division,
// integer square roots and 128-bit products. Figures are computed with these
// instead of floating point so that every pixel decision is exact, the same on
// every machine, and symmetric wherever the geometry is.
#include <cmath>
#include <cstdint>

namespace gdi::detail {

// Coordinates are limited to +-2^27 (as the original platform's 27-bit device
// space) so that doubled coordinates and their products fit the types below.
constexpr std::int64_t kCoordLimit = std::int64_t(1) << 27;
// Wider pens cover any bitmap completely; the cap keeps squares in range.
constexpr int kMaxPenWidth = 1 << 18;

constexpr std::int64_t clampCoord(std::int64_t v) {
  return v < -kCoordLimit ? -kCoordLimit : (v > kCoordLimit ? kCoordLimit : v);
}

constexpr std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b, r = a % b;
  return (r != 0 && ((r < 0) != (b < 0))) ? q - 1 : q;
}

constexpr std::int64_t ceilDiv(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b, r = a % b;
  return (r != 0 && ((r < 0) == (b < 0))) ? q + 1 : q;
}

// An unsigned 128-bit value as (high, low) words, ordered.
struct Wide {
  std::uint64_t hi = 0;
  std::uint64_t lo = 0;
  friend constexpr bool operator<=(Wide a, Wide b) {
    return a.hi != b.hi ? a.hi < b.hi : a.lo <= b.lo;
  }
};

// a * b without overflow.
inline Wide mulWide(std::uint64_t a, std::uint64_t b) {
#if defined(__SIZEOF_INT128__)
  __extension__ using U128 = unsigned __int128;
  const U128 p = U128(a) * b;
  return {std::uint64_t(p >> 64), std::uint64_t(p)};
#else
  const std::uint64_t aL = a & 0xFFFFFFFFu, aH = a >> 32, bL = b & 0xFFFFFFFFu, bH = b >> 32;
  const std::uint64_t ll = aL * bL, lh = aL * bH, hl = aH * bL, hh = aH * bH;
  const std::uint64_t mid = (ll >> 32) + (lh & 0xFFFFFFFFu) + (hl & 0xFFFFFFFFu);
  return {hh + (lh >> 32) + (hl >> 32) + (mid >> 32), (mid << 32) | (ll & 0xFFFFFFFFu)};
#endif
}

// Largest r with r * r <= a * b (a * b below 2^126).
inline std::uint64_t isqrtProduct(std::uint64_t a, std::uint64_t b) {
  std::uint64_t r = std::uint64_t(std::sqrt(double(a) * double(b)));
  const Wide n = mulWide(a, b);
  while (r > 0 && !(mulWide(r, r) <= n)) --r;
  while (mulWide(r + 1, r + 1) <= n) ++r;
  return r;
}

// Largest r with r * r <= n.
inline std::uint64_t isqrt(std::uint64_t n) { return isqrtProduct(n, 1); }

}  // namespace gdi::detail
