#pragma once
// The audio stream of a file as 16-bit interleaved samples at the stream's
// own rate, mono or stereo (more channels are mixed down to two). Reading
// continues where the last read ended without seeking; any other start
// seeks and skips to the exact sample.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/video/VideoError.h"

namespace video {

struct AudioStreamInfo {
  int sampleRate = 0;
  int channels = 0;           // 1 or 2
  std::int64_t length = 0;    // samples per channel
  int bytesPerSample() const { return channels * 2; }
};

class AudioReader {
 public:
  // Throws VideoError: Io, NotMedia, NoAudio (no audio stream or no decoder).
  explicit AudioReader(const std::filesystem::path& path);
  // From bytes that outlive the reader.
  AudioReader(std::span<const std::uint8_t> bytes, const std::string& name);
  AudioReader(AudioReader&&) noexcept;
  AudioReader& operator=(AudioReader&&) noexcept;
  ~AudioReader();

  const AudioStreamInfo& info() const;

  // Appends up to `count` samples (each `channels` values) starting at
  // sample `first` to `out`; returns how many came. Fewer than asked means
  // the stream ended (or is damaged from there on).
  int read(std::int64_t first, int count, std::vector<std::int16_t>& out);

  std::int64_t seekCount() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace video
