#pragma once
// UserDialogs shown with Qt's own dialogs, parented to the active window.
#include "platform/ui/UserDialogs.h"

namespace ui {

class QtDialogs : public UserDialogs {
 public:
  using UserDialogs::message;
  MsgResult message(const MessageBoxRequest& request) override;
  std::optional<gdi::TColor> chooseColor(gdi::TColor initial) override;
  std::optional<gdi::Font> chooseFont(const gdi::Font& initial) override;
  bool print(QPrinter& printer, const PrintOptions& options) override;
  bool printerSetup(QPrinter& printer) override;
  int runModal(QDialog& form) override;

 protected:
  std::optional<QString> askOpenFile(const FileDialogOptions& options) override;
  QStringList askOpenFiles(const FileDialogOptions& options) override;
  std::optional<QString> askSaveFile(const FileDialogOptions& options) override;
};

}  // namespace ui
