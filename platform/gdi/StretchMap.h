#pragma once
// Which source pixels each destination pixel of a stretch stands for, along
// one axis. Destination pixel i of an extent of n pixels taken from m source
// pixels covers source pixels [i * m / n, (i + 1) * m / n), at least one; a
// mirrored axis counts i from the other end. Pixels whose whole range lies
// outside the source are left out, which clips the destination in proportion
// to the part of the source rectangle that exists.
#include <cstdint>
#include <vector>

namespace gdi {

struct AxisMap {
  // Destination pixels [begin, end) have source pixels; begin == end when none.
  int begin = 0;
  int end = 0;
  // For destination pixel begin + k: source pixels [lo[k], hi[k]).
  std::vector<int> lo;
  std::vector<int> hi;
  // Smallest lo and largest hi; the longest range; whether every range is a
  // single pixel, and whether they are consecutive pixels (a plain copy).
  int sourceMin = 0;
  int sourceMax = 0;
  int longest = 0;
  bool single = true;
  bool consecutive = true;

  int size() const { return end - begin; }
  bool empty() const { return end <= begin; }
};

// Maps the destination extent starting at `dstStart` of `dstExtent` pixels
// onto the source extent at `srcStart` of `srcExtent` pixels. Negative extents
// count back from their start pixel (which stays included) and mirror when
// only one of the two is negative. Only destination pixels inside
// [0, dstLimit) and source pixels inside [0, srcLimit) are considered.
AxisMap mapAxis(int dstStart, int dstExtent, int srcStart, int srcExtent, int dstLimit,
                int srcLimit);

}  // namespace gdi
