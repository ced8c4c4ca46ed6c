// Feeds arbitrary bytes to the video reader (stream info, frames in and out
// of order, past the end) and to the sound reader.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/video/AudioReader.h"
#include "platform/video/VideoError.h"
#include "platform/video/VideoReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  try {
    video::VideoReader reader(bytes, "fuzz");
    const video::VideoStreamInfo& info = reader.info();
    // Frames of a valid but huge size only cost memory, not coverage.
    if (std::int64_t(info.width) * info.height <= (1 << 22)) {
      for (const int n : {0, 1, 2, info.length - 1, info.length / 2, 3, info.length}) {
        try {
          (void)reader.frame(n);
        } catch (const video::VideoError&) {
        }
      }
    }
  } catch (const video::VideoError&) {
  }
  try {
    video::AudioReader sound(bytes, "fuzz");
    std::vector<std::int16_t> samples;
    (void)sound.read(0, 4096, samples);
    (void)sound.read(sound.info().length / 2, 1024, samples);
    (void)sound.read(0, 16, samples);
  } catch (const video::VideoError&) {
  }
  return 0;
}
