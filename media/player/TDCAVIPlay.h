#pragma once
// The AVI player control: opens a video file, shows its frames at the
// file's own rate, plays its sound with it, and can draw the video
// transparently over whatever lies behind it (every pixel of the frame's
// bottom-left colour is left out).
//
// Timing: a PeriodicTimer thread counts ticks and posts one event to the
// control unless one is already waiting or being handled. The window
// thread then takes every tick counted so far, applies them to the frame
// range (passes, the end of the range) and draws once, so a slow draw drops
// frames instead of queueing them and the position keeps to the clock.
//
// renderToBitmap() renders what the control shows, at its size, without
// the screen: the frame capture takes its pictures through it.
#include <QString>
#include <QWidget>
#include <atomic>
#include <memory>
#include <optional>

#include "media/engine/PlayRange.h"
#include "media/engine/PlayerView.h"
#include "media/player/TAudioPlay.h"
#include "platform/gdi/Bitmap.h"
#include "platform/video/AudioReader.h"
#include "platform/video/PeriodicTimer.h"
#include "platform/video/VideoReader.h"

class TDCAVIPlay : public QWidget {
  Q_OBJECT
  Q_PROPERTY(bool Active READ Active WRITE setActive)
  Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
  Q_PROPERTY(bool Center READ Center WRITE setCenter)
  Q_PROPERTY(QString FileName READ FileName WRITE setFileName)
  Q_PROPERTY(bool PlaySound READ PlaySound WRITE setPlaySound)
  Q_PROPERTY(int Repetitions READ Repetitions WRITE setRepetitions)
  Q_PROPERTY(int StartFrame READ StartFrame WRITE setStartFrame)
  Q_PROPERTY(int StopFrame READ StopFrame WRITE setStopFrame)
  Q_PROPERTY(bool Stretch READ Stretch WRITE setStretch)
  Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
  Q_PROPERTY(int Color READ Color WRITE setColor)

 public:
  // 100 x 50, closed, transparent, centred, auto-sized, with sound.
  explicit TDCAVIPlay(QWidget* parent = nullptr);
  ~TDCAVIPlay() override;

  bool Active() const { return active_; }
  void setActive(bool on);
  bool AutoSize() const { return autoSize_; }
  void setAutoSize(bool on);
  bool Center() const { return look_.center; }
  void setCenter(bool on);
  const QString& FileName() const { return fileName_; }
  // A new name closes the old file and opens the new one; a player that
  // was playing starts again.
  void setFileName(const QString& name);
  bool PlaySound() const { return playSound_; }
  void setPlaySound(bool on);
  int Repetitions() const { return repetitions_; }
  void setRepetitions(int passes) { repetitions_ = passes; }
  // Clamped to 0..frame count - 1 while a file is open.
  int StartFrame() const { return range_.startFrame; }
  void setStartFrame(int frame);
  int StopFrame() const { return range_.stopFrame; }
  void setStopFrame(int frame);
  bool Stretch() const { return look_.stretch; }
  void setStretch(bool on);
  bool Transparent() const { return look_.transparent; }
  void setTransparent(bool on);
  int Color() const { return look_.color; }
  void setColor(int color);

  // Plays frames from..to (clamped to the file) `repetitions` times, 0 = until stopped.
  void Play(int from, int to, int repetitions);
  void Stop();
  // Shows `frame` (clamped); stops playing unless it is the current frame already.
  void Seek(int frame);
  // Closes the file and opens it again: back to its first frame.
  void Reopen();
  virtual void Open();
  virtual void Close();

  bool isOpen() const { return video_.has_value(); }
  int frameCount() const { return frameCount_; }
  int currentFrame() const { return range_.current; }
  int frameWidth() const { return frameWidth_; }
  int frameHeight() const { return frameHeight_; }
  // Milliseconds per frame, rounded (0 while closed).
  int period() const { return period_; }
  // Why the last file could not be opened, or the last frame could not be read.
  const QString& lastError() const { return lastError_; }
  TAudioPlay& audio() { return audio_; }

  // What the control shows, at its size: the frame laid out as on screen
  // (stretched or centred), over what lies behind the player when
  // transparent. Renders the current frame; never reads the screen.
  gdi::Bitmap renderToBitmap();

 signals:
  void OnOpen();
  void OnClose();
  void OnStart();
  void OnStop();
  // A frame was drawn (its number); lets the capture window follow playback.
  void frameShown(int frame);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Timer thread: counts the tick and posts unless a post is pending.
  void timerTick();
  // Window thread: applies the ticks counted so far and draws once.
  void handleTicks();
  void startSound(int from, int to);
  // Decodes the current frame into shown_ (once per frame) and repaints.
  void drawFrame();
  // The picture of the current frame, or null without one.
  const gdi::Bitmap* currentPicture();
  void applyAutoSize();
  void updateOpacity();
  // The frame at its drawn size with the key colour see-through, for painting.
  const QImage& transparentImage(const media::FrameLayout& layout);

  std::optional<video::VideoReader> video_;
  std::optional<video::AudioReader> sound_;
  TAudioPlay audio_;
  video::PeriodicTimer timer_;
  std::atomic<int> pendingTicks_{0};
  std::atomic<bool> posted_{false};

  QString fileName_;
  QString lastError_;
  bool active_ = false;
  bool autoSize_ = true;
  bool playSound_ = true;
  int repetitions_ = 0;
  media::PlayerLook look_;
  media::PlayRange range_;
  int frameCount_ = 0;
  int frameWidth_ = 0;
  int frameHeight_ = 0;
  int period_ = 0;

  bool drawing_ = false;
  bool hiddenForRender_ = false;
  gdi::Bitmap shown_;
  int shownFrame_ = -1;
  int shownVersion_ = 0;
  // Painting caches, rebuilt when the picture or the layout changes.
  gdi::Bitmap view_;
  gdi::Bitmap stretched_;
  QImage seeThrough_;
  int seeThroughVersion_ = -1;
  media::FrameLayout seeThroughLayout_;
};
