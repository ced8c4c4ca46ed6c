#include "document/engine/RecoveryStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <algorithm>
#include <atomic>

#include "document/engine/PictureFiles.h"
#include "platform/codecs/PictureError.h"
#include "platform/codecs/SafeSave.h"

namespace document {

namespace {

constexpr const char* kMagic = "Quillmoor recovery copy";
constexpr int kVersion = 1;

// Unique within the process too, so that tests may run two stores at once.
QString newSlot() {
  static std::atomic<int> count{0};
  return QStringLiteral("%1-%2-%3")
      .arg(QCoreApplication::applicationPid())
      .arg(QDateTime::currentMSecsSinceEpoch())
      .arg(count++);
}

QString lockFileName(const QString& slot) { return slot + QStringLiteral(".lock"); }

// Takes the lock of another slot: true when its owner is no longer running.
// Waits for nothing: a live owner's lock is simply refused.
std::unique_ptr<QLockFile> takeOverLock(const QString& lockPath) {
  auto lock = std::make_unique<QLockFile>(lockPath);
  if (!lock->tryLock(0)) return nullptr;
  return lock;
}

}  // namespace

QByteArray encodeRecoveryInfo(const RecoveryInfo& info) {
  QJsonObject o;
  o.insert(QStringLiteral("format"), QString::fromLatin1(kMagic));
  o.insert(QStringLiteral("version"), kVersion);
  o.insert(QStringLiteral("caption"), info.caption);
  o.insert(QStringLiteral("picture"), info.pictureFile);
  o.insert(QStringLiteral("width"), info.width);
  o.insert(QStringLiteral("height"), info.height);
  o.insert(QStringLiteral("bytes"), double(info.bytes));
  o.insert(QStringLiteral("saved"), info.saved.toUTC().toString(Qt::ISODateWithMs));
  o.insert(QStringLiteral("pid"), double(info.pid));
  return QJsonDocument(o).toJson();
}

bool decodeRecoveryInfo(const QByteArray& bytes, RecoveryInfo& info) {
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
  if (error.error != QJsonParseError::NoError || !doc.isObject()) return false;
  const QJsonObject o = doc.object();
  if (o.value(QStringLiteral("format")).toString() != QString::fromLatin1(kMagic) ||
      o.value(QStringLiteral("version")).toInt() != kVersion)
    return false;
  for (const char* key : {"caption", "picture", "saved"})
    if (!o.value(QLatin1String(key)).isString()) return false;
  for (const char* key : {"width", "height", "bytes", "pid"})
    if (!o.value(QLatin1String(key)).isDouble()) return false;
  RecoveryInfo r;
  r.caption = o.value(QStringLiteral("caption")).toString();
  r.pictureFile = o.value(QStringLiteral("picture")).toString();
  r.width = o.value(QStringLiteral("width")).toInt();
  r.height = o.value(QStringLiteral("height")).toInt();
  r.bytes = std::int64_t(o.value(QStringLiteral("bytes")).toDouble());
  r.pid = std::int64_t(o.value(QStringLiteral("pid")).toDouble());
  r.saved = QDateTime::fromString(o.value(QStringLiteral("saved")).toString(), Qt::ISODateWithMs);
  // The picture must be a plain name inside the folder: a side file never
  // sends the studio to read (or remove) a file elsewhere.
  if (r.pictureFile.isEmpty() || r.pictureFile.contains(QLatin1Char('/')) ||
      r.pictureFile.contains(QLatin1Char('\\')) || r.pictureFile.startsWith(QLatin1Char('.')))
    return false;
  if (r.width <= 0 || r.height <= 0 || r.bytes <= 0 || !r.saved.isValid()) return false;
  info = r;
  return true;
}

RecoveryStore::RecoveryStore(const QString& folder) : folder_(folder), slot_(newSlot()) {
  QDir().mkpath(folder_);
  lock_ = std::make_unique<QLockFile>(path(lockFileName(slot_)));
  lock_->tryLock(0);
}

RecoveryStore::~RecoveryStore() = default;

bool RecoveryStore::locked() const { return lock_ && lock_->isLocked(); }

QString RecoveryStore::sideFileName(const QString& slot) { return slot + QStringLiteral(".json"); }

QString RecoveryStore::slotPrefix(const QString& slot) { return slot + QLatin1Char('.'); }

QString RecoveryStore::path(const QString& name) const { return QDir(folder_).filePath(name); }

void RecoveryStore::write(const gdi::Bitmap& picture, const QString& caption) {
  const QString name = QStringLiteral("%1.%2.bmp").arg(slot_).arg(++generation_);
  writeBmp(toPath(path(name)), picture);
  RecoveryInfo info;
  info.caption = caption;
  info.pictureFile = name;
  info.width = picture.width();
  info.height = picture.height();
  info.bytes = QFileInfo(path(name)).size();
  info.saved = QDateTime::currentDateTimeUtc();
  info.pid = QCoreApplication::applicationPid();
  try {
    codecs::saveFileSafely(toPath(path(sideFileName(slot_))), [&](const codecs::ByteSink& sink) {
      const QByteArray bytes = encodeRecoveryInfo(info);
      sink({reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())});
    });
  } catch (...) {
    QFile::remove(path(name));  // the side file still names the previous copy
    throw;
  }
  if (!current_.isEmpty()) QFile::remove(path(current_));
  current_ = name;
  ++writes_;
}

