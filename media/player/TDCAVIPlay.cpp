// The player's properties and the opening and closing of its file.
#include "media/player/TDCAVIPlay.h"

#include <QFile>

TDCAVIPlay::TDCAVIPlay(QWidget* parent) : QWidget(parent) {
  range_.startFrame = 1;  // set to the stream's first frame on opening
  resize(100, 50);
  updateOpacity();
}

TDCAVIPlay::~TDCAVIPlay() {
  // The timer thread must be gone before the members it posts about.
  timer_.stop();
  audio_.Stop();
}

void TDCAVIPlay::setActive(bool on) {
  if (on)
    Play(range_.startFrame, range_.stopFrame, repetitions_);
  else
    Stop();
}

void TDCAVIPlay::setAutoSize(bool on) {
  autoSize_ = on;
  applyAutoSize();
}

void TDCAVIPlay::setCenter(bool on) {
  look_.center = on;
  update();
}

void TDCAVIPlay::setFileName(const QString& name) {
  if (name == fileName_) return;
  const bool wasActive = active_;
  Close();
  fileName_ = name;
  Open();
  update();
  if (fileName_.isEmpty() && parentWidget()) parentWidget()->update();
  if (wasActive) setActive(true);
}

void TDCAVIPlay::setPlaySound(bool on) {
  playSound_ = on;
  if (!active_) return;
  if (on)
    startSound(range_.current, range_.stopFrame);
  else
    audio_.Stop();
}

void TDCAVIPlay::setStartFrame(int frame) {
  range_.startFrame = isOpen() ? media::clampFrame(frame, frameCount_) : frame;
}

void TDCAVIPlay::setStopFrame(int frame) {
  range_.stopFrame = isOpen() ? media::clampFrame(frame, frameCount_) : frame;
}

void TDCAVIPlay::setStretch(bool on) {
  look_.stretch = on;
  update();
}

void TDCAVIPlay::setTransparent(bool on) {
  look_.transparent = on;
  updateOpacity();
  update();
}

void TDCAVIPlay::setColor(int color) {
  look_.color = color;
  update();
}

void TDCAVIPlay::Open() {
  if (fileName_.isEmpty() || isOpen()) return;
  const std::filesystem::path path(QFile::encodeName(fileName_).toStdString());
  try {
    video_.emplace(path);
  } catch (const video::VideoError& e) {
    // The player stays closed; the owner may show lastError().
    lastError_ = QString::fromStdString(e.what());
    return;
  }
  // Sound is optional: a stream that cannot be decoded plays the video silently.
  if (video_->hasAudio()) {
    try {
      sound_.emplace(path);
    } catch (const video::VideoError&) {
      sound_.reset();
    }
  }
  lastError_.clear();
  const video::VideoStreamInfo& info = video_->info();
  frameCount_ = info.length;
  frameWidth_ = info.width;
  frameHeight_ = info.height;
  period_ = media::framePeriodMs(info.rate, info.scale);
  range_.startFrame = range_.current = info.start;
  range_.stopFrame = info.length - 1;
  shownFrame_ = -1;
  applyAutoSize();
  drawFrame();
  if (parentWidget()) parentWidget()->update();
  emit OnOpen();
}

void TDCAVIPlay::Close() {
  if (!isOpen()) return;
  if (active_) Stop();
  audio_.Stop();
  sound_.reset();
  video_.reset();
  frameCount_ = 0;
  period_ = 0;
  shown_ = gdi::Bitmap();
  shownFrame_ = -1;
  ++shownVersion_;
  update();
  emit OnClose();
}

void TDCAVIPlay::Reopen() {
  Close();
  Open();
}
