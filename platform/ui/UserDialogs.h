#pragma once
// Every question the program asks the user goes through this interface: the
// message boxes, the common dialogs and the modal runs of its own windows.
// QtDialogs shows real dialogs; ScriptedDialogs answers from a script in tests.
// The current instance is ui::dialogs() (see Services.h).
#include <QString>
#include <QStringList>
#include <optional>

#include "platform/gdi/Canvas.h"
#include "platform/gdi/Color.h"
#include "platform/ui/DialogTypes.h"

class QDialog;
class QPrinter;

namespace ui {

class UserDialogs {
 public:
  virtual ~UserDialogs() = default;

  // A modal message box; returns the button pressed.
  virtual MsgResult message(const MessageBoxRequest& request) = 0;

  // The chosen file, or nothing when cancelled. The default extension is
  // already applied. The folder of a chosen file becomes the current folder,
  // as the desktop the program was written for did: a quick save, which
  // writes a bare file name, lands beside the file last opened or saved.
  std::optional<QString> openFile(const FileDialogOptions& options);
  // The chosen files; empty when cancelled.
  QStringList openFiles(const FileDialogOptions& options);
  std::optional<QString> saveFile(const FileDialogOptions& options);

  virtual std::optional<gdi::TColor> chooseColor(gdi::TColor initial) = 0;
  virtual std::optional<gdi::Font> chooseFont(const gdi::Font& initial) = 0;

  // Print and printer set-up dialogs on the program's printer; true on OK.
  virtual bool print(QPrinter& printer, const PrintOptions& options) = 0;
  virtual bool printerSetup(QPrinter& printer) = 0;

  // Runs one of the program's own windows modally and returns its result
  // (QDialog::Accepted or QDialog::Rejected, or the value given to done()).
  // Tests answer these by filling the form in, found by its objectName.
  virtual int runModal(QDialog& form) = 0;

  // The file dialogs themselves, as the implementation shows them.
 protected:
  virtual std::optional<QString> askOpenFile(const FileDialogOptions& options) = 0;
  virtual QStringList askOpenFiles(const FileDialogOptions& options) = 0;
  virtual std::optional<QString> askSaveFile(const FileDialogOptions& options) = 0;

 public:
  // Shorthands for the message boxes the program uses most.
  MsgResult message(const QString& text, const QString& caption,
                    MsgButtons buttons = MsgButtons::Ok, MsgIcon icon = MsgIcon::None) {
    return message(MessageBoxRequest{text, caption, buttons, icon});
  }
  // "Error"-captioned box with one OK button.
  void error(const QString& text, const QString& caption = QStringLiteral("Error")) {
    message(text, caption, MsgButtons::Ok, MsgIcon::Error);
  }
  // Confirmation with Yes, No and Cancel.
  MsgResult confirm(const QString& text, const QString& caption = QStringLiteral("Confirm")) {
    return message(text, caption, MsgButtons::YesNoCancel, MsgIcon::Confirmation);
  }
};

}  // namespace ui
