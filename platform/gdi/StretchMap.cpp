#include "platform/gdi/StretchMap.h"

#include <algorithm>

namespace gdi {

AxisMap mapAxis(int dstStart, int dstExtent, int srcStart, int srcExtent, int dstLimit,
                int srcLimit) {
  AxisMap map;
  if (dstExtent == 0 || srcExtent == 0 || dstLimit <= 0 || srcLimit <= 0) return map;
  std::int64_t d0 = dstStart, dn = dstExtent, s0 = srcStart, sn = srcExtent;
  bool mirror = false;
  if (dn < 0) {
    d0 += dn + 1;
    dn = -dn;
    mirror = !mirror;
  }
  if (sn < 0) {
    s0 += sn + 1;
    sn = -sn;
    mirror = !mirror;
  }
  const std::int64_t first = std::max<std::int64_t>(d0, 0);
  const std::int64_t last = std::min<std::int64_t>(d0 + dn, dstLimit);
  if (first >= last) return map;

  map.lo.reserve(std::size_t(last - first));
  map.hi.reserve(std::size_t(last - first));
  std::int64_t begin = -1, end = -1;
  for (std::int64_t d = first; d < last; ++d) {
    const std::int64_t i = mirror ? d0 + dn - 1 - d : d - d0;
    std::int64_t lo = s0 + i * sn / dn;
    std::int64_t hi = std::max(s0 + (i + 1) * sn / dn, lo + 1);
    lo = std::max<std::int64_t>(lo, 0);
    hi = std::min<std::int64_t>(hi, srcLimit);
    if (lo >= hi) {
      // The ranges move monotonically, so the valid pixels are one run.
      if (begin >= 0) break;
      continue;
    }
    if (begin < 0) begin = d;
    end = d + 1;
    map.lo.push_back(int(lo));
    map.hi.push_back(int(hi));
  }
  if (begin < 0) return AxisMap{};
  map.begin = int(begin);
  map.end = int(end);
  map.sourceMin = *std::min_element(map.lo.begin(), map.lo.end());
  map.sourceMax = *std::max_element(map.hi.begin(), map.hi.end());
  for (std::size_t k = 0; k < map.lo.size(); ++k) {
    const int count = map.hi[k] - map.lo[k];
    map.longest = std::max(map.longest, count);
    if (count != 1) map.single = false;
    if (map.lo[k] != map.lo[0] + int(k)) map.consecutive = false;
  }
  map.consecutive = map.consecutive && map.single;
  return map;
}

}  // namespace gdi
