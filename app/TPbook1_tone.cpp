// The tone filters over the whole picture (from the tool palette) and the
// tones of the last captured area (from the options window). Each runs with
// the progress bar and a Stop button (Escape presses it); a stopped filter
// leaves the picture exactly as it was. The palette takes the undo copy as
// for any tool; the area operations take it themselves.
#include <QProgressBar>
#include <QToolButton>

#include "app/TPbook1.h"
#include "clips/engine/AreaTone.h"
#include "clips/engine/ToneFilters.h"
#include "platform/ui/BusyCursor.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/MessagePump.h"

bool TPbook1::runStoppable(const std::function<bool(const clips::StoppableStep&)>& pass) {
  // The messages let through while a pass runs may ask for another one.
  if (passRunning_) return false;
  passRunning_ = true;
  StopRequested = false;
  ui::BusyCursor busy;
  showProgress();
  bg1stop->show();
  const clips::StoppableStep step = [this](int position) {
    bg1->setValue(position);
    ui::processMessages();
    return !StopRequested;
  };
  bool done = false;
  try {
    done = pass(step);
  } catch (...) {
    passRunning_ = false;
    bg1stop->hide();
    bg1->hide();
    throw;
  }
  passRunning_ = false;
  bg1stop->hide();
  bg1->setValue(0);
  bg1->hide();
  if (done) markModified();
  ptbox1->refresh();
  return done;
}

void TPbook1::doblend() {
  runStoppable(
      [this](const clips::StoppableStep& step) { return clips::softFocus(picture(), step); });
}

void TPbook1::doblend2() {
  runStoppable(
      [this](const clips::StoppableStep& step) { return clips::softenLight(picture(), step); });
}

void TPbook1::doblend3(int lighten) {
  const clips::Tone tone = lighten ? clips::Tone::Lighten : clips::Tone::Darken;
  runStoppable([this, tone](const clips::StoppableStep& step) {
    return clips::shiftImage(picture(), tone, step);
  });
}

void TPbook1::lightenit(bool lighten, int steps) {
  if (clpmap1->bitmap().empty() || passRunning_) return;
  takeUndoCopy();
  const clips::Tone tone = lighten ? clips::Tone::Lighten : clips::Tone::Darken;
  runStoppable([&](const clips::StoppableStep& step) {
    return clips::lightenArea(picture(), clpmap1->bitmap(), CaptureOrigin, tone, steps, step);
  });
}

void TPbook1::doclipblend(int steps) {
  if (clpmap1->bitmap().empty() || passRunning_) return;
  takeUndoCopy();
  runStoppable([&](const clips::StoppableStep& step) {
    return clips::blendArea(picture(), clpmap1->bitmap(), CaptureOrigin, steps, step);
  });
}
