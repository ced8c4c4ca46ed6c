// Playing: the frame timer, the range and its passes, and the sound.
#include <QCoreApplication>
#include <QEvent>

#include "media/engine/SoundRange.h"
#include "media/player/TDCAVIPlay.h"

namespace {

// The event the timer posts: draw the current frame.
const QEvent::Type kTickEvent = QEvent::Type(QEvent::User + 1);

}  // namespace

void TDCAVIPlay::Play(int from, int to, int repetitions) {
  Stop();
  if (!isOpen()) return;
  // Frame numbers are limited to the file rather than to 16 bits, so long
  // files play to their end.
  from = media::clampFrame(from, frameCount_);
  to = media::clampFrame(to, frameCount_);
  range_.current = range_.startFrame = from;
  range_.stopFrame = to;
  range_.remaining = repetitions;
  emit OnStart();
  active_ = true;
  startSound(from, to);
  drawFrame();
  const video::VideoStreamInfo& info = video_->info();
  timer_.start(info.rate, info.scale, [this] { timerTick(); });
}

void TDCAVIPlay::Stop() {
  timer_.stop();
  pendingTicks_ = 0;
  posted_ = false;
  if (!active_) return;
  audio_.Stop();
  active_ = false;
  emit OnStop();
  drawFrame();
}

void TDCAVIPlay::Seek(int frame) {
  if (frame == range_.current) return;
  Stop();
  range_.current = isOpen() ? media::clampFrame(frame, frameCount_) : frame;
  update();
}

void TDCAVIPlay::startSound(int from, int to) {
  if (!sound_ || !playSound_ || !video_) return;
  const video::VideoStreamInfo& v = video_->info();
  const video::AudioStreamInfo& a = sound_->info();
  const media::SampleRange samples =
      media::soundForFrames(from, to, v.rate, v.scale, a.sampleRate, a.length);
  // No device or nothing to play: the video goes on without sound.
  (void)audio_.Play(&*sound_, samples.end, samples.start);
}

void TDCAVIPlay::timerTick() {
  pendingTicks_.fetch_add(1);
  if (!posted_.exchange(true)) QCoreApplication::postEvent(this, new QEvent(kTickEvent));
}

bool TDCAVIPlay::event(QEvent* e) {
  if (e->type() == kTickEvent) {
    handleTicks();
    return true;
  }
  return QWidget::event(e);
}

void TDCAVIPlay::handleTicks() {
  const int ticks = pendingTicks_.exchange(0);
  if (!active_) {
    posted_ = false;
    return;
  }
  bool looped = false;
  for (int i = 0; i < ticks; ++i) {
    switch (media::tick(range_)) {
      case media::TickResult::Finished:
        Stop();  // stays on the stop frame
        return;
      case media::TickResult::Looped:
        looped = true;
        break;
      case media::TickResult::Advanced:
        break;
    }
  }
  // A new pass starts its sound where the picture is (the start frame,
  // unless ticks were dropped after it).
  if (looped) startSound(range_.current, range_.stopFrame);
  drawFrame();
  // Ticks that came while drawing are waiting in pendingTicks_; the next
  // tick posts again and takes them all.
  posted_ = false;
}
