#include "media/engine/SoundRange.h"

#include <algorithm>

namespace media {
namespace {

// The sample at which frame n starts: n * scale / rate seconds.
std::int64_t sampleAtFrame(std::int64_t n, int rate, int scale, int sampleRate) {
  return std::int64_t((long double)n * scale * sampleRate / rate);
}

}  // namespace

SampleRange soundForFrames(int first, int last, int rate, int scale, int sampleRate,
                           std::int64_t length) {
  if (rate <= 0 || scale <= 0 || sampleRate <= 0 || last < first) return {};
  SampleRange r;
  r.start = std::clamp<std::int64_t>(sampleAtFrame(first, rate, scale, sampleRate), 0, length);
  r.end = std::clamp<std::int64_t>(sampleAtFrame(std::int64_t(last) + 1, rate, scale, sampleRate),
                                   r.start, length);
  return r;
}

}  // namespace media
