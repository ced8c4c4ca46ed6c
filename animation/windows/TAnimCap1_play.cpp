// The Animation Manager's preview: a timer shows one slot of the frame list
// per interval in the preview window, with the next frame decoded ahead.
#include <QLabel>
#include <QSlider>
#include <QTimer>

#include "animation/engine/PreviewFrames.h"
#include "animation/engine/PreviewTiming.h"
#include "animation/windows/TAnimCap1.h"
#include "animation/windows/TScreentest1.h"
#include "app/Windows.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/Services.h"
#include "platform/ui/SpinEdit.h"

namespace {

int intervalMs(int delay, int multiplier) {
  const auto us = animation::previewFrameInterval(delay, multiplier).count();
  return int((us + 500) / 1000);
}

}  // namespace

int TAnimCap1::playInterval() const { return intervalMs(TrackBar1->value(), SpinEdit4->value()); }

void TAnimCap1::delayChanged() {
  const QString words = QString::fromStdString(
      animation::previewIntervalText(TrackBar1->value(), SpinEdit4->value()));
  Label5->setText(words);
  const QString hint =
      QStringLiteral("Delay x X / 10 = milliseconds a frame (at least 1/60 s): now %1").arg(words);
  TrackBar1->setToolTip(hint);
  SpinEdit4->setToolTip(hint);
  // A change while playing applies from the next frame on.
  playTimer_->setInterval(playInterval());
}

void TAnimCap1::BitBtn10Click() {
  takeMarks();
  if (!play_.start(list_)) return;
  if (auto* preview = app::windows().Screentest1) {
    preview->resize(400, 400);
    preview->move(1, 1);
    preview->show();
  }
  decoded_->clear();
  if (auto next = play_.upcomingFrame(list_)) decoded_->prefetch(*next);
  playTimer_->setInterval(playInterval());
  playTimer_->start();
  // The first slot at once rather than after a whole interval.
  playSlot();
}

void TAnimCap1::BitBtn11Click() {
  endPlay();
  stopResize_ = true;
}

void TAnimCap1::endPlay() {
  play_.stop();
  playTimer_->stop();
  decoded_->clear();
}

void TAnimCap1::playSlot() {
  const std::optional<animation::PreviewPlay::Slot> slot = play_.next(list_);
  if (!slot) {  // stopped, or the list was emptied
    endPlay();
    return;
  }
  if (slot->show) {
    animation::PreviewFrame frame = decoded_->take(list_.entry(slot->entry));
    if (!frame.ok()) {
      // A frame that cannot be shown ends play with its name, rather than a
      // message at every turn of the loop.
      endPlay();
      ui::dialogs().error(QString::fromStdString(frame.error));
      return;
    }
    if (auto* preview = app::windows().Screentest1)
      preview->Image2->setBitmap(std::move(frame.bitmap));
  }
  if (auto next = play_.upcomingFrame(list_)) decoded_->prefetch(*next);
}
