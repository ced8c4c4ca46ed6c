#include "support/ui/TestUi.h"

#include <gtest/gtest.h>

#include "platform/ui/Services.h"

namespace testing_support {

TestUi::TestUi(const QString& programFolder) {
  auto dialogs = std::make_unique<ui::ScriptedDialogs>();
  dialogs->setFailureHook(
      [](const QString& description) { ADD_FAILURE() << description.toStdString(); });
  auto clipboard = std::make_unique<ui::MemoryClipboard>();
  auto environment = std::make_unique<ui::Environment>();
  environment->setScreenSize(QSize(1024, 768));
  environment->setProgramFolder(programFolder.isEmpty() ? temp_.path() : programFolder);
  auto printer = std::make_unique<ui::Printer>();
  printer->setOutputFile(pdfPath());
  dialogs_ = dialogs.get();
  clipboard_ = clipboard.get();
  environment_ = environment.get();
  printer_ = printer.get();
  ui::Services& s = ui::services();
  oldDialogs_ = s.setDialogs(std::move(dialogs));
  oldClipboard_ = s.setClipboard(std::move(clipboard));
  oldEnvironment_ = s.setEnvironment(std::move(environment));
  oldPrinter_ = s.setPrinter(std::move(printer));
}

TestUi::~TestUi() {
  for (const QString& left : dialogs_->pendingDescriptions())
    ADD_FAILURE() << "Scripted answer never asked for: " << left.toStdString();
  ui::Services& s = ui::services();
  s.setDialogs(std::move(oldDialogs_));
  s.setClipboard(std::move(oldClipboard_));
  s.setEnvironment(std::move(oldEnvironment_));
  s.setPrinter(std::move(oldPrinter_));
}

QString TestUi::tempPath(const QString& name) const {
  return name.isEmpty() ? temp_.path() : temp_.filePath(name);
}

}  // namespace testing_support
