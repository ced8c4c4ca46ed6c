// The player's media device: a video opens in the display window's player
// (its sound track plays with it), a wave file opens as a sound stream played
// through the wave output, and the transport row drives whichever is open.
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>
#include <filesystem>

#include "app/Windows.h"
#include "media/player/TDCAVIPlay.h"
#include "media/windows/Taviwin.h"
#include "media/windows/Tmediaform1.h"
#include "platform/ui/GuardedConnect.h"
#include "platform/ui/Services.h"
#include "platform/video/VideoError.h"

bool Tmediaform1::deviceOpen() const { return movie_ || wave_.has_value(); }

TDCAVIPlay* Tmediaform1::movie() const { return movie_.data(); }

bool Tmediaform1::openDevice(const QString& ext) {
  if (ext == QLatin1String(".MID")) {
    // No synthesizer is built in: say so rather than play silence.
    ui::dialogs().message(QStringLiteral("MIDI files cannot be played here"),
                          QStringLiteral("Multimedia Player"));
    fileLine->setText(QStringLiteral("No file is open."));
    return false;
  }
  QString why;
  if (ext != QLatin1String(".WAV")) {
    QWidget* display = app::windows().aviwin;
    auto* player = new TDCAVIPlay(display ? display : this);
    player->setObjectName("moviePlayer");
    player->setTransparent(false);
    player->hide();
    player->setFileName(fileName);
    if (player->isOpen()) {
      movie_ = player;
      ui::connectGuarded(player, &TDCAVIPlay::frameShown, this,
                         [this](int frame) { pg1->setValue(frame); });
      pg1->setRange(0, std::max(0, player->frameCount() - 1));
      pg1->setValue(player->currentFrame());
      fileLine->setText(QStringLiteral("%1: %2 frames of %3 x %4")
                            .arg(fileName)
                            .arg(player->frameCount())
                            .arg(player->frameWidth())
                            .arg(player->frameHeight()));
      return true;
    }
    why = player->lastError();
    delete player;
  }
  // A sound file, or a file without pictures that may still carry sound.
  try {
    wave_.emplace(std::filesystem::path(QFile::encodeName(fileName).toStdString()));
    wavePosition_ = 0;
    pg1->setRange(0, 1);
    pg1->setValue(0);
    fileLine->setText(
        QStringLiteral("%1: %2 Hz sound").arg(fileName).arg(wave_->info().sampleRate));
    return true;
  } catch (const video::VideoError& e) {
    wave_.reset();
    if (why.isEmpty()) why = QString::fromStdString(e.what());
  }
  fileLine->setText(QStringLiteral("No file is open."));
  ui::dialogs().error(QStringLiteral("Cannot open %1: %2").arg(fileName, why),
                      QStringLiteral("Multimedia Player"));
  return false;
}

void Tmediaform1::closeDevice() {
  if (movie_) {
    movie_->Stop();
    movie_->Close();
    delete movie_.data();
  }
  waveOut_.Stop();
  wave_.reset();
  wavePosition_ = 0;
  if (pg1) pg1->setValue(0);
}

void Tmediaform1::showDisplay() {
  auto* display = app::windows().aviwin;
  if (!movie_ || !display) return;
  movie_->move(0, 0);
  movie_->resize(movie_->frameWidth(), movie_->frameHeight());
  movie_->show();
  display->resize(movie_->frameWidth(), movie_->frameHeight());
  display->show();
}

void Tmediaform1::closeDisplay() {
  if (auto* display = app::windows().aviwin; display && display->isVisible()) display->close();
}

void Tmediaform1::updateTransport() {
  const bool video = movie_ != nullptr;
  const bool open = deviceOpen();
  for (QPushButton* b : {playBtn, pauseBtn, stopBtn, nextBtn, prevBtn}) b->setEnabled(open);
  stepBtn->setEnabled(video);
  backBtn->setEnabled(video);
  ejectBtn->setEnabled(false);  // files cannot be ejected
}

void Tmediaform1::playClick() {
  if (movie_) {
    const int last = movie_->frameCount() - 1;
    const int from = movie_->currentFrame() >= last ? 0 : movie_->currentFrame();
    movie_->Play(from, last, 1);
  } else if (wave_) {
    if (wavePosition_ >= wave_->info().length) wavePosition_ = 0;
    if (!waveOut_.Play(&*wave_, -1, wavePosition_))
      fileLine->setText(QStringLiteral("%1: no sound (%2)")
                            .arg(fileName, QString::fromStdString(waveOut_.lastError())));
  }
}

void Tmediaform1::pauseClick() {
  if (movie_) {
    movie_->Stop();
  } else if (wave_ && waveOut_.playing()) {
    // Resumes from what was read; the device's queue ahead is short.
    wavePosition_ = waveOut_.nextSample();
    waveOut_.Stop();
  }
}

void Tmediaform1::stopClick() { pauseClick(); }

void Tmediaform1::nextClick() {
  if (movie_) {
    movie_->Seek(movie_->frameCount() - 1);
  } else if (wave_) {
    waveOut_.Stop();
    wavePosition_ = wave_->info().length;
  }
}

void Tmediaform1::prevClick() {
  if (movie_) {
    movie_->Seek(0);
  } else if (wave_) {
    const bool playing = waveOut_.playing();
    waveOut_.Stop();
    wavePosition_ = 0;
    if (playing) playClick();
  }
}

void Tmediaform1::stepClick() {
  if (movie_) movie_->Seek(movie_->currentFrame() + 1);
}

void Tmediaform1::backClick() {
  if (movie_) movie_->Seek(std::max(0, movie_->currentFrame() - 1));
}
