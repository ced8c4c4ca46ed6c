#pragma once
// The wave output device: 16-bit interleaved samples queued to SDL2 audio.
// Every call is safe on a closed output and does nothing there.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace audio {

class SoundOutput {
 public:
  SoundOutput() = default;
  ~SoundOutput();
  SoundOutput(const SoundOutput&) = delete;
  SoundOutput& operator=(const SoundOutput&) = delete;

  // Opens the default device for this format, paused. False when there is
  // no audio driver or device (lastError() says why); the output then stays
  // closed and silent.
  bool open(int sampleRate, int channels);
  void close();
  bool isOpen() const { return device_ != 0; }

  // Adds samples to the end of the queue.
  void queue(std::span<const std::int16_t> samples);
  // Bytes queued and not yet played.
  std::size_t queuedBytes() const;
  // Drops everything queued.
  void clear();
  void resume();
  void pause();

  const std::string& lastError() const { return lastError_; }

 private:
  std::uint32_t device_ = 0;
  bool subsystem_ = false;
  std::string lastError_;
};

}  // namespace audio
