#pragma once
// Writes a video file: pictures as MJPEG or raw (24-bit) video at a rate of
// rate / scale frames per second, optionally with 16-bit PCM sound. The
// container follows the file's extension (".avi" for AVI).
//
// The file is written under a temporary name in the target's folder and
// renamed when finish() succeeds, so a failed or abandoned write never
// leaves a half-written file or destroys an old one.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>

#include "platform/gdi/Bitmap.h"
#include "platform/video/VideoError.h"

namespace video {

enum class VideoCodec { Mjpeg, Raw };

struct VideoWriterSettings {
  VideoCodec codec = VideoCodec::Mjpeg;
  // 0 x 0 with a sample rate: a sound file without video (".wav").
  int width = 0;
  int height = 0;
  int rate = 30;
  int scale = 1;
  // MJPEG quantizer, 2 (best) to 31.
  int quality = 3;
  // 0: no sound track.
  int sampleRate = 0;
  int channels = 2;
};

class VideoWriter {
 public:
  // Throws VideoError(Io) when the file cannot be created, (NotMedia) for an
  // extension FFmpeg has no container for or settings it cannot encode.
  VideoWriter(const std::filesystem::path& path, const VideoWriterSettings& settings);
  ~VideoWriter();
  VideoWriter(const VideoWriter&) = delete;
  VideoWriter& operator=(const VideoWriter&) = delete;

  // Adds the next frame; it must have the settings' size.
  void writeFrame(const gdi::Bitmap& frame);
  // Adds interleaved samples (channels values each) to the sound track.
  void writeAudio(std::span<const std::int16_t> samples);
  // Completes the file and gives it its name. Throws VideoError(Io).
  void finish();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace video
