#pragma once
// The AVI player's sound: streams a range of samples of the file's audio
// stream to the wave output. Buffers are read on the owner's thread and
// queued ahead of the device; a timer tops the queue up as it drains (where
// the old wave device reported each finished buffer).
//
// Without a sound device Play answers false and the player carries on
// without sound; nothing else changes.
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <vector>

#include "platform/audio/SoundOutput.h"
#include "platform/video/AudioReader.h"

class TAudioPlay : public QObject {
  Q_OBJECT
 public:
  explicit TAudioPlay(QObject* parent = nullptr);
  ~TAudioPlay() override;

  // Plays samples startSample..endSample (exclusive) of `stream`; a negative
  // start means the stream's start, a negative end its end. False when the
  // range is empty, the stream has no usable format or there is no device.
  // Playing again while playing the same stream restarts at once, without
  // closing the device.
  bool Play(video::AudioReader* stream, std::int64_t endSample, std::int64_t startSample);
  void Stop();

  bool playing() const { return playing_; }
  std::int64_t startSample() const { return startSample_; }
  std::int64_t endSample() const { return endSample_; }
  // The next sample to be read from the stream (everything before it is queued).
  std::int64_t nextSample() const { return nextSample_; }
  // Bytes per buffer: at least 2048, at least one sample.
  int bufferSize() const { return bufferSize_; }
  // Why the last Play failed.
  const std::string& lastError() const { return lastError_; }

 private:
  // Reads and queues buffers until the device has enough ahead.
  void BufferDone();
  bool queueBuffer();

  audio::SoundOutput output_;
  video::AudioReader* stream_ = nullptr;
  QTimer refill_;
  bool playing_ = false;
  int bufferSize_ = 2048;
  int sampleSize_ = 0;
  std::size_t queueTarget_ = 0;
  std::int64_t startSample_ = 0;
  std::int64_t endSample_ = 0;
  std::int64_t nextSample_ = 0;
  std::vector<std::int16_t> buffer_;
  std::string lastError_;
};
