// The real dialogs, answered by a timer that presses their buttons.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "platform/ui/QtDialogs.h"

namespace {

// Runs `answer` on the modal dialog as soon as it is up.
template <class Dialog>
void whenShown(std::function<void(Dialog&)> answer) {
  QTimer::singleShot(0, [answer] {
    auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    answer(*d);
  });
}

}  // namespace

TEST(QtDialogs, MessageBoxButtonsMapBothWays) {
  ui::QtDialogs dialogs;
  whenShown<QMessageBox>([](QMessageBox& box) {
    EXPECT_EQ(box.text(), "Save changes to TEMP.BMP?");
    EXPECT_EQ(box.windowTitle(), "Confirm");
    EXPECT_NE(box.button(QMessageBox::Cancel), nullptr);
    EXPECT_EQ(box.button(QMessageBox::Ok), nullptr);
    box.button(QMessageBox::No)->click();
  });
  EXPECT_EQ(dialogs.confirm("Save changes to TEMP.BMP?"), ui::MsgResult::No);

  // Closing the box without a choice is Cancel where offered.
  whenShown<QMessageBox>([](QMessageBox& box) { box.reject(); });
  EXPECT_EQ(dialogs.message("x", "y", ui::MsgButtons::YesNoCancel), ui::MsgResult::Cancel);
  whenShown<QMessageBox>([](QMessageBox& box) { box.reject(); });
  EXPECT_EQ(dialogs.message("x", "y", ui::MsgButtons::YesNo), ui::MsgResult::No);
}

TEST(QtDialogs, SaveDialogAppliesTheDefaultExtension) {
  QTemporaryDir dir;
  ui::QtDialogs dialogs;
  ui::FileDialogOptions o;
  o.title = "Save Filename List";
  o.filter = "List File (*.LST)|*.LST|All Files|*.*";
  o.initialDir = dir.path();
  o.fileName = "*.lst";
  o.defaultExt = "LST";
  whenShown<QFileDialog>([&](QFileDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Save Filename List");
    EXPECT_EQ(d.nameFilters().size(), 2);
    d.selectFile(dir.filePath("frames"));
    QMetaObject::invokeMethod(&d, "accept");
  });
  const auto chosen = dialogs.saveFile(o);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(*chosen, dir.filePath("frames.LST"));

  whenShown<QFileDialog>([](QFileDialog& d) { d.reject(); });
  EXPECT_EQ(dialogs.openFile(o), std::nullopt);
}
