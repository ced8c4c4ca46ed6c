// The paste panel's effect buttons: the floating clip's shape pressed into
// the picture (dark and light imprint, emboss), its drop shadow, and the clip
// mirrored. The backdrop (the undo copy) stays the picture as it was before
// the paste, so Undo takes an effect back with the paste; the paste stays
// open, and moving the clip afterwards starts again from the backdrop.
#include <QProgressBar>

#include "app/TPbook1.h"
#include "app/Tclpform1.h"
#include "app/Windows.h"
#include "clips/engine/ClipImprint.h"
#include "clips/engine/MirrorClip.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/MessagePump.h"
#include "platform/ui/Services.h"
#include "tools/windows/TForm3.h"

void TPbook1::prepareClipEffect() {
  // The clip at its drawn size, then taken off the picture.
  updateclipsize();
  floatingClip.restoreAll(picture(), image2->bitmap());
  FirstRubber = true;
  PolyCount = 1;
  PolyActive = false;
  MorphPending = false;
  ui::processMessages();
  sizepaste();
}

void TPbook1::clipEffectDone() {
  // The picture now differs from the backdrop beyond where the clip was drawn.
  floatingClip.forget();
  app::windows().Form3->MaskMode = true;
  markModified();
  ptbox1->refresh();
}

namespace {

// An effect stopped half way: the clip floats again over the backdrop.
void redrawStopped(TPbook1& w, bool done) {
  if (!done) w.put_paste();
}

}  // namespace

void TPbook1::SpeedButton6Click() {
  if (clpmap1->bitmap().empty() || passRunning_) return;
  prepareClipEffect();
  const gdi::Point at = clipPlacement().pos;
  const bool done = runStoppable([&](const clips::StoppableStep& step) {
    return clips::imprint(picture(), clpmap1->bitmap(), at, clips::kImprintShift,
                          clips::Tone::Darken, step);
  });
  clipEffectDone();
  redrawStopped(*this, done);
}

void TPbook1::SpeedButton7Click() {
  if (clpmap1->bitmap().empty() || passRunning_) return;
  prepareClipEffect();
  const gdi::Point at = clipPlacement().pos;
  const bool done = runStoppable([&](const clips::StoppableStep& step) {
    return clips::imprint(picture(), clpmap1->bitmap(), at, clips::kImprintShift,
                          clips::Tone::Lighten, step);
  });
  clipEffectDone();
  redrawStopped(*this, done);
}

void TPbook1::BitBtn19Click() {
  if (clpmap1->bitmap().empty() || passRunning_) return;
  prepareClipEffect();
  const gdi::Point at = clipPlacement().pos;
  const bool done = runStoppable([&](const clips::StoppableStep& step) {
    return clips::emboss(picture(), clpmap1->bitmap(), at, step);
  });
  if (done) {
    // The clip stays where its light imprint went, one pixel up and left;
    // it is not drawn until it is moved.
    const gdi::Point offset = clipOffset();
    setClipOffset({offset.x + clips::kEmbossLightOffset.x, offset.y + clips::kEmbossLightOffset.y});
  }
  clipEffectDone();
  redrawStopped(*this, done);
}

void TPbook1::shadowit() {
  if (clpmap1->bitmap().empty() || passRunning_) return;
  prepareClipEffect();
  const gdi::Point at = clipPlacement().pos;
  const bool done = runStoppable([&](const clips::StoppableStep& step) {
    return clips::dropShadow(picture(), clpmap1->bitmap(), at, step);
  });
  clipEffectDone();
  // The clip over its shadow, as every redraw of the paste draws it.
  if (done)
    floatingClip.draw(picture(), clpmap1->bitmap(), mask1->bitmap(), clipPlacement());
  else
    put_paste();
  ptbox1->refresh();
}

void TPbook1::flpmirbutClick() {
  if (passRunning_) return;
  floatingClip.restoreAll(picture(), image2->bitmap());
  ui::Clipboard& clipboard = ui::clipboard();
  gdi::Bitmap clip = clipboard.hasBitmap() ? clipboard.bitmap() : gdi::Bitmap();
  if (clip.empty()) {
    ptbox1->refresh();
    app::showClipboardMessage();
    return;
  }
  showProgress();
  gdi::Bitmap mirrored = clips::mirrorClip(clip, progressStep());
  bg1->hide();
  // A clip without rows is pasted as it was.
  if (!mirrored.empty()) {
    clipboard.setBitmap(mirrored);
    clpmap1->setBitmap(std::move(mirrored));
  }
  // The mirrored clip stays on the clipboard and floats at the anchor again.
  paste_it();
}
