#include "document/engine/RecoveryWriter.h"

#include <algorithm>
#include <exception>

namespace document {

RecoveryWriter::RecoveryWriter(RecoveryStore& store) : store_(store), worker_([this] { run(); }) {}

RecoveryWriter::~RecoveryWriter() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  worker_.join();
}

void RecoveryWriter::write(gdi::Bitmap snapshot, QString caption) {
  Job job{Job::Write, std::move(snapshot), std::move(caption), {}};
  std::unique_lock<std::mutex> lock(mutex_);
  const auto queued =
      std::find_if(jobs_.begin(), jobs_.end(), [](const Job& j) { return j.kind == Job::Write; });
  if (queued != jobs_.end()) {
    // The older picture is not worth writing any more. Its pixels are
    // released outside the lock.
    std::swap(*queued, job);
    lock.unlock();
    return;
  }
  jobs_.push_back(std::move(job));
  lock.unlock();
  wake_.notify_one();
}

void RecoveryWriter::remove() {
  std::deque<Job> cancelled;
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    const auto write = std::stable_partition(jobs_.begin(), jobs_.end(),
                                             [](const Job& j) { return j.kind != Job::Write; });
    std::move(write, jobs_.end(), std::back_inserter(cancelled));
    jobs_.erase(write, jobs_.end());
    jobs_.push_back({Job::Remove, {}, {}, {}});
  }
  wake_.notify_one();
}

void RecoveryWriter::discard(LeftCopy copy) { post({Job::Discard, {}, {}, std::move(copy)}); }

void RecoveryWriter::post(Job job) {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    jobs_.push_back(std::move(job));
  }
  wake_.notify_one();
}

void RecoveryWriter::waitIdle() {
  std::unique_lock<std::mutex> lock(mutex_);
  idle_.wait(lock, [this] { return jobs_.empty() && !working_; });
}

bool RecoveryWriter::busy() const {
  const std::lock_guard<std::mutex> lock(mutex_);
  return working_ || !jobs_.empty();
}

QString RecoveryWriter::lastError() const {
  const std::lock_guard<std::mutex> lock(mutex_);
  return lastError_;
}

void RecoveryWriter::run() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
    if (jobs_.empty()) return;  // stopping, with every request done
    Job job = std::move(jobs_.front());
    jobs_.pop_front();
    working_ = true;
    lock.unlock();
    QString error;
    try {
      switch (job.kind) {
        case Job::Write:
          store_.write(job.snapshot, job.caption);
          break;
        case Job::Remove:
          store_.remove();
          break;
        case Job::Discard:
          store_.discard(job.copy);
          break;
      }
    } catch (const std::exception& e) {
      // A full disk or a folder gone: the previous copy stays; the next
      // change tries again.
      error = QString::fromLocal8Bit(e.what());
    }
    job = {};  // the snapshot is released here, not under the lock
    lock.lock();
    if (!error.isEmpty()) lastError_ = error;
    working_ = false;
    if (jobs_.empty()) idle_.notify_all();
  }
}

}  // namespace document
