#pragma once
// Keeps a recovery copy of the picture while it has unsaved changes, and
// offers the copy a studio left behind when it was killed.
//
// The main window tells it of every change (cheap: a count and a clock) and
// of every save or discarded change. A few quiet seconds after the last
// change, the picture is copied on the window thread and handed to the
// writer's thread; a picture changing without pause is still copied every
// half minute, between strokes. Nothing is written while nothing changed.
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

#include "document/engine/RecoveryStore.h"
#include "document/engine/RecoveryWriter.h"
#include "platform/gdi/Bitmap.h"

namespace app {

struct RecoveryTiming {
  std::chrono::milliseconds quiet{3000};     // after the last change
  std::chrono::milliseconds longest{30000};  // behind changes that never pause
  std::chrono::milliseconds retry{250};      // while a stroke is under way
};

// What the keeper needs of the main window.
struct RecoverySource {
  // The picture as a save would write it, with pixels of its own.
  std::function<gdi::Bitmap()> snapshot;
  std::function<QString()> caption;
  std::function<bool()> modified;
  // A stroke is under way: copying now would hold up its next mouse event.
  std::function<bool()> busy;
};

class RecoveryKeeper : public QObject {
 public:
  RecoveryKeeper(const QString& folder, RecoverySource source, RecoveryTiming timing = {});
  // A clean exit: the copy goes (after a write in progress).
  ~RecoveryKeeper() override;

  // The picture changed.
  void changed();
  // The picture was saved, or its changes discarded: the copy goes.
  void dropCopy();

  // Offers the copies of studios that are no longer running, newest first,
  // until one is taken: `restore` makes it the picture. Declined copies are
  // removed; damaged ones are reported and removed. The restored picture is
  // copied for this studio before the old copy goes.
  void offerLeftCopies(const std::function<void(gdi::Bitmap picture, QString caption)>& restore);

  // The per-user place of recovery copies.
  static QString defaultFolder();

  document::RecoveryStore& store() { return *store_; }
  document::RecoveryWriter& writer() { return *writer_; }

 private:
  void timeout();
  void writeNow();

  RecoverySource source_;
  RecoveryTiming timing_;
  std::unique_ptr<document::RecoveryStore> store_;
  std::unique_ptr<document::RecoveryWriter> writer_;
  QTimer timer_;
  std::uint64_t changes_ = 0;  // changes counted
  std::uint64_t covered_ = 0;  // changes the last copy (or drop) covers
  QElapsedTimer sinceChange_;
  QElapsedTimer sinceUncovered_;  // since the first change not covered
};

}  // namespace app
