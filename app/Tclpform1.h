#pragma once
// The "Message" window: tells the user the clipboard holds no bitmap and
// offers to free it. It stays on top and is shown without blocking.
#include <QDialog>

class QLabel;
class QPushButton;

class Tclpform1 : public QDialog {
  Q_OBJECT
 public:
  explicit Tclpform1(QWidget* parent = nullptr);

  QLabel* Label1 = nullptr;
  QPushButton* BitBtn1 = nullptr;  // OK
  QPushButton* BitBtn2 = nullptr;  // "Try and Free it"

  void BitBtn1Click();
  void BitBtn2Click();
};
