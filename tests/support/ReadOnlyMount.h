#pragma once
// A small file system mounted read-only at a fresh folder for the life of
// the object, holding the one file given (if any): saves into it fail as they do on a
// write-protected medium, whoever runs the test (root too, for whom folder
// permissions mean nothing). Mounting needs the right to mount; tests skip
// when available() is false.
#include <sys/mount.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace testing_support {

class ReadOnlyMount {
 public:
  ReadOnlyMount() : ReadOnlyMount(QString(), QByteArray()) {}
  ReadOnlyMount(const QString& name, const QByteArray& bytes) {
    if (!parent_.isValid()) return;
    folder_ = parent_.filePath(QStringLiteral("readonly"));
    QDir().mkpath(folder_);
    const QByteArray at = QFile::encodeName(folder_);
    if (::mount("quillmoor-test", at.constData(), "tmpfs", 0, "size=4m") != 0) return;
    mounted_ = true;
    if (!name.isEmpty()) {
      QFile f(folder_ + QLatin1Char('/') + name);
      if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) return;
    }
    readOnly_ =
        ::mount("quillmoor-test", at.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
  }
  ~ReadOnlyMount() {
    if (mounted_) ::umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
  }
  ReadOnlyMount(const ReadOnlyMount&) = delete;
  ReadOnlyMount& operator=(const ReadOnlyMount&) = delete;

  bool available() const { return mounted_ && readOnly_; }
  const QString& folder() const { return folder_; }
  QString path(const QString& name) const { return folder_ + QLatin1Char('/') + name; }

 private:
  QTemporaryDir parent_;
  QString folder_;
  bool mounted_ = false;
  bool readOnly_ = false;
};

}  // namespace testing_support
