// Playing and stepping: Play, Stop, Seek, Next, the track bar and the step timer.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>

#include "media/player/TDCAVIPlay.h"
#include "media/windows/TAVICAP.h"

void TAVICAP::BitBtn2Click() { AVI->Play(0, AVI->frameCount() - 1, 0); }

void TAVICAP::BitBtn3Click() {
  AVI->Stop();
  Timer1->stop();
}

void TAVICAP::setUpTrackBar() {
  const QSignalBlocker quiet(tb);
  tb->setMaximum(AVI->frameCount());
  tb->setTickInterval(media::trackTickFrequency(AVI->frameCount()));
  tb->setPageStep(std::max(media::trackTickFrequency(AVI->frameCount()), 1));
  tb->setValue(AVI->currentFrame());
  tb->show();
}

void TAVICAP::followFrame(int frame) {
  if (!tb->isVisible()) return;
  const QSignalBlocker quiet(tb);
  tb->setValue(frame);
}

void TAVICAP::BitBtn4Click() {
  setUpTrackBar();
  bool number = false;
  const int frame = Edit1->text().trimmed().toInt(&number);
  if (!number) return;
  AVI->Seek(frame);
  followFrame(AVI->currentFrame());
}

void TAVICAP::BitBtn5Click() {
  if (AVI->currentFrame() < AVI->frameCount()) AVI->Seek(AVI->currentFrame() + 1);
  followFrame(AVI->currentFrame());
}

void TAVICAP::tbChange() { AVI->Seek(tb->value()); }

void TAVICAP::timClick() {
  if (tim->isChecked()) {
    AVI->Stop();
    setUpTrackBar();
    Timer1->start();
    CheckSound->setChecked(false);
    fbut->show();
    sbut->show();
  } else {
    tb->hide();
    Timer1->stop();
    AVI->Play(0, AVI->frameCount() - 1, 0);
    CheckSound->setChecked(true);
    fbut->hide();
    sbut->hide();
  }
}

void TAVICAP::Timer1Timer() {
  if (!AVI->isOpen()) return;
  const int next = media::nextSteppedFrame(AVI->currentFrame(), AVI->frameCount(), 0);
  if (next < AVI->currentFrame())
    AVI->Reopen();  // past the last frame: the file starts again
  else
    AVI->Seek(next);
  followFrame(AVI->currentFrame());
}

void TAVICAP::fbutClick() { Timer1->setInterval(media::fasterInterval(Timer1->interval())); }

void TAVICAP::sbutClick() { Timer1->setInterval(media::slowerInterval(Timer1->interval())); }
