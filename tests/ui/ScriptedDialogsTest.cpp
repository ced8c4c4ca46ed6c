// The scripted dialogs: answers in order, exact records, loud failures.
#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>

#include "platform/ui/ScriptedDialogs.h"
#include "platform/ui/Services.h"
#include "support/ui/TestUi.h"

using ui::MsgButtons;
using ui::MsgIcon;
using ui::MsgResult;
using ui::QuestionKind;

TEST(ScriptedDialogs, AnswersInOrderAndRecordsEveryQuestion) {
  testing_support::TestUi t;
  t.dialogs().answerMessage("OK to resize all marked files?", MsgResult::Yes);
  t.dialogs().answerSave("/tmp/MyAnimation007");
  t.dialogs().answerColor(gdi::clRed);

  EXPECT_EQ(ui::dialogs().message("OK to resize all marked files?", "Confirm",
                                  MsgButtons::YesNoCancel, MsgIcon::Confirmation),
            MsgResult::Yes);
  ui::FileDialogOptions save;
  save.title = "Save Filename List";
  save.filter = "Windows Bitmaps (*.BMP)|*.BMP";
  save.defaultExt = "BMP";
  save.fileName = "MyAnimation007.bmp";
  EXPECT_EQ(ui::dialogs().saveFile(save), QString("/tmp/MyAnimation007.BMP"));
  EXPECT_EQ(ui::dialogs().chooseColor(gdi::clBlack), gdi::clRed);

  const auto& q = t.dialogs().questions();
  ASSERT_EQ(q.size(), 3u);
  EXPECT_EQ(q[0].kind, QuestionKind::Message);
  EXPECT_EQ(q[0].text, "OK to resize all marked files?");
  EXPECT_EQ(q[0].caption, "Confirm");
  EXPECT_EQ(q[0].buttons, MsgButtons::YesNoCancel);
  EXPECT_EQ(q[0].icon, MsgIcon::Confirmation);
  EXPECT_EQ(q[1].kind, QuestionKind::SaveFile);
  EXPECT_EQ(q[1].file.filter, "Windows Bitmaps (*.BMP)|*.BMP");
  EXPECT_EQ(q[1].file.fileName, "MyAnimation007.bmp");
  EXPECT_EQ(q[2].initialColor, gdi::clBlack);
  EXPECT_TRUE(t.dialogs().failures().isEmpty());
}

TEST(ScriptedDialogs, ErrorShorthandIsCaptionedErrorWithOneOkButton) {
  testing_support::TestUi t;
  t.dialogs().answerMessage(MsgResult::Ok);
  ui::dialogs().error("Help file is missing. E-mail for a replacement");
  const auto m = t.dialogs().messages();
  ASSERT_EQ(m.size(), 1u);
  EXPECT_EQ(m[0].text, "Help file is missing. E-mail for a replacement");
  EXPECT_EQ(m[0].caption, "Error");
  EXPECT_EQ(m[0].buttons, MsgButtons::Ok);
}

TEST(ScriptedDialogs, UnscriptedQuestionThrowsWithoutHookAndIsRecorded) {
  ui::ScriptedDialogs d;
  EXPECT_THROW(d.message("File does not exist", "Error"), ui::UnscriptedQuestion);
  ASSERT_EQ(d.questions().size(), 1u);
  EXPECT_FALSE(d.questions()[0].answered);
  ASSERT_EQ(d.failures().size(), 1);
  EXPECT_TRUE(d.failures()[0].contains("File does not exist"));
}

TEST(ScriptedDialogs, MismatchesFailAndDismiss) {
  ui::ScriptedDialogs d;
  QStringList reported;
  d.setFailureHook([&](const QString& s) { reported << s; });

  // Wrong kind: the answer stays for the question it was meant for.
  d.answerOpen("/tmp/a.lst");
  EXPECT_EQ(d.message("Save Filename List?", "Confirm", MsgButtons::YesNoCancel),
            MsgResult::Cancel);
  EXPECT_EQ(d.openFile({}), QString("/tmp/a.lst"));

  // Wrong text.
  d.answerMessage("Save Thumbnails?", MsgResult::Yes);
  EXPECT_EQ(d.message("Save thumbnails?", "Confirm", MsgButtons::YesNo), MsgResult::No);
  d.reset();

  // An answer the box does not offer.
  d.answerMessage(MsgResult::Yes);
  EXPECT_EQ(d.message("Not enough Resources", "Error"), MsgResult::Ok);

  // Nothing scripted at all.
  d.reset();
  EXPECT_EQ(d.saveFile({}), std::nullopt);
  EXPECT_FALSE(d.print(ui::printer().device(), {}));
  EXPECT_EQ(reported.size(), 5);
  EXPECT_EQ(d.failures().size(), 2);  // reset() cleared the earlier ones
}

TEST(ScriptedDialogs, CancelledFileDialogsGiveNothing) {
  testing_support::TestUi t;
  t.dialogs().cancelOpen();
  t.dialogs().cancelSave();
  t.dialogs().answerOpenFiles({"/x/a.bmp", "/x/b"});
  EXPECT_EQ(ui::dialogs().openFile({}), std::nullopt);
  EXPECT_EQ(ui::dialogs().saveFile({}), std::nullopt);
  ui::FileDialogOptions o;
  o.defaultExt = "bmp";
  EXPECT_EQ(ui::dialogs().openFiles(o), (QStringList{"/x/a.bmp", "/x/b.bmp"}));
}

TEST(ScriptedDialogs, ModalFormIsFilledInByTheScript) {
  testing_support::TestUi t;
  QDialog form;
  form.setObjectName("TBtnRightDlg");
  form.setWindowTitle("New Image Size");
  auto* edit = new QLineEdit(&form);
  edit->setObjectName("Edit1");
  t.dialogs().answerForm("TBtnRightDlg", [](QDialog& f) {
    f.findChild<QLineEdit*>("Edit1")->setText("filled");
    return int(QDialog::Accepted);
  });
  EXPECT_EQ(ui::dialogs().runModal(form), QDialog::Accepted);
  EXPECT_EQ(edit->text(), "filled");
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_EQ(t.dialogs().questions()[0].caption, "New Image Size");
}

TEST(ScriptedDialogs, AModalFormOtherThanTheScriptedOneIsRejected) {
  ui::ScriptedDialogs d;
  int failures = 0;
  d.setFailureHook([&](const QString&) { ++failures; });
  bool filled = false;
  d.answerForm("Tjpop1", [&](QDialog&) {
    filled = true;
    return int(QDialog::Accepted);
  });
  QDialog other;
  other.setObjectName("TResizeForm");
  EXPECT_EQ(d.runModal(other), QDialog::Rejected);
  EXPECT_FALSE(filled);
  EXPECT_EQ(failures, 1);
  EXPECT_EQ(d.pendingAnswers(), 1u);
}

TEST(Services, TestDoublesAreInstalledAndTheOldOnesRestored) {
  ui::UserDialogs* before = &ui::dialogs();
  ui::Clipboard* clipBefore = &ui::clipboard();
  {
    testing_support::TestUi t;
    EXPECT_EQ(&ui::dialogs(), &t.dialogs());
    EXPECT_EQ(&ui::clipboard(), &t.clipboard());
    EXPECT_EQ(ui::environment().screenSize(), QSize(1024, 768));
  }
  EXPECT_EQ(&ui::dialogs(), before);
  EXPECT_EQ(&ui::clipboard(), clipBefore);
}
