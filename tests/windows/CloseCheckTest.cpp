// The save question before every way of closing or replacing an unsaved
// picture: only a save that was written lets the close, load, new picture or
// drop go on; a cancelled save dialog or a failed write keeps the window,
// the picture, its name and its modified flag.
#include <QAction>
#include <QPoint>
#include <functional>

#include "DocumentWindows.h"
#include "document/windows/TBtnRightDlg.h"
#include "platform/ui/ImageControl.h"
#include "support/FileSizeLimit.h"

using namespace document_windows_test;

namespace {

// One way of closing or replacing the picture.
struct Caller {
  const char* name;
  // Runs the command; `other` is a 9 x 9 BMP file it may load.
  std::function<void(TPbook1&, const QString& other)> run;
  // Scripts what the command asks once the picture may go (a dialog that
  // only then appears); left unset for commands that ask nothing more.
  std::function<void(ui::ScriptedDialogs&, const QString& other)> scriptGoingOn;
  // Whether the command went on: the window closed or the picture replaced.
  std::function<bool(TPbook1&)> wentOn;
};

void PrintTo(const Caller& caller, std::ostream* out) { *out << caller.name; }

bool replaced(TPbook1& m) { return m.picture().width() != 400; }

const Caller kCallers[] = {
    {"Close",
     [](TPbook1& m, const QString&) { m.close(); },
     {},
     [](TPbook1& m) { return !m.isVisible(); }},
    {"LoadImage",
     [](TPbook1& m, const QString&) { m.Browser1->trigger(); },
     {},
     [](TPbook1&) { return app::windows().picform1->isVisible(); }},
    {"NewImage", [](TPbook1& m, const QString&) { m.New1->trigger(); },
     [](ui::ScriptedDialogs& d, const QString&) {
       d.answerForm("TBtnRightDlg", [](QDialog& dlg) {
         static_cast<TBtnRightDlg&>(dlg).OKBtn->click();
         return dlg.result();
       });
     },
     replaced},
    {"OpenWithFileDialog", [](TPbook1& m, const QString&) { m.FileDialog1->trigger(); },
     [](ui::ScriptedDialogs& d, const QString& other) { d.answerOpen(other); }, replaced},
    {"ShellDrop", [](TPbook1& m, const QString& other) { m.dropFile(other); }, {}, replaced},
    {"DragTo",
     [](TPbook1& m, const QString&) {
       ui::ImageControl source;
       source.setBitmap(quadrants(9, 9));
       m.Image1->dropFrom(&source, QPoint(2, 2));
     },
     {},
     replaced},
};

class CloseCheck : public DocumentWindows, public ::testing::WithParamInterface<Caller> {
 protected:
  CloseCheck() {
    main().picture() = quadrants(400, 300);
    main().initpages();
    main().setWindowTitle("/pictures/unsaved.bmp");
    main().markModified();
    writeBmp(other(), quadrants(9, 9));
  }
  QString other() const { return path("other.bmp"); }
  void run() { GetParam().run(main(), other()); }
  void expectKeptEverything() {
    EXPECT_FALSE(GetParam().wentOn(main()));
    EXPECT_TRUE(main().isVisible());
    EXPECT_TRUE(main().picture() == quadrants(400, 300));
    EXPECT_TRUE(main().isModified());
    EXPECT_EQ(main().windowTitle(), "/pictures/unsaved.bmp");
  }
  void answerYesThenSaveTo(const QString& file) {
    dialogs().answerMessage("Save changes to unsaved.bmp?", ui::MsgResult::Yes);
    dialogs().answerSave(file);
  }
};

}  // namespace

TEST_P(CloseCheck, CancelAtTheQuestionKeepsEverything) {
  dialogs().answerMessage("Save changes to unsaved.bmp?", ui::MsgResult::Cancel);
  run();
  expectKeptEverything();
}

TEST_P(CloseCheck, CancelledSaveDialogKeepsEverything) {
  dialogs().answerMessage("Save changes to unsaved.bmp?", ui::MsgResult::Yes);
  dialogs().cancelSave();
  run();
  expectKeptEverything();
}

TEST_P(CloseCheck, SaveIntoAMissingFolderIsReportedAndKeepsEverything) {
  answerYesThenSaveTo(path("no such folder/kept.bmp"));
  dialogs().answerMessage(ui::MsgResult::Ok);
  run();
  ASSERT_FALSE(dialogs().messages().empty());
  EXPECT_EQ(dialogs().messages().back().caption, "Error");
  expectKeptEverything();
}

TEST_P(CloseCheck, SaveOnAFullDiskIsReportedAndKeepsEverything) {
  answerYesThenSaveTo(path("kept.bmp"));
  dialogs().answerMessage(ui::MsgResult::Ok);
  {
    testing_support::FileSizeLimit nearlyFull(1000);
    run();
  }
  ASSERT_FALSE(dialogs().messages().empty());
  EXPECT_EQ(dialogs().messages().back().caption, "Error");
  EXPECT_FALSE(QFileInfo::exists(path("kept.bmp")));
  expectKeptEverything();
}

TEST_P(CloseCheck, AWrittenSaveGoesOn) {
  answerYesThenSaveTo(path("kept.bmp"));
  if (GetParam().scriptGoingOn) GetParam().scriptGoingOn(dialogs(), other());
  run();
  EXPECT_TRUE(QFileInfo::exists(path("kept.bmp")));
  EXPECT_TRUE(GetParam().wentOn(main()));
}

TEST_P(CloseCheck, NoGoesOnWithoutSaving) {
  dialogs().answerMessage("Save changes to unsaved.bmp?", ui::MsgResult::No);
  if (GetParam().scriptGoingOn) GetParam().scriptGoingOn(dialogs(), other());
  run();
  EXPECT_TRUE(GetParam().wentOn(main()));
}

INSTANTIATE_TEST_SUITE_P(EveryCaller, CloseCheck, ::testing::ValuesIn(kCallers),
                         [](const auto& caller) { return std::string(caller.param.name); });
