// Recovery copies: the main window's changes, saves and the start-up offer
// handed to the keeper.
#include "app/TPbook1.h"

void TPbook1::markModified() {
  Modified = true;
  if (recovery_) recovery_->changed();
}

void TPbook1::pictureSaved() {
  Modified = false;
  if (recovery_) recovery_->dropCopy();
}

void TPbook1::startRecovery(const QString& folder, const app::RecoveryTiming& timing) {
  app::RecoverySource source;
  source.snapshot = [this] {
    std::optional<gdi::Bitmap> merged = zoomedEditMerged();
    gdi::Bitmap copy = merged ? std::move(*merged) : picture();
    // Pixels of its own, even where bitmaps share theirs until written:
    // otherwise the next stroke would pay for the copy while the writer
    // still holds it.
    copy.bits();
    return copy;
  };
  source.caption = [this] { return caption(); };
  source.modified = [this] { return Modified; };
  source.busy = [this] { return MouseIsDown; };
  recovery_ = std::make_unique<app::RecoveryKeeper>(folder, std::move(source), timing);
}

void TPbook1::offerRecovery() {
  if (!recovery_) return;
  recovery_->offerLeftCopies([this](gdi::Bitmap restored, QString name) {
    // As a load brings a picture, with its old caption, and still unsaved.
    loadPicture(restored, name);
    markModified();
  });
}
