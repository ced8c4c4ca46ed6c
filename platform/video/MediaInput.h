#pragma once
// An opened container (a file, or bytes in memory) with its streams probed.
// Internal to platform/video: each reader holds its own, so video and sound
// can be read and sought independently.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

#include "platform/video/FFmpeg.h"

namespace video::ff {

class MediaInput {
 public:
  // Throws VideoError(Io) when the file cannot be read, (NotMedia) when
  // FFmpeg does not recognise it.
  explicit MediaInput(const std::filesystem::path& path);
  // The bytes must outlive the input. `name` stands for them in messages.
  MediaInput(std::span<const std::uint8_t> bytes, const std::string& name);
  MediaInput(MediaInput&&) noexcept;
  MediaInput& operator=(MediaInput&&) noexcept;
  ~MediaInput();

  AVFormatContext* format() const { return format_; }
  const std::string& name() const { return name_; }
  // The first stream of the kind FFmpeg thinks best, or -1.
  int bestStream(AVMediaType type) const;

 private:
  struct MemorySource;
  void probe();
  void release();

  AVFormatContext* format_ = nullptr;
  AVIOContext* io_ = nullptr;
  std::unique_ptr<MemorySource> memory_;
  std::string name_;
};

}  // namespace video::ff
