// Recovery across real processes: the studio killed with SIGKILL after
// painting, and started again; a clean exit; two studios at once; a damaged
// copy at start. Each studio is a child process (studio_child) running the
// real main window.
#include <gtest/gtest.h>
#include <signal.h>
#include <utime.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <memory>

#include "document/engine/PictureFiles.h"
#include "support/ExternalTool.h"

namespace {

struct Report {
  QStringList asked;
  QString caption;
  bool modified = false;
  bool closed = false;
  int exitCode = -1;
};

class RecoveryProcess : public ::testing::Test {
 protected:
  QString folder() const { return temp_.filePath("recovery"); }
  QString out(const QString& run) const {
    QDir(temp_.path()).mkpath(run);
    return temp_.filePath(run);
  }

  std::unique_ptr<QProcess> start(const QString& run, const QStringList& extra) {
    auto p = std::make_unique<QProcess>();
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p->start(QStringLiteral(QM_STUDIO_CHILD),
             QStringList{"--folder", folder(), "--out", out(run)} + extra);
    EXPECT_TRUE(p->waitForStarted());
    return p;
  }

  // Runs a studio to its end.
  Report run(const QString& name, const QStringList& extra) {
    std::unique_ptr<QProcess> p = start(name, extra);
    EXPECT_TRUE(p->waitForFinished(120000));
    Report r = parse(p->readAllStandardOutput());
    r.exitCode = p->exitStatus() == QProcess::NormalExit ? p->exitCode() : -1;
    return r;
  }

  // A studio that painted, its copy on disk, killed without warning.
  void paintAndKill(const QString& name) {
    std::unique_ptr<QProcess> p = start(name, {"--paint", "--wait"});
    waitReady(*p);
    ::kill(pid_t(p->processId()), SIGKILL);
    ASSERT_TRUE(p->waitForFinished(30000));
  }

  static void waitReady(QProcess& p) {
    QByteArray seen;
    while (!seen.contains("ready\n")) {
      ASSERT_TRUE(p.waitForReadyRead(120000)) << seen.toStdString();
      seen += p.readAllStandardOutput();
    }
  }

  static Report parse(const QByteArray& output) {
    Report r;
    for (const QString& line : QString::fromUtf8(output).split('\n')) {
      if (line.startsWith("asked: ")) r.asked << line.mid(7);
      if (line.startsWith("caption: ")) r.caption = line.mid(9);
      if (line == "modified: 1") r.modified = true;
      if (line == "closed") r.closed = true;
      EXPECT_FALSE(line.startsWith("unscripted")) << line.toStdString();
    }
    return r;
  }

  gdi::Bitmap bmp(const QString& run, const QString& name) const {
    return document::readPictureFile(document::toPath(QDir(out(run)).filePath(name))).bitmap;
  }
  QStringList leftInFolder() const { return QDir(folder()).entryList(QDir::Files); }

  QTemporaryDir temp_;
};

const QRegularExpression kOffer(
    R"(^Restore the unsaved picture harbour\.bmp from \d{4}-\d\d-\d\d \d\d:\d\d:\d\d\?$)");

}  // namespace

TEST_F(RecoveryProcess, KilledAfterPaintingAndRestoredWithTheExactPixels) {
  paintAndKill("first");
  const gdi::Bitmap painted = bmp("first", "expected.bmp");
  ASSERT_EQ(painted.width(), 640);
  // The save in the middle of the work is the file it was saved as.
  const QString saved = QDir(out("first")).filePath("harbour.bmp");
  ASSERT_TRUE(QFileInfo::exists(saved));
  EXPECT_FALSE(bmp("first", "harbour.bmp") == painted);  // the strokes came after

  const Report second = run("second", {"--answer", "yes", "--close"});
  ASSERT_EQ(second.asked.size(), 2) << second.asked.join('\n').toStdString();
  EXPECT_TRUE(kOffer.match(second.asked[0]).hasMatch()) << second.asked[0].toStdString();
  EXPECT_EQ(second.caption, saved);
  EXPECT_TRUE(second.modified);
  EXPECT_TRUE(bmp("second", "shown.bmp") == painted);
  EXPECT_TRUE(testing_support::readWithImageMagick(QDir(out("second")).filePath("shown.bmp")) ==
              painted);
  // Then closed with "No" to its save question: a clean exit.
  EXPECT_EQ(second.asked[1], "Save changes to harbour.bmp?");
  EXPECT_TRUE(second.closed);
  EXPECT_EQ(second.exitCode, 0);
  EXPECT_TRUE(leftInFolder().isEmpty()) << leftInFolder().join(' ').toStdString();
}

