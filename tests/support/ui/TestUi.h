#pragma once
// Test doubles for the user-interface services, installed for the life of
// one object (put it in a fixture or at the top of a test):
//
//   testing_support::TestUi ui;                 // scripted dialogs, memory clipboard...
//   ui.dialogs().answerMessage("Save changes to TEMP.BMP?", ui::MsgResult::No);
//   ui.clipboard().setBitmap(clip);
//
// An unscripted question is a test failure (the program then goes on as if
// the user had dismissed it); answers left unused when the object ends are
// a failure too. The screen is 1024 x 768, the program folder a fresh
// temporary folder (or the one given), and printing writes printed.pdf in
// that temporary folder.
#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "platform/ui/Environment.h"
#include "platform/ui/MemoryClipboard.h"
#include "platform/ui/Printer.h"
#include "platform/ui/ScriptedDialogs.h"
#include "platform/ui/UserDialogs.h"

namespace testing_support {

class TestUi {
 public:
  explicit TestUi(const QString& programFolder = {});
  ~TestUi();
  TestUi(const TestUi&) = delete;
  TestUi& operator=(const TestUi&) = delete;

  ui::ScriptedDialogs& dialogs() { return *dialogs_; }
  ui::MemoryClipboard& clipboard() { return *clipboard_; }
  ui::Environment& environment() { return *environment_; }
  ui::Printer& printer() { return *printer_; }
  // A scratch folder removed with this object.
  QString tempPath(const QString& name = {}) const;
  QString pdfPath() const { return tempPath(QStringLiteral("printed.pdf")); }

 private:
  QTemporaryDir temp_;
  ui::ScriptedDialogs* dialogs_;
  ui::MemoryClipboard* clipboard_;
  ui::Environment* environment_;
  ui::Printer* printer_;
  std::unique_ptr<ui::UserDialogs> oldDialogs_;
  std::unique_ptr<ui::Clipboard> oldClipboard_;
  std::unique_ptr<ui::Environment> oldEnvironment_;
  std::unique_ptr<ui::Printer> oldPrinter_;
};

}  // namespace testing_support
