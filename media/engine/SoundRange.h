#pragma once
// Which audio samples play with which video frames.
#include <cstdint>

namespace media {

struct SampleRange {
  std::int64_t start = 0;
  std::int64_t end = 0;  // exclusive
};

// The samples (at `sampleRate`) that play while frames first..last show, for
// video at rate / scale frames per second: from the start of frame `first`
// to the end of frame `last`, limited to the stream's `length` samples.
// Worked out exactly rather than through whole milliseconds, so a loop's
// sound starts on the sample its first frame starts on.
SampleRange soundForFrames(int first, int last, int rate, int scale, int sampleRate,
                           std::int64_t length);

}  // namespace media
