#pragma once
// Errors of the video layer. The message names the file and says what is
// wrong in words a user can act on.
#include <stdexcept>
#include <string>

namespace video {

enum class VideoErrorKind {
  Io,         // the file could not be opened, read or written
  NotMedia,   // not a file FFmpeg can read, or its header is damaged
  NoVideo,    // readable, but without a video stream (or without a decoder for it)
  NoAudio,    // readable, but without an audio stream we can decode
  TooLarge,   // a frame size beyond what a bitmap may hold
  Damaged,    // a frame or sample range that cannot be decoded (damaged or truncated file)
};

class VideoError : public std::runtime_error {
 public:
  VideoError(VideoErrorKind kind, const std::string& message)
      : std::runtime_error(message), kind_(kind) {}
  VideoErrorKind kind() const { return kind_; }

 private:
  VideoErrorKind kind_;
};

}  // namespace video
