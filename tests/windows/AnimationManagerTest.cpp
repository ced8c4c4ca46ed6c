// The Animation Manager: the drop site's numbered frames, building the frame
// list, list files, the Play List Maker, clipboard copies, bulk resize and
// the timer-driven preview.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <functional>

#include "animation/windows/TAnimCap1.h"
#include "animation/windows/TScreentest1.h"
#include "document/windows/TResizeForm.h"
#include "media/windows/TALmaker.h"
#include "platform/codecs/Bmp.h"
#include "platform/ui/DirectoryListBox.h"
#include "platform/ui/FileListBox.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/SpinEdit.h"
#include "support/windows/StudioFixture.h"
#include "windows/IndependentReader.h"
#include "windows/PictureForms.h"

using testing_support::Studio;

namespace {

// A frame with detail: every pixel differs from its neighbours, and `seed`
// tells frames apart.
gdi::Bitmap detailedFrame(int w, int h, int seed) {
  gdi::Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      b.setPixel(x, y,
                 gdi::TColor(((x * 7 + seed * 40) & 0xFF) | (((y * 5 + x) & 0xFF) << 8) |
                             (((x ^ y) + seed * 13) & 0xFF) << 16));
  return b;
}

class AnimationManager : public ::testing::Test {
 protected:
  AnimationManager() {
    QDir().mkpath(dir_);
    manager().show();
    manager().DirectoryListBox1->setDirectory(dir_);
  }

  TAnimCap1& manager() { return *app::windows().AnimCap1; }
  TScreentest1& preview() { return *app::windows().Screentest1; }
  ui::ScriptedDialogs& dialogs() { return studio_.dialogs(); }
  QString path(const QString& name) const { return dir_ + "/" + name; }

  // Frame files in the test folder, listed by the file list.
  QString writeFrame(const QString& name, int seed, int w = 64, int h = 48) {
    const QString file = path(name);
    codecs::writeBmpFile(file.toStdString(), detailedFrame(w, h, seed));
    manager().FileListBox1->refresh();
    return file;
  }
  void selectFiles(const QStringList& names) {
    ui::FileListBox* files = manager().FileListBox1;
    files->clearSelection();
    for (const QString& name : names) {
      const int row = int(files->names().indexOf(name));
      ASSERT_GE(row, 0) << name.toStdString();
      files->item(row)->setSelected(true);
    }
  }
  QStringList entries() {
    QStringList out;
    for (int i = 0; i < manager().ListBox1->count(); ++i)
      out << manager().ListBox1->item(i)->text();
    return out;
  }
  std::vector<int> marked() {
    std::vector<int> out;
    for (int i = 0; i < manager().frames().size(); ++i)
      if (manager().frames().marked(i)) out.push_back(i);
    return out;
  }
  // Lets the event loop run until `done` or two seconds pass.
  static bool waitFor(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 2000) QApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
  }

  Studio studio_;
  QString dir_ = studio_.tempPath("frames");
};

}  // namespace

TEST_F(AnimationManager, TheDropSiteSavesTheNextNumberedFrame) {
  ui::ImageControl* drag = studio_.main().dragimage1;
  drag->setBitmap(detailedFrame(120, 90, 1));
  for (auto [number, ending] : {std::pair{0, "000.bmp"},
                                {9, "009.bmp"},
                                {10, "010.bmp"},
                                {99, "099.bmp"},
                                {100, "100.bmp"},
                                {1000, "1000.bmp"}}) {
    manager().SpinEdit3->setValue(number);
    const QString file = path(QStringLiteral("MyAnimation") + ending);
    dialogs().answerSave(file);
    manager().Image1DragDrop(drag);
    EXPECT_EQ(dialogs().questions().back().file.fileName, QStringLiteral("MyAnimation") + ending);
    EXPECT_EQ(dialogs().questions().back().file.filter, "Windows Bitmaps (*.BMP)|*.BMP");
    EXPECT_EQ(testing_support::identifyFile(file), "BMP3 120x90") << ending;
    EXPECT_EQ(manager().SpinEdit3->value(), number + 1);
  }
  EXPECT_EQ(codecs::readBmpFile(path("MyAnimation1000.bmp").toStdString()), drag->bitmap());
  EXPECT_EQ(manager().label1->text(), "Width: 120");
  EXPECT_EQ(manager().Label2->text(), "Height: 90");

  // Cancel saves nothing and keeps the number.
  dialogs().cancelSave();
  manager().Image1DragDrop(drag);
  EXPECT_EQ(manager().SpinEdit3->value(), 1001);
  // Only image controls are taken.
  manager().Image1DragDrop(manager().ListBox1);
  EXPECT_EQ(dialogs().pendingAnswers(), 0u);
}

