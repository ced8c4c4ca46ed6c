#pragma once
// Writes recovery copies on a thread of its own, so that painting never
// waits for a picture file to reach the disk.
//
// The window thread hands over a snapshot (a copy of the picture it owns
// outright) and goes on at once. Requests are done in order, except that a
// copy not yet begun is replaced by a newer one: only the latest picture is
// ever worth writing. Removing this process's copy cancels a copy not yet
// begun and waits (on the worker) for one being written, so a removed copy
// never reappears.
#include <QString>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "document/engine/RecoveryStore.h"
#include "platform/gdi/Bitmap.h"

namespace document {

class RecoveryWriter {
 public:
  // `store` must outlive the writer; from now on only the worker uses it.
  explicit RecoveryWriter(RecoveryStore& store);
  // Finishes every request made, then stops the worker.
  ~RecoveryWriter();
  RecoveryWriter(const RecoveryWriter&) = delete;
  RecoveryWriter& operator=(const RecoveryWriter&) = delete;

  void write(gdi::Bitmap snapshot, QString caption);
  void remove();
  // Removes a left copy the store found (after the requests before it).
  void discard(LeftCopy copy);
  // Blocks until every request made so far is done.
  void waitIdle();
  // Whether a request is queued or being done.
  bool busy() const;
  // The message of the last write that failed (the previous copy stayed).
  QString lastError() const;

 private:
  struct Job {
    enum Kind { Write, Remove, Discard } kind;
    gdi::Bitmap snapshot;
    QString caption;
    LeftCopy copy;
  };
  void run();
  void post(Job job);

  RecoveryStore& store_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable idle_;
  std::deque<Job> jobs_;
  bool working_ = false;
  bool stopping_ = false;
  QString lastError_;
  std::thread worker_;
};

}  // namespace document
