#pragma once
// "Capture screen": asks for the go-ahead of a screen shot once the studio's
// windows are out of the way. Its result is 1 after OK and 2 after Cancel.
#include <QDialog>

class QLabel;
class QPushButton;

namespace ui {
class ImageControl;
}

class Tcapformdlg : public QDialog {
  Q_OBJECT
 public:
  explicit Tcapformdlg(QWidget* parent = nullptr);

  static constexpr int kOk = 1;
  static constexpr int kCancel = 2;

  ui::ImageControl* Image1 = nullptr;
  QLabel* Label1 = nullptr;
  QPushButton* BitBtn1 = nullptr;  // OK
  QPushButton* BitBtn2 = nullptr;  // Cancel

  void BitBtn1Click() { done(kOk); }
  void BitBtn2Click() { done(kCancel); }
  // Shows the dialog modally (through the program's dialogs); its result.
  int execute();

 protected:
  void reject() override { done(kCancel); }
};