TEST_F(AnimationManager, AFrameThatCannotBeSavedKeepsTheNumberAndNamesTheFile) {
  studio_.main().dragimage1->setBitmap(detailedFrame(20, 20, 2));
  const QString file = path("nowhere/MyAnimation000.bmp");
  dialogs().answerSave(file);
  dialogs().answerMessage(ui::MsgResult::Ok);
  manager().Image1DragDrop(studio_.main().dragimage1);
  ASSERT_EQ(dialogs().messages().size(), 1u);
  EXPECT_TRUE(dialogs().messages()[0].text.contains(file));
  EXPECT_EQ(manager().SpinEdit3->value(), 0);
}

TEST_F(AnimationManager, FilesGoIntoTheListUnmarkedMarkedOrInsertedAtTheCurrentEntry) {
  for (int i = 1; i <= 4; ++i) writeFrame(QStringLiteral("f%1.bmp").arg(i), i);
  selectFiles({"f1.bmp", "f2.bmp"});
  manager().BitBtn3->click();  // UnMarked
  EXPECT_EQ(entries(), (QStringList{path("f1.bmp"), path("f2.bmp")}));
  EXPECT_TRUE(marked().empty());

  selectFiles({"f3.bmp"});
  manager().BitBtn5->click();  // Marked
  EXPECT_EQ(marked(), std::vector<int>{2});
  selectFiles({});
  manager().BitBtn5->click();  // nothing selected: nothing added or marked
  EXPECT_EQ(entries().size(), 3);
  EXPECT_EQ(marked(), std::vector<int>{2});

  manager().ListBox1->setCurrentRow(1, QItemSelectionModel::NoUpdate);
  selectFiles({"f4.bmp", "f1.bmp"});
  manager().BitBtn15->click();  // Insert: in file-list order, in front of entry 1
  EXPECT_EQ(entries(), (QStringList{path("f1.bmp"), path("f1.bmp"), path("f4.bmp"), path("f2.bmp"),
                                    path("f3.bmp")}));
  // The list box's selection is the mark.
  EXPECT_EQ(marked(), std::vector<int>{4});
  EXPECT_TRUE(manager().ListBox1->item(4)->isSelected());

  manager().BitBtn13->click();  // Select All
  EXPECT_EQ(marked().size(), 5u);
  manager().ListBox1->item(0)->setSelected(false);
  manager().BitBtn4->click();  // Remove the marked ones
  EXPECT_EQ(entries(), QStringList{path("f1.bmp")});
  manager().ListBox1->setCurrentRow(0);
  manager().ListBox1DblClick();
  EXPECT_TRUE(entries().isEmpty());
}

TEST_F(AnimationManager, TheListHintNamesTheEntryUnderTheMouse) {
  writeFrame("a.bmp", 1);
  selectFiles({"a.bmp"});
  manager().BitBtn3->click();
  EXPECT_EQ(manager().ListBox1->toolTip(), "These Filenames Will be played");
  const int y = manager().ListBox1->visualItemRect(manager().ListBox1->item(0)).center().y();
  manager().ListBox1MouseMove(y);
  EXPECT_EQ(manager().ListBox1->toolTip(), path("a.bmp"));
  manager().ListBox1MouseMove(y + 200);
  EXPECT_EQ(manager().ListBox1->toolTip(), "These Filenames will be played");
}

