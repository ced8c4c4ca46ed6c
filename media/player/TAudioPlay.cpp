#include "media/player/TAudioPlay.h"

#include <algorithm>

namespace {

// How often the queue is topped up, and how much sound it holds at least:
// enough to ride out a busy window thread.
constexpr int kRefillMs = 20;
constexpr int kBuffersAhead = 8;
constexpr int kQueueSecondsDivisor = 4;  // a quarter of a second

}  // namespace

TAudioPlay::TAudioPlay(QObject* parent) : QObject(parent) {
  refill_.setInterval(kRefillMs);
  connect(&refill_, &QTimer::timeout, this, [this] { BufferDone(); });
}

TAudioPlay::~TAudioPlay() { Stop(); }

bool TAudioPlay::Play(video::AudioReader* stream, std::int64_t endSample,
                      std::int64_t startSample) {
  if (!stream) {
    Stop();
    return false;
  }
  const video::AudioStreamInfo& info = stream->info();
  if (startSample < 0) startSample = 0;
  if (endSample < 0) endSample = info.length;
  sampleSize_ = info.bytesPerSample();
  if (startSample >= endSample || sampleSize_ <= 0 || info.sampleRate <= 0) {
    Stop();
    lastError_ = "nothing to play";
    return false;
  }
  const bool sameDevice = playing_ && stream == stream_ && output_.isOpen();
  if (!sameDevice) {
    Stop();
    if (!output_.open(info.sampleRate, info.channels)) {
      lastError_ = output_.lastError();
      return false;
    }
  }
  output_.pause();
  output_.clear();
  stream_ = stream;
  bufferSize_ = std::max(sampleSize_, 2048);
  queueTarget_ = std::max<std::size_t>(std::size_t(kBuffersAhead) * std::size_t(bufferSize_),
                                        std::size_t(info.sampleRate) * std::size_t(sampleSize_) /
                                            kQueueSecondsDivisor);
  startSample_ = startSample;
  endSample_ = endSample;
  nextSample_ = startSample;
  playing_ = true;
  BufferDone();
  output_.resume();
  refill_.start();
  lastError_.clear();
  return true;
}

void TAudioPlay::Stop() {
  refill_.stop();
  playing_ = false;
  output_.clear();
  output_.close();
}

bool TAudioPlay::queueBuffer() {
  const std::int64_t room = bufferSize_ / sampleSize_;
  const int n = int(std::min<std::int64_t>(endSample_ - nextSample_, room));
  if (n <= 0) return false;
  buffer_.clear();
  int got = 0;
  try {
    got = stream_->read(nextSample_, n, buffer_);
  } catch (const video::VideoError&) {
    got = 0;  // a damaged stream: the sound ends here, the video goes on
  }
  if (got <= 0) {
    endSample_ = nextSample_;
    return false;
  }
  nextSample_ += got;
  output_.queue(buffer_);
  return true;
}

void TAudioPlay::BufferDone() {
  if (!playing_) return;
  while (output_.queuedBytes() < queueTarget_ && queueBuffer()) {
  }
}
