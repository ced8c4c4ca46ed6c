#pragma once
// The video stream of a file, frame by frame: what the AVI player and the
// frame capture read. Any file FFmpeg reads works; AVI is what they expect.
//
// Frames are numbered from 0. frame(n) is exact: it seeks to the key frame
// at or before n and decodes forward to n. The decoder's position is kept,
// so asking for n + 1 after n costs one decode, and asking for n again costs
// nothing. A frame missing from the file (a dropped frame) shows the frame
// before it, as a player would.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

#include "platform/gdi/Bitmap.h"
#include "platform/video/VideoError.h"

namespace video {

// What the player needs of the stream: its length in frames, its rate as
// frames per second = rate / scale, and the frame size in pixels.
struct VideoStreamInfo {
  int length = 0;
  int rate = 0;
  int scale = 1;
  int start = 0;  // number of the first frame
  int width = 0;
  int height = 0;
};

class VideoReader {
 public:
  // Opens the file's video stream. Throws VideoError: Io (cannot read),
  // NotMedia (not a readable file), NoVideo (no video stream or no decoder),
  // TooLarge (frame size beyond a bitmap's limits).
  explicit VideoReader(const std::filesystem::path& path);
  // The same from bytes in memory, which must outlive the reader; `name`
  // stands for them in messages.
  VideoReader(std::span<const std::uint8_t> bytes, const std::string& name);
  VideoReader(VideoReader&&) noexcept;
  VideoReader& operator=(VideoReader&&) noexcept;
  ~VideoReader();

  const VideoStreamInfo& info() const;
  const std::string& name() const;
  // Whether the file also holds an audio stream.
  bool hasAudio() const;

  // Frame n as a bitmap of the stream's frame size, valid until the next call.
  // Throws VideoError(Damaged) for n outside 0..length - 1 and for frames
  // that cannot be decoded (a damaged or truncated file); the reader stays usable.
  const gdi::Bitmap& frame(int n);

  // Counters for tests and measurements: pictures decoded, seeks made.
  std::int64_t decodeCount() const;
  std::int64_t seekCount() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace video