TEST_F(RecoveryProcess, RestoredPictureIsProtectedAgainAtOnce) {
  paintAndKill("first");
  const gdi::Bitmap painted = bmp("first", "expected.bmp");
  // Restored, then killed before any further change.
  std::unique_ptr<QProcess> second = start("second", {"--answer", "yes", "--wait"});
  waitReady(*second);
  ::kill(pid_t(second->processId()), SIGKILL);
  ASSERT_TRUE(second->waitForFinished(30000));

  const Report third = run("third", {"--answer", "yes", "--close"});
  ASSERT_FALSE(third.asked.isEmpty());
  EXPECT_TRUE(kOffer.match(third.asked[0]).hasMatch()) << third.asked[0].toStdString();
  EXPECT_TRUE(bmp("third", "shown.bmp") == painted);
}

TEST_F(RecoveryProcess, DecliningRemovesTheCopy) {
  paintAndKill("first");
  const Report second = run("second", {"--answer", "no", "--close"});
  ASSERT_EQ(second.asked.size(), 1);
  EXPECT_TRUE(kOffer.match(second.asked[0]).hasMatch());
  EXPECT_EQ(second.caption, "TEMP.BMP");
  EXPECT_FALSE(second.modified);
  EXPECT_EQ(bmp("second", "shown.bmp").width(), 400);
  EXPECT_TRUE(leftInFolder().isEmpty());
  // Nothing offered the next time.
  EXPECT_TRUE(run("third", {"--close"}).asked.isEmpty());
}

TEST_F(RecoveryProcess, CleanExitAfterPaintingLeavesNothing) {
  const Report r = run("first", {"--paint", "--close"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_TRUE(r.closed);
  EXPECT_TRUE(leftInFolder().isEmpty()) << leftInFolder().join(' ').toStdString();
}

TEST_F(RecoveryProcess, TwoStudiosNeverTakeEachOthersCopy) {
  std::unique_ptr<QProcess> first = start("first", {"--paint", "--wait"});
  waitReady(*first);
  const QStringList firstFiles = leftInFolder();
  ASSERT_EQ(firstFiles.size(), 3);  // lock, side file, picture
  // A studio running for hours: its lock file is old, and still its own.
  for (const QString& name : firstFiles) {
    const QByteArray file = QFile::encodeName(QDir(folder()).filePath(name));
    utimbuf old{time(nullptr) - 7200, time(nullptr) - 7200};
    ASSERT_EQ(utime(file.constData(), &old), 0);
  }

  const Report second = run("second", {"--answer", "yes", "--close"});
  EXPECT_TRUE(second.asked.isEmpty()) << second.asked.join('\n').toStdString();
  EXPECT_EQ(second.caption, "TEMP.BMP");
  EXPECT_EQ(leftInFolder(), firstFiles);  // untouched, and the second left nothing

  ::kill(pid_t(first->processId()), SIGKILL);
  ASSERT_TRUE(first->waitForFinished(30000));
  const Report third = run("third", {"--answer", "yes", "--close"});
  ASSERT_FALSE(third.asked.isEmpty());
  EXPECT_TRUE(kOffer.match(third.asked[0]).hasMatch());
  EXPECT_TRUE(bmp("third", "shown.bmp") == bmp("first", "expected.bmp"));
}

TEST_F(RecoveryProcess, DamagedCopyIsNotedAndTheStartGoesOn) {
  QDir().mkpath(folder());
  QFile side(QDir(folder()).filePath("4194000-1-0.json"));
  ASSERT_TRUE(side.open(QIODevice::WriteOnly));
  side.write("{\"format\": \"Quillmoor recovery copy\", \"version\": 1, \"caption\": ");
  side.close();
  const Report r = run("first", {"--close"});
  ASSERT_EQ(r.asked.size(), 1);
  EXPECT_TRUE(r.asked[0].contains("4194000-1-0.json is damaged and was skipped"))
      << r.asked[0].toStdString();
  EXPECT_EQ(r.caption, "TEMP.BMP");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_TRUE(leftInFolder().isEmpty());
}
