// Recovery copies on disk: what a killed process leaves is offered with its
// exact pixels, a live studio's copy is never taken, and damaged or
// half-written copies are skipped with a note instead of stopping the start.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include "DocumentTestSupport.h"
#include "document/engine/RecoveryStore.h"
#include "document/engine/RecoveryWriter.h"
#include "support/ExternalTool.h"
#include "support/PixelGrid.h"

using document::LeftCopy;
using document::RecoveryInfo;
using document::RecoveryScan;
using document::RecoveryStore;
using document::RecoveryWriter;
using document_test::TempDir;

namespace {

QString qpath(const TempDir& dir) { return QString::fromStdString(dir.path().string()); }

QStringList filesIn(const QString& folder) {
  return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QStringList locksOf(std::initializer_list<const RecoveryStore*> stores) {
  QStringList names;
  for (const RecoveryStore* s : stores) names << s->slot() + ".lock";
  names.sort();
  return names;
}

// A studio that wrote `picture` as its copy and was then killed: a child
// process that ends without running a single destructor, so its lock file
// stays behind, released only by the process's end.
void leaveCopyOfKilledStudio(const QString& folder, const gdi::Bitmap& picture,
                             const QString& caption, int copies = 1) {
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    auto* store = new RecoveryStore(folder);  // never destroyed
    for (int i = 0; i < copies; ++i) store->write(picture, caption);
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);  // reaped: no longer running
  ASSERT_TRUE(WIFEXITED(status));
}

void overwrite(const QString& file, const QByteArray& bytes) {
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

QString onlyFile(const QString& folder, const QString& pattern) {
  const QStringList found = QDir(folder).entryList({pattern}, QDir::Files);
  return found.size() == 1 ? QDir(folder).filePath(found.front()) : QString();
}

}  // namespace

TEST(RecoveryStore, CopyOfAKilledStudioIsOfferedWithItsExactPixels) {
  TempDir dir;
  const gdi::Bitmap picture = testing_support::noiseBitmap(641, 479, 7);
  leaveCopyOfKilledStudio(qpath(dir), picture, "/pictures/harbour.bmp", 3);

  RecoveryStore store(qpath(dir));
  const RecoveryScan scan = store.scan();
  EXPECT_TRUE(scan.notes.isEmpty()) << scan.notes.join('\n').toStdString();
  ASSERT_EQ(scan.copies.size(), 1u);
  const RecoveryInfo& info = scan.copies[0].info;
  EXPECT_EQ(info.caption, "/pictures/harbour.bmp");
  EXPECT_EQ(info.width, 641);
  EXPECT_EQ(info.height, 479);
  EXPECT_NE(info.pid, QCoreApplication::applicationPid());
  EXPECT_LE(info.saved.secsTo(QDateTime::currentDateTimeUtc()), 60);

  // Three copies written, one picture file left: each replaced the last.
  EXPECT_EQ(QDir(qpath(dir)).entryList({"*.bmp"}, QDir::Files).size(), 1);
  const QString bmp = QDir(qpath(dir)).filePath(info.pictureFile);
  EXPECT_TRUE(testing_support::readWithImageMagick(bmp) == picture);

  QString note;
  EXPECT_TRUE(store.read(scan.copies[0], &note) == picture) << note.toStdString();

  // Found once: a second look (or another studio) does not offer it again
  // while this one holds it.
  EXPECT_TRUE(store.scan().copies.empty());
  RecoveryStore other(qpath(dir));
  EXPECT_TRUE(other.scan().copies.empty());

  store.discard(scan.copies[0]);
  EXPECT_EQ(filesIn(qpath(dir)), locksOf({&store, &other}));
  EXPECT_FALSE(QFileInfo::exists(bmp));
}

TEST(RecoveryStore, LiveStudiosNeverTakeEachOthersCopy) {
  TempDir dir;
  RecoveryStore first(qpath(dir));
  RecoveryStore second(qpath(dir));
  ASSERT_TRUE(first.locked());
  ASSERT_TRUE(second.locked());
  EXPECT_NE(first.slot(), second.slot());
  first.write(document_test::quadrants(40, 30), "TEMP.BMP");
  second.write(document_test::quadrants(20, 10), "/a.bmp");
  EXPECT_TRUE(first.scan().copies.empty());
  EXPECT_TRUE(second.scan().copies.empty());
  EXPECT_TRUE(first.hasCopy());
  EXPECT_TRUE(second.hasCopy());
  EXPECT_TRUE(QFileInfo::exists(qpath(dir) + "/" + RecoveryStore::sideFileName(first.slot())));
}

TEST(RecoveryStore, RemoveAndCleanEndLeaveNothing) {
  TempDir dir;
  {
    RecoveryStore store(qpath(dir));
    store.write(document_test::quadrants(40, 30), "TEMP.BMP");
    store.write(document_test::quadrants(50, 30), "TEMP.BMP");
    EXPECT_EQ(store.writes(), 2);
    EXPECT_EQ(filesIn(qpath(dir)).size(), 3u);  // lock, side file, one picture
    store.remove();
    EXPECT_FALSE(store.hasCopy());
    EXPECT_EQ(filesIn(qpath(dir)), QStringList({store.slot() + ".lock"}));
  }
  EXPECT_TRUE(filesIn(qpath(dir)).isEmpty());
}

// Each way a copy can be found broken: the process died in the middle of a
// write, the disk lost a piece, or someone else's file lies in the folder.
struct Damage {
  const char* name;
  std::function<void(const QString& folder)> apply;
  bool noted;  // told about (a copy that was never complete is just cleared)
};

void PrintTo(const Damage& d, std::ostream* out) { *out << d.name; }

class DamagedCopy : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedCopy, IsSkippedWithANoteAndRemoved) {
  TempDir dir;
  const QString folder = qpath(dir);
  leaveCopyOfKilledStudio(folder, testing_support::noiseBitmap(300, 200, 3), "TEMP.BMP");
  GetParam().apply(folder);