TEST_F(AnimationManager, AnotherListBoxDropsItsSelectedLines) {
  QListWidget other;
  other.setSelectionMode(QAbstractItemView::MultiSelection);
  other.addItems({"one", "two", "three"});
  other.item(0)->setSelected(true);
  other.item(2)->setSelected(true);
  manager().ListBox1DragDrop(&other);
  EXPECT_EQ(entries(), (QStringList{"one", "three"}));
  manager().ListBox1DragDrop(manager().ListBox1);  // onto itself: nothing
  EXPECT_EQ(entries().size(), 2);
}

TEST_F(AnimationManager, AListSavedAndLoadedAgainIsTheSameLinesAllUnmarked) {
  const std::vector<std::string> lines = {"/x/a one.bmp", "", "C:\\old\\frame001.bmp", "b.bmp"};
  manager().appendEntries(lines);
  manager().BitBtn13->click();
  const QString file = path("play.lst");
  dialogs().answerSave(file);
  manager().BitBtn6->click();
  EXPECT_EQ(dialogs().questions().back().file.title, "Save Filename List");
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("/x/a one.bmp\r\n\r\nC:\\old\\frame001.bmp\r\nb.bmp\r\n"));
  f.close();

  dialogs().answerMessage("Save Filename List?", ui::MsgResult::No);
  dialogs().answerOpen(file);
  manager().BitBtn7->click();
  EXPECT_EQ(manager().frames().lines(), lines);
  EXPECT_TRUE(marked().empty());

  // Lines ended by CR alone or LF alone load the same; a missing file leaves
  // the list as it was and says which file.
  for (const QByteArray& text :
       {QByteArray("p\rq\r"), QByteArray("p\nq"), QByteArray("p\r\nq\n")}) {
    QFile g(path("other.lst"));
    ASSERT_TRUE(g.open(QIODevice::WriteOnly | QIODevice::Truncate));
    g.write(text);
    g.close();
    dialogs().answerMessage("Save Filename List?", ui::MsgResult::Cancel);
    dialogs().answerOpen(path("other.lst"));
    manager().BitBtn7->click();
    EXPECT_EQ(manager().frames().lines(), (std::vector<std::string>{"p", "q"})) << text.data();
  }
  dialogs().answerMessage("Save Filename List?", ui::MsgResult::No);
  dialogs().answerOpen(path("missing.lst"));
  dialogs().answerMessage(ui::MsgResult::Ok);
  manager().BitBtn7->click();
  EXPECT_TRUE(dialogs().messages().back().text.contains("missing.lst"));
  EXPECT_EQ(manager().frames().lines(), (std::vector<std::string>{"p", "q"}));
}

TEST_F(AnimationManager, ThePlayListMakerStopsAtTheFirstMissingFileKeepingTheRest) {
  writeFrame("MyAnimation1.bmp", 1);
  writeFrame("MyAnimation2.bmp", 2);
  TALmaker& maker = *app::windows().ALmaker;
  maker.show();
  maker.SpinEdit3->setValue(1);
  maker.SpinEdit1->setValue(1);
  maker.FormShow();
  EXPECT_EQ(maker.Label1->text(), path("MyAnimation1.BMP"));
  maker.BitBtn1->click();  // last = first: nothing, and the window closes
  EXPECT_TRUE(entries().isEmpty());
  EXPECT_FALSE(maker.isVisible());

  maker.show();
  maker.SpinEdit1->setValue(3);
  dialogs().answerMessage("File does not exist", ui::MsgResult::Ok);
  maker.BitBtn1->click();
  EXPECT_EQ(entries(), (QStringList{path("MyAnimation1.bmp"), path("MyAnimation2.bmp")}));
  EXPECT_EQ(dialogs().messages().back().caption, "Error");
  EXPECT_TRUE(maker.isVisible());
  EXPECT_EQ(maker.Label1->text(), path("MyAnimation3.bmp"));
  EXPECT_EQ(maker.Edit1->palette().color(QPalette::Text), QColor(128, 0, 0));
}