void RecoveryStore::remove() {
  // The side file first: without it nothing is offered, whatever is left.
  QFile::remove(path(sideFileName(slot_)));
  if (!current_.isEmpty()) QFile::remove(path(current_));
  current_.clear();
}

void RecoveryStore::removeSlotFiles(const QString& slot, const QString& keep) const {
  // The side file first (without it nothing is offered), then the pictures
  // and what a killed save left (the safe save's temporary files start with
  // the target's name). The lock goes with its owner.
  if (keep.isEmpty()) QFile::remove(path(sideFileName(slot)));
  const QStringList names =
      QDir(folder_).entryList({slotPrefix(slot) + QLatin1Char('*')}, QDir::Files | QDir::Hidden);
  for (const QString& name : names)
    if (name != keep && name != sideFileName(slot) && name != lockFileName(slot))
      QFile::remove(path(name));
}

RecoveryScan RecoveryStore::scan() {
  RecoveryScan result;
  const QDir dir(folder_);
  QStringList slotNames;
  for (const QString& name : dir.entryList({QStringLiteral("*.lock")}, QDir::Files))
    slotNames << name.chopped(5);
  for (const QString& name : dir.entryList({QStringLiteral("*.json")}, QDir::Files))
    if (!slotNames.contains(name.chopped(5))) slotNames << name.chopped(5);

  for (const QString& slot : slotNames) {
    if (slot == slot_) continue;
    if (std::any_of(taken_.begin(), taken_.end(), [&](const auto& t) { return t.first == slot; }))
      continue;
    std::unique_ptr<QLockFile> lock = takeOverLock(path(lockFileName(slot)));
    if (!lock) continue;  // a studio that is still running
    const QString side = path(sideFileName(slot));
    if (!QFileInfo::exists(side)) {
      // Killed before its first copy was complete: nothing to offer.
      removeSlotFiles(slot);
      continue;
    }
    const auto skip = [&](const QString& why) {
      result.notes << QStringLiteral("The recovery copy %1 is damaged and was skipped: %2.")
                          .arg(QDir::toNativeSeparators(side), why);
      removeSlotFiles(slot);
    };
    QFile file(side);
    RecoveryInfo info;
    if (!file.open(QIODevice::ReadOnly) || !decodeRecoveryInfo(file.read(64 * 1024), info)) {
      skip(QStringLiteral("its description cannot be read"));
      continue;
    }
    const QFileInfo picture(path(info.pictureFile));
    if (!picture.exists()) {
      skip(QStringLiteral("its picture is missing"));
      continue;
    }
    if (picture.size() != info.bytes) {
      skip(QStringLiteral("its picture is cut off"));
      continue;
    }
    // Only the picture the side file names counts: older ones of a write
    // that was killed between its two saves go.
    removeSlotFiles(slot, info.pictureFile);
    result.copies.push_back({slot, info});
    taken_.emplace_back(slot, std::move(lock));
  }
  std::sort(result.copies.begin(), result.copies.end(),
            [](const LeftCopy& a, const LeftCopy& b) { return a.info.saved > b.info.saved; });
  return result;
}

gdi::Bitmap RecoveryStore::read(const LeftCopy& copy, QString* note) const {
  const auto fail = [&](const QString& why) {
    if (note)
      *note = QStringLiteral("The recovery copy %1 is damaged and was skipped: %2.")
                  .arg(QDir::toNativeSeparators(path(copy.info.pictureFile)), why);
    return gdi::Bitmap();
  };
  LoadedPicture loaded;
  try {
    loaded = readPictureFile(toPath(path(copy.info.pictureFile)));
  } catch (const codecs::PictureError& e) {
    return fail(QString::fromStdString(e.what()));
  }
  if (loaded.bitmap.empty()) return fail(readFailureText(loaded.failure));
  if (loaded.bitmap.width() != copy.info.width || loaded.bitmap.height() != copy.info.height)
    return fail(QStringLiteral("its picture has another size"));
  return std::move(loaded.bitmap);
}

void RecoveryStore::discard(const LeftCopy& copy) {
  removeSlotFiles(copy.slot);
  const auto it = std::find_if(taken_.begin(), taken_.end(),
                               [&](const auto& t) { return t.first == copy.slot; });
  if (it != taken_.end()) taken_.erase(it);  // unlocking removes the lock file
}

}  // namespace document
