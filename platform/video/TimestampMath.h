#pragma once
// Timestamp arithmetic that cannot overflow: a damaged file may carry any
// 64-bit value, and signed overflow is undefined. Internal to platform/video.
#include <cstdint>
#include <limits>

namespace video::ff {

inline std::int64_t saturatingAdd(std::int64_t a, std::int64_t b) {
  std::int64_t r = 0;
  if (__builtin_add_overflow(a, b, &r))
    return b > 0 ? std::numeric_limits<std::int64_t>::max() : std::numeric_limits<std::int64_t>::min();
  return r;
}

inline std::int64_t saturatingSub(std::int64_t a, std::int64_t b) {
  std::int64_t r = 0;
  if (__builtin_sub_overflow(a, b, &r))
    return b < 0 ? std::numeric_limits<std::int64_t>::max() : std::numeric_limits<std::int64_t>::min();
  return r;
}

}  // namespace video::ff
