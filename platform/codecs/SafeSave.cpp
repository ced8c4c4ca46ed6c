#include "platform/codecs/SafeSave.h"

#include <QSaveFile>
#include <QtGlobal>
#ifdef Q_OS_UNIX
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif
#include <QString>

#include "platform/codecs/PictureError.h"

namespace codecs {
namespace {

QString qtPath(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

[[noreturn]] void failSave(const std::filesystem::path& path, const QString& reason) {
  throw PictureError(ErrorKind::Io,
                     "Cannot save \"" + path.string() + "\": " + reason.toStdString());
}

// Why a file cannot be opened for the save. Qt says only "not writable" of
// an existing file it cannot replace; the system knows whether that is a
// read-only file system, missing permission or something else.
QString openFailureCause(const std::filesystem::path& path, const QString& qtReason) {
#ifdef Q_OS_UNIX
  const std::string file = path.string();
  if (::access(file.c_str(), F_OK) == 0 && ::access(file.c_str(), W_OK) != 0)
    return QString::fromLocal8Bit(std::strerror(errno));
  const std::filesystem::path parent = path.parent_path();
  const std::string folder = parent.empty() ? std::string(".") : parent.string();
  if (::access(folder.c_str(), W_OK) != 0) return QString::fromLocal8Bit(std::strerror(errno));
#else
  (void)path;
#endif
  return qtReason;
}

}  // namespace

void saveFileSafely(const std::filesystem::path& path,
                    const std::function<void(const ByteSink& sink)>& produce) {
  // QSaveFile writes a uniquely named file beside the target, keeps the old
  // file's permissions, flushes it to disk on commit and renames it over the
  // target; without commit the temporary file is removed. It never falls back
  // to writing the target in place.
  QSaveFile file(qtPath(path));
  // Unbuffered, so a failed write (full disk) is seen at once rather than in
  // a flush that the commit would not report.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
    failSave(path, openFailureCause(path, file.errorString()));
  const ByteSink sink = [&](std::span<const std::uint8_t> bytes) {
    const char* data = reinterpret_cast<const char*>(bytes.data());
    qint64 left = qint64(bytes.size());
    while (left > 0) {
      const qint64 written = file.write(data, left);
      if (written <= 0) failSave(path, file.errorString());
      data += written;
      left -= written;
    }
  };
  try {
    produce(sink);
  } catch (...) {
    file.cancelWriting();
    throw;  // ~QSaveFile removes the temporary file
  }
#ifdef Q_OS_UNIX
  // QSaveFile syncs too but ignores a failure; delayed allocation can report
  // a full disk only here.
  if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS) {
    const QString reason = QString::fromLocal8Bit(std::strerror(errno));
    file.cancelWriting();
    failSave(path, reason);
  }
#endif
  if (!file.commit()) failSave(path, file.errorString());
}

void saveFileSafely(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
  saveFileSafely(path, [bytes](const ByteSink& sink) { sink(bytes); });
}

}  // namespace codecs
