#pragma once
// Recovery copies of an unsaved picture, kept so that a crash, a killed
// process or a power cut loses nothing.
//
// Each running studio owns one slot in the recovery folder, named after its
// process id and start time: a lock file it holds for as long as it runs, a
// side file describing the copy, and the copy itself as a BMP file. A copy is
// written in two safe saves: the picture under a new numbered name, then the
// side file that names it; only then is the previous picture file removed.
// So the side file always names a complete picture, whenever the process
// dies.
//
// A slot whose lock can be taken belongs to a process that is no longer
// running: scan() offers its copy. A live studio's lock cannot be taken, so
// two studios never take each other's copy.
//
// Not thread-safe: one thread at a time (the writer's worker while it runs).
#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gdi/Bitmap.h"

namespace document {

// What the side file says about a copy.
struct RecoveryInfo {
  QString caption;      // the picture's caption: its file, or "TEMP.BMP"
  QString pictureFile;  // the copy's BMP file, in the recovery folder
  int width = 0;
  int height = 0;
  std::int64_t bytes = 0;  // size of the BMP file
  QDateTime saved;         // when the copy was written (UTC)
  std::int64_t pid = 0;    // the process that wrote it
};

// A copy left behind by a process that is no longer running. Its lock is
// held by the store that found it until the copy is restored or discarded.
struct LeftCopy {
  QString slot;  // the slot's name: "<pid>-<start>"
  RecoveryInfo info;
};

struct RecoveryScan {
  std::vector<LeftCopy> copies;  // newest first
  // One sentence per copy that was damaged or half-written and skipped
  // (and removed, since nothing can be made of it).
  QStringList notes;
};

class RecoveryStore {
 public:
  // Uses `folder`, creating it when needed. The slot is this process's.
  explicit RecoveryStore(const QString& folder);
  ~RecoveryStore();
  RecoveryStore(const RecoveryStore&) = delete;
  RecoveryStore& operator=(const RecoveryStore&) = delete;

  const QString& folder() const { return folder_; }
  const QString& slot() const { return slot_; }
  // Whether this process holds its slot's lock (the folder is usable).
  bool locked() const;

  // Writes `picture` as this process's copy, replacing the previous one.
  // Throws codecs::PictureError when a file cannot be written; the previous
  // copy then stays as it was.
  void write(const gdi::Bitmap& picture, const QString& caption);
  // Removes this process's copy (the lock stays).
  void remove();
  // Whether this process has a copy on disk, and how many it wrote.
  bool hasCopy() const { return !current_.isEmpty(); }
  int writes() const { return writes_; }

  // The copies of processes that are no longer running. Damaged ones are
  // removed with a note; copies of live studios are left alone.
  RecoveryScan scan();
  // The copy's picture; empty when it cannot be read (the note says why).
  gdi::Bitmap read(const LeftCopy& copy, QString* note = nullptr) const;
  // Removes a left copy's files and releases its lock.
  void discard(const LeftCopy& copy);

  // The side file's name of a slot, and the prefix every file of it starts with.
  static QString sideFileName(const QString& slot);
  static QString slotPrefix(const QString& slot);

 private:
  QString path(const QString& name) const;
  // Every file of a slot but its lock; with `keep` (a picture file), all
  // but that picture and the side file.
  void removeSlotFiles(const QString& slot, const QString& keep = {}) const;

  QString folder_;
  QString slot_;
  std::unique_ptr<QLockFile> lock_;
  QString current_;  // this process's picture file on disk, if any
  int generation_ = 0;
  int writes_ = 0;
  // Locks of left copies found by scan(), held until restore or discard.
  std::vector<std::pair<QString, std::unique_ptr<QLockFile>>> taken_;
};

// Encodes and decodes the side file (JSON). A side file that is not one of
// ours, or lacks a field, gives false.
QByteArray encodeRecoveryInfo(const RecoveryInfo& info);
bool decodeRecoveryInfo(const QByteArray& bytes, RecoveryInfo& info);

}  // namespace document
