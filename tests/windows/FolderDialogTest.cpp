// The folder dialog: the folder it hands back, the prefix from a picked
// file, Cancel, and making a new folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "animation/windows/Tfolderdlg1.h"
#include "platform/ui/DirectoryListBox.h"
#include "platform/ui/FileListBox.h"
#include "support/windows/StudioFixture.h"

using testing_support::Studio;

namespace {

class FolderDialog : public ::testing::Test {
 protected:
  Tfolderdlg1& dialog() { return *app::windows().folderdlg1; }
  ui::ScriptedDialogs& dialogs() { return studio_.dialogs(); }
  QString folder(const QString& name) {
    const QString path = studio_.tempPath(name);
    QDir().mkpath(path);
    return path;
  }
  static void touch(const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  // The next run of the dialog: `fill` works the controls, then OK.
  void answerOk(std::function<void(Tfolderdlg1&)> fill = {}) {
    dialogs().answerForm("Tfolderdlg1", [fill](QDialog& d) {
      auto& f = static_cast<Tfolderdlg1&>(d);
      if (fill) fill(f);
      f.BitBtn1->click();
      return f.result();
    });
  }

  Studio studio_;
};

}  // namespace

TEST_F(FolderDialog, OkHandsBackTheFolderShownAndThePrefixOfAPickedFrame) {
  const QString dir = folder("frames");
  touch(dir + "/frame007.bmp");
  touch(dir + "/notes.txt");
  answerOk([](Tfolderdlg1& f) {
    EXPECT_EQ(f.FileListBox1->names(), QStringList{"frame007.bmp"});
    f.FileListBox1->setCurrentRow(0);
    emit f.FileListBox1->itemClicked(f.FileListBox1->item(0));
  });
  const auto target = Tfolderdlg1::chooseTarget(dir);
  ASSERT_TRUE(target);
  EXPECT_EQ(target->folder, dir);
  EXPECT_EQ(target->prefix, "frame007");
  EXPECT_EQ(target->base(), dir + "/frame007");
  EXPECT_EQ(dialog().Edit1->text(), "frame007");
  EXPECT_EQ(dialog().Label1->text(), dir);
}

TEST_F(FolderDialog, ThePrefixIsCutAtItsFirstDotAndAnEmptyOrMaskBoxGivesTemp) {
  const QString dir = folder("out");
  for (auto [typed, prefix] : {std::pair{"", "temp"}, {"*.bmp", "temp"}, {"shot.v2.bmp", "shot"},
                               {"clip", "clip"}}) {
    answerOk([typed](Tfolderdlg1& f) { f.Edit1->setText(typed); });
    const auto target = Tfolderdlg1::chooseTarget(dir);
    ASSERT_TRUE(target);
    EXPECT_EQ(target->prefix, prefix) << typed;
  }
  EXPECT_EQ(dialog().Edit1->text(), "clip");
}

TEST_F(FolderDialog, CancelEmptiesTheFolderAndHandsBackNothing) {
  const QString dir = folder("keep");
  dialogs().answerForm("Tfolderdlg1", [](QDialog& d) {
    auto& f = static_cast<Tfolderdlg1&>(d);
    EXPECT_FALSE(f.Label1->text().isEmpty());  // showing it shows the folder
    f.BitBtn2->click();
    return f.result();
  });
  EXPECT_FALSE(Tfolderdlg1::chooseTarget(dir));
  EXPECT_TRUE(dialog().Label1->text().isEmpty());
  EXPECT_FALSE(dialog().target());

  // Closed without either button: the same as Cancel.
  dialogs().answerForm("Tfolderdlg1", [](QDialog&) { return int(QDialog::Rejected); });
  EXPECT_FALSE(Tfolderdlg1::chooseTarget(dir));
  EXPECT_TRUE(dialog().Label1->text().isEmpty());
}

TEST_F(FolderDialog, ChangingTheFolderShowsItAndReadsItsFrames) {
  const QString a = folder("a"), b = folder("a/b");
  touch(b + "/x001.bmp");
  dialog().DirectoryListBox1->setDirectory(a);
  EXPECT_EQ(dialog().Label1->text(), a);
  EXPECT_TRUE(dialog().FileListBox1->names().isEmpty());
  dialog().DirectoryListBox1->setDirectory(b);
  EXPECT_EQ(dialog().Label1->text(), b);
  EXPECT_EQ(dialog().FileListBox1->names(), QStringList{"x001.bmp"});
  EXPECT_TRUE(dialog().Panel5->isHidden());
  EXPECT_EQ(dialog().Label4->text(), "001.bmp");
}

TEST_F(FolderDialog, CreateNewMakesTheFolderAndOpensIt) {
  const QString dir = folder("parent");
  dialog().DirectoryListBox1->setDirectory(dir);
  auto answerName = [this](const QString& name) {
    dialogs().answerForm("NewFolder", [name](QDialog& d) {
      d.findChild<QLineEdit*>("FolderName")->setText(name);
      return int(QDialog::Accepted);
    });
  };
  answerName("Series 3");
  dialog().BitBtn3->click();
  EXPECT_TRUE(QFileInfo(dir + "/Series 3").isDir());
  EXPECT_EQ(dialog().Label1->text(), dir + "/Series 3");

  // A path or nothing is refused with a message; nothing is made.
  dialog().DirectoryListBox1->setDirectory(dir);
  answerName("../escape");
  dialogs().answerMessage("\"../escape\" is not a folder name", ui::MsgResult::Ok);
  dialog().BitBtn3->click();
  EXPECT_FALSE(QFileInfo(studio_.tempPath("escape")).exists());
  EXPECT_EQ(dialog().Label1->text(), dir);

  // Cancel makes nothing.
  dialogs().answerForm("NewFolder", [](QDialog&) { return int(QDialog::Rejected); });
  dialog().BitBtn3->click();
  EXPECT_EQ(QDir(dir).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"Series 3"});
}