TEST_F(AnimationManager, TopDownAndBottomUpWalkTheMarkedFramesOneAtATime) {
  const QString a = writeFrame("a.bmp", 1), b = writeFrame("b.bmp", 2), c = writeFrame("c.bmp", 3);
  manager().appendEntries(
      {a.toStdString(), b.toStdString(), path("gone.bmp").toStdString(), c.toStdString()});
  manager().BitBtn13->click();
  manager().ListBox1->item(1)->setSelected(false);

  manager().copybut->click();
  EXPECT_EQ(studio_.clipboard().bitmap(), detailedFrame(64, 48, 1));
  EXPECT_EQ(marked(), (std::vector<int>{2, 3}));
  manager().BitBtn8->click();  // from the bottom: c
  EXPECT_EQ(studio_.clipboard().bitmap(), detailedFrame(64, 48, 3));
  manager().copybut->click();  // the missing frame is passed over, but unmarked
  EXPECT_TRUE(marked().empty());
  EXPECT_EQ(studio_.clipboard().bitmap(), detailedFrame(64, 48, 3));
  manager().copybut->click();  // nothing marked: nothing happens
  EXPECT_TRUE(dialogs().messages().empty());
}

TEST_F(AnimationManager, BulkResizeRaisesSidesBelowTenAndUnmarksTheFrames) {
  const QString a = writeFrame("a.bmp", 1, 640, 480), b = writeFrame("b.bmp", 2, 64, 48);
  manager().appendEntries({a.toStdString(), b.toStdString()});
  manager().ListBox1->item(0)->setSelected(true);
  testing_support::answerResize(dialogs(), 5, 3);
  dialogs().answerMessage("OK to resize all marked files?", ui::MsgResult::Yes);
  manager().BitBtn14->click();
  EXPECT_EQ(testing_support::identifyFile(a), "BMP3 10x10");
  EXPECT_EQ(testing_support::identifyFile(b), "BMP3 64x48");  // unmarked: untouched
  EXPECT_EQ(app::windows().ResizeForm->SpinEdit1->value(), 10);
  EXPECT_EQ(app::windows().ResizeForm->SpinEdit2->value(), 10);
  EXPECT_TRUE(marked().empty());
  EXPECT_TRUE(manager().Pb1->isHidden());

  // "No" resizes nothing.
  manager().BitBtn13->click();
  testing_support::answerResize(dialogs(), 32, 32);
  dialogs().answerMessage("OK to resize all marked files?", ui::MsgResult::No);
  manager().BitBtn14->click();
  EXPECT_EQ(testing_support::identifyFile(b), "BMP3 64x48");
}