  RecoveryStore store(folder);
  RecoveryScan scan;
  ASSERT_NO_THROW(scan = store.scan());
  EXPECT_TRUE(scan.copies.empty());
  EXPECT_EQ(scan.notes.size(), GetParam().noted ? 1 : 0) << scan.notes.join('\n').toStdString();
  if (GetParam().noted) {
    EXPECT_TRUE(scan.notes[0].contains("damaged and was skipped"));
  }
  // Nothing of it is left to be reported again at the next start.
  EXPECT_EQ(filesIn(folder), QStringList({store.slot() + ".lock"}));
  EXPECT_TRUE(store.scan().notes.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    RecoveryStore, DamagedCopy,
    ::testing::Values(
        Damage{"SideFileGarbage",
               [](const QString& f) { overwrite(onlyFile(f, "*.json"), "\x01\x02 not json"); },
               true},
        Damage{"SideFileCutOff",
               [](const QString& f) {
                 const QString side = onlyFile(f, "*.json");
                 QFile in(side);
                 ASSERT_TRUE(in.open(QIODevice::ReadOnly));
                 const QByteArray bytes = in.readAll();
                 in.close();
                 overwrite(side, bytes.left(bytes.size() / 2));
               },
               true},
        Damage{"SideFileOfAnotherProgram",
               [](const QString& f) { overwrite(onlyFile(f, "*.json"), R"({"width": 3})"); }, true},
        Damage{"SideFileNamingAFileElsewhere",
               [](const QString& f) {
                 const QString side = onlyFile(f, "*.json");
                 QFile in(side);
                 ASSERT_TRUE(in.open(QIODevice::ReadOnly));
                 QByteArray bytes = in.readAll();
                 in.close();
                 bytes.replace(".bmp\"", ".bmp/../../etc/passwd\"");
                 overwrite(side, bytes);
               },
               true},
        Damage{"PictureCutOff",
               [](const QString& f) {
                 QFile::resize(onlyFile(f, "*.bmp"), QFileInfo(onlyFile(f, "*.bmp")).size() / 3);
               },
               true},
        Damage{"PictureMissing", [](const QString& f) { QFile::remove(onlyFile(f, "*.bmp")); },
               true},
        Damage{"KilledBeforeTheFirstCopyWasComplete",
               [](const QString& f) {
                 // The picture's save was under way: only its temporary file.
                 const QString bmp = onlyFile(f, "*.bmp");
                 QFile::rename(bmp, bmp + ".aB3xYz");
                 QFile::remove(onlyFile(f, "*.json"));
               },
               false}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(RecoveryStore, PictureThatDoesNotDecodeIsSkippedWhenRead) {
  TempDir dir;
  leaveCopyOfKilledStudio(qpath(dir), document_test::quadrants(64, 64), "TEMP.BMP");
  // Same size on disk, but not a picture any more.
  const QString bmp = onlyFile(qpath(dir), "*.bmp");
  overwrite(bmp, QByteArray(int(QFileInfo(bmp).size()), 'x'));
  RecoveryStore store(qpath(dir));
  const RecoveryScan scan = store.scan();
  ASSERT_EQ(scan.copies.size(), 1u);
  QString note;
  EXPECT_TRUE(store.read(scan.copies[0], &note).empty());
  EXPECT_TRUE(note.contains("damaged and was skipped")) << note.toStdString();
}

TEST(RecoveryStore, SideFileRoundTrip) {
  RecoveryInfo info;
  info.caption = QString::fromUtf8("C:\\Bilder\\Ölberg \"neu\".bmp\nzweite Zeile");
  info.pictureFile = "1-2-3.4.bmp";
  info.width = 4000;
  info.height = 3;
  info.bytes = 36054;
  info.saved = QDateTime::fromString("2026-12-09T04:13:24.125Z", Qt::ISODateWithMs);
  info.pid = 4194303;
  RecoveryInfo back;
  ASSERT_TRUE(document::decodeRecoveryInfo(document::encodeRecoveryInfo(info), back));
  EXPECT_EQ(back.caption, info.caption);
  EXPECT_EQ(back.pictureFile, info.pictureFile);
  EXPECT_EQ(back.width, 4000);
  EXPECT_EQ(back.bytes, 36054);
  EXPECT_EQ(back.saved, info.saved);
  EXPECT_EQ(back.pid, 4194303);
  EXPECT_FALSE(document::decodeRecoveryInfo("", back));
  EXPECT_FALSE(document::decodeRecoveryInfo("[1, 2]", back));
}

// ----- the writer's thread ----------------------------------------------------

TEST(RecoveryWriter, LatestPictureWinsAndRemoveIsNeverUndone) {
  TempDir dir;
  RecoveryStore store(qpath(dir));
  {
    RecoveryWriter writer(store);
    for (int i = 1; i <= 12; ++i)
      writer.write(testing_support::noiseBitmap(500, 400, std::uint32_t(i)), "TEMP.BMP");
    writer.waitIdle();
    EXPECT_FALSE(writer.busy());
    // Copies not yet begun were replaced, never written one by one.
    EXPECT_GE(store.writes(), 1);
    EXPECT_LE(store.writes(), 12);
    RecoveryStore reader(qpath(dir));
    const QString side = qpath(dir) + "/" + RecoveryStore::sideFileName(store.slot());
    QFile f(side);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    RecoveryInfo info;
    ASSERT_TRUE(document::decodeRecoveryInfo(f.readAll(), info));
    gdi::Bitmap last = testing_support::readWithImageMagick(qpath(dir) + "/" + info.pictureFile);
    EXPECT_TRUE(last == testing_support::noiseBitmap(500, 400, 12));

    // A remove right behind a write: the copy does not come back.
    writer.write(testing_support::noiseBitmap(500, 400, 13), "TEMP.BMP");
    writer.remove();
    writer.waitIdle();
    EXPECT_FALSE(store.hasCopy());
    EXPECT_EQ(filesIn(qpath(dir)), locksOf({&store, &reader}));
  }
}

TEST(RecoveryWriter, FailedWriteKeepsThePreviousCopy) {
  TempDir dir;
  RecoveryStore store(qpath(dir));
  RecoveryWriter writer(store);
  const gdi::Bitmap first = document_test::quadrants(30, 20);
  writer.write(first, "TEMP.BMP");
  writer.waitIdle();
  ASSERT_TRUE(store.hasCopy());
  // A folder where the next picture file would go: its save fails on the
  // worker, which reports it and goes on.
  const QString next = QStringLiteral("%1/%2.2.bmp").arg(qpath(dir), store.slot());
  ASSERT_TRUE(QDir().mkpath(next));
  writer.write(document_test::quadrants(60, 20), "TEMP.BMP");
  writer.waitIdle();
  EXPECT_FALSE(writer.lastError().isEmpty());
  ASSERT_TRUE(QDir().rmdir(next));

  // The side file still names the first copy, whole.
  RecoveryStore reader(qpath(dir));
  QFile side(qpath(dir) + "/" + RecoveryStore::sideFileName(store.slot()));
  ASSERT_TRUE(side.open(QIODevice::ReadOnly));
  RecoveryInfo info;
  ASSERT_TRUE(document::decodeRecoveryInfo(side.readAll(), info));
  EXPECT_EQ(info.width, 30);
  EXPECT_TRUE(reader.read({store.slot(), info}) == first);

  writer.write(document_test::quadrants(70, 20), "TEMP.BMP");
  writer.waitIdle();
  EXPECT_EQ(QDir(qpath(dir)).entryList({"*.bmp"}, QDir::Files).size(), 1);
}
