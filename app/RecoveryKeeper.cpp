#include "app/RecoveryKeeper.h"

#include <QDir>
#include <QStandardPaths>

#include "document/engine/DocumentNames.h"
#include "platform/ui/Services.h"

namespace app {

namespace {

QString offerText(const document::RecoveryInfo& info) {
  const QString when = info.saved.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
  return QStringLiteral("Restore the unsaved picture %1 from %2?")
      .arg(document::fileNamePart(info.caption), when);
}

}  // namespace

RecoveryKeeper::RecoveryKeeper(const QString& folder, RecoverySource source, RecoveryTiming timing)
    : source_(std::move(source)),
      timing_(timing),
      store_(std::make_unique<document::RecoveryStore>(folder)),
      writer_(std::make_unique<document::RecoveryWriter>(*store_)) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, [this] { timeout(); });
}

RecoveryKeeper::~RecoveryKeeper() {
  writer_->remove();
  writer_.reset();  // finishes the removal
}

QString RecoveryKeeper::defaultFolder() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
      .filePath(QStringLiteral("recovery"));
}

void RecoveryKeeper::changed() {
  if (changes_++ == covered_) sinceUncovered_.start();
  sinceChange_.start();
  if (!timer_.isActive()) timer_.start(timing_.quiet);
}

void RecoveryKeeper::dropCopy() {
  covered_ = changes_;
  timer_.stop();
  writer_->remove();
}

void RecoveryKeeper::timeout() {
  if (changes_ == covered_) return;
  if (source_.modified && !source_.modified()) return;
  const auto quietFor = std::chrono::milliseconds(sinceChange_.elapsed());
  const auto behindFor = std::chrono::milliseconds(sinceUncovered_.elapsed());
  if (quietFor < timing_.quiet && behindFor < timing_.longest) {
    timer_.start(timing_.quiet - quietFor);
    return;
  }
  if (source_.busy && source_.busy()) {
    timer_.start(timing_.retry);
    return;
  }
  writeNow();
}

void RecoveryKeeper::writeNow() {
  covered_ = changes_;
  writer_->write(source_.snapshot(), source_.caption());
}

void RecoveryKeeper::offerLeftCopies(
    const std::function<void(gdi::Bitmap picture, QString caption)>& restore) {
  document::RecoveryScan found = store_->scan();
  QStringList notes = found.notes;
  bool restored = false;
  for (const document::LeftCopy& copy : found.copies) {
    if (restored) break;  // the rest are offered at the next start
    const ui::MsgResult answer =
        ui::dialogs().message(offerText(copy.info), QStringLiteral("Confirm"),
                              ui::MsgButtons::YesNo, ui::MsgIcon::Confirmation);
    if (answer == ui::MsgResult::Yes) {
      QString note;
      gdi::Bitmap picture = store_->read(copy, &note);
      if (picture.empty()) {
        notes << note;
      } else {
        restore(std::move(picture), copy.info.caption);
        restored = true;
        // Copied for this studio at once: the old copy goes only after.
        changed();
        writeNow();
        timer_.stop();
      }
    }
    writer_->discard(copy);
  }
  if (!notes.isEmpty())
    ui::dialogs().message(notes.join(QLatin1Char('\n')), QStringLiteral("Recovery"),
                          ui::MsgButtons::Ok, ui::MsgIcon::Warning);
}

}  // namespace app
