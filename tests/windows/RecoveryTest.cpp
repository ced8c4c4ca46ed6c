// The recovery copy as the main window keeps it: written a moment after the
// last change and only then, never in the middle of a stroke, and gone after
// a save or "No" at the close check.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTabWidget>
#include <QThread>
#include <QToolButton>

#include "CanvasMouse.h"
#include "DocumentWindows.h"
#include "document/engine/PictureFiles.h"
#include "document/engine/RecoveryStore.h"
#include "support/PixelGrid.h"
#include "tools/windows/TForm3.h"

using namespace document_windows_test;
using testing_support::moveTo;
using testing_support::press;
using testing_support::release;

namespace {

class Recovery : public DocumentWindows {
 protected:
  Recovery() {
    app::RecoveryTiming timing;
    timing.quiet = std::chrono::milliseconds(60);
    timing.longest = std::chrono::milliseconds(500);
    timing.retry = std::chrono::milliseconds(20);
    main().startRecovery(recoveryFolder(), timing);
    main().picture() = testing_support::noiseBitmap(320, 240, 5);
    main().initpages();
    main().PageControl1->setCurrentWidget(main().TabSheet1);
    find<QToolButton>("BitBtn5")->click();  // the brush: a change
  }

  QString recoveryFolder() const { return path("recovery"); }
  QWidget* canvas() const { return find<QWidget>("ptbox1"); }
  app::RecoveryKeeper& keeper() { return *main().recovery(); }
  int writes() { return keeper().store().writes(); }

  // Lets the window's events run for `ms`, with the writer done at the end.
  void settle(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
      QThread::msleep(5);
    }
    keeper().writer().waitIdle();
  }

  void brushStroke(QPoint from, QPoint to) {
    press(canvas(), from);
    moveTo(canvas(), (from + to) / 2);
    moveTo(canvas(), to);
    release(canvas(), to);
  }

  // This studio's copy as its side file describes it; empty when none.
  gdi::Bitmap copyOnDisk() {
    QFile side(QDir(recoveryFolder())
                   .filePath(document::RecoveryStore::sideFileName(keeper().store().slot())));
    document::RecoveryInfo info;
    if (!side.open(QIODevice::ReadOnly) || !document::decodeRecoveryInfo(side.readAll(), info))
      return {};
    EXPECT_EQ(info.caption, main().windowTitle());
    return document::readPictureFile(
               document::toPath(QDir(recoveryFolder()).filePath(info.pictureFile)))
        .bitmap;
  }
};

}  // namespace

TEST_F(Recovery, WrittenOnceAfterTheLastChangeAndNotWhileNothingChanges) {
  settle(250);
  ASSERT_EQ(writes(), 1);  // choosing the tool marked the picture changed
  EXPECT_TRUE(copyOnDisk() == main().picture());

  settle(400);
  EXPECT_EQ(writes(), 1);  // nothing changed since: nothing written

  brushStroke({20, 20}, {200, 150});
  brushStroke({30, 200}, {250, 20});
  settle(250);
  EXPECT_EQ(writes(), 2);  // one copy for both strokes
  EXPECT_TRUE(copyOnDisk() == main().picture());
  EXPECT_EQ(QDir(recoveryFolder()).entryList({"*.bmp"}, QDir::Files).size(), 1);
}

TEST_F(Recovery, NothingIsCopiedInTheMiddleOfAStroke) {
  settle(250);
  const int before = writes();
  press(canvas(), {10, 10});
  for (int i = 0; i < 40; ++i) {  // 800 ms held: past the longest wait
    moveTo(canvas(), {10 + i * 5, 10 + i * 3});
    settle(20);
  }
  EXPECT_EQ(writes(), before);
  release(canvas(), {210, 130});
  settle(250);
  EXPECT_EQ(writes(), before + 1);
  EXPECT_TRUE(copyOnDisk() == main().picture());
}

TEST_F(Recovery, SaveAndNoAtTheCloseCheckRemoveTheCopyCancelKeepsIt) {
  settle(250);
  ASSERT_FALSE(copyOnDisk().empty());

  dialogs().answerSave(path("saved.bmp"));
  find<QToolButton>("ToolButton13")->click();  // Save As
  settle(250);
  EXPECT_TRUE(copyOnDisk().empty());
  EXPECT_EQ(writes(), 1);  // saved: nothing unsaved to copy

  brushStroke({20, 20}, {200, 150});
  settle(250);
  ASSERT_FALSE(copyOnDisk().empty());

  dialogs().answerMessage("Save changes to saved.bmp?", ui::MsgResult::Cancel);
  main().close();
  settle(100);
  EXPECT_TRUE(main().isVisible());
  EXPECT_FALSE(copyOnDisk().empty());

  dialogs().answerMessage("Save changes to saved.bmp?", ui::MsgResult::No);
  main().close();
  settle(100);
  EXPECT_FALSE(main().isVisible());
  EXPECT_TRUE(copyOnDisk().empty());
  EXPECT_EQ(QDir(recoveryFolder()).entryList(QDir::Files),
            QStringList({keeper().store().slot() + ".lock"}));
}