TEST_F(AnimationManager, AFrameThatIsNoPictureIsNamedAndTheOthersAreResized) {
  const QString good = writeFrame("good.bmp", 1);
  QFile bad(path("bad.bmp"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("not a picture");
  bad.close();
  manager().appendEntries({path("bad.bmp").toStdString(), good.toStdString()});
  manager().BitBtn13->click();
  testing_support::answerResize(dialogs(), 32, 24);
  dialogs().answerMessage("OK to resize all marked files?", ui::MsgResult::Yes);
  dialogs().answerMessage(ui::MsgResult::Ok);
  manager().BitBtn14->click();
  EXPECT_TRUE(dialogs().messages().back().text.contains(path("bad.bmp")));
  EXPECT_EQ(testing_support::identifyFile(good), "BMP3 32x24");
  EXPECT_EQ(marked(), std::vector<int>{0});  // the failed frame stays marked
  QFile check(path("bad.bmp"));
  ASSERT_TRUE(check.open(QIODevice::ReadOnly));
  EXPECT_EQ(check.readAll(), QByteArray("not a picture"));
}

TEST_F(AnimationManager, TheDelayControlsSetTheTimeAFrameIsShown) {
  manager().SpinEdit4->setValue(10);
  manager().TrackBar1->setValue(250);
  EXPECT_EQ(manager().playInterval(), 250);
  EXPECT_TRUE(manager().TrackBar1->toolTip().contains("250 ms a frame"));
  manager().TrackBar1->setValue(0);
  EXPECT_EQ(manager().playInterval(), 17);  // one refresh of a 60 Hz screen
  manager().SpinEdit4->setValue(0);
  manager().TrackBar1->setValue(1000);
  EXPECT_EQ(manager().playInterval(), 17);
}

TEST_F(AnimationManager, PlayShowsTheMarkedFramesAndEndsWithStopCloseOrAnEmptiedList) {
  // Nothing to play: nothing happens.
  manager().BitBtn10->click();
  EXPECT_FALSE(manager().playing());

  const QString a = writeFrame("a.bmp", 1), b = writeFrame("b.bmp", 2);
  manager().appendEntries({a.toStdString(), b.toStdString()});
  manager().ListBox1->setCurrentRow(0, QItemSelectionModel::NoUpdate);
  manager().BitBtn10->click();  // nothing marked: plays, showing nothing new
  EXPECT_TRUE(manager().playing());
  EXPECT_TRUE(preview().isVisible());
  EXPECT_EQ(preview().pos(), QPoint(1, 1));
  EXPECT_EQ(preview().size(), QSize(400, 400));
  manager().BitBtn11->click();  // Stop
  EXPECT_FALSE(manager().playing());

  manager().TrackBar1->setValue(0);
  manager().ListBox1->item(1)->setSelected(true);
  manager().BitBtn10->click();
  EXPECT_TRUE(waitFor([&] { return preview().Image2->bitmap() == detailedFrame(64, 48, 2); }));
  EXPECT_TRUE(manager().playing());

  // Every entry removed during play ends play.
  manager().BitBtn13->click();
  manager().BitBtn4->click();
  EXPECT_FALSE(manager().playing());

  // So do "&Close", closing the window and switching to another window.
  manager().appendEntries({a.toStdString()});
  manager().BitBtn13->click();
  manager().ListBox1->setCurrentRow(0, QItemSelectionModel::NoUpdate);
  manager().BitBtn10->click();
  ASSERT_TRUE(manager().playing());
  manager().BitBtn9->click();
  EXPECT_FALSE(manager().playing());
  EXPECT_EQ(manager().width(), TAnimCap1::kClosedWidth);
  EXPECT_FALSE(preview().isVisible());

  manager().BitBtn10->click();
  ASSERT_TRUE(manager().playing());
  manager().activateWindow();
  waitFor([&] { return manager().isActiveWindow(); });
  studio_.main().activateWindow();  // another window of the program
  EXPECT_TRUE(waitFor([&] { return !manager().playing(); }));

  manager().BitBtn10->click();
  ASSERT_TRUE(manager().playing());
  manager().close();
  EXPECT_FALSE(manager().playing());
}

TEST_F(AnimationManager, AFrameThatCannotBeShownEndsPlayWithItsName) {
  manager().appendEntries({path("gone.bmp").toStdString()});
  manager().BitBtn13->click();
  manager().ListBox1->setCurrentRow(0, QItemSelectionModel::NoUpdate);
  dialogs().answerMessage(ui::MsgResult::Ok);
  manager().BitBtn10->click();
  EXPECT_FALSE(manager().playing());
  ASSERT_FALSE(dialogs().messages().empty());
  EXPECT_TRUE(dialogs().messages().back().text.contains("gone.bmp"));
}

TEST_F(AnimationManager, PreviewOpensTheWindowOutToTheFrameList) {
  EXPECT_EQ(manager().width(), TAnimCap1::kClosedWidth);
  manager().move(600, 10);  // too far right for the open window on a 1024 screen
  manager().BitBtn1->click();
  EXPECT_TRUE(waitFor([&] { return manager().width() == TAnimCap1::kOpenWidth; }));
  EXPECT_EQ(manager().x(), 1024 - TAnimCap1::kOpenWidth);
}
