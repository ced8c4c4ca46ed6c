#pragma once
// "New Image Size": the width and height of a new picture, typed or taken
// from a list of standard image and movie frame sizes.
#include <QDialog>

class QPushButton;

namespace ui {
class RadioGroup;
class SpinEdit;
}  // namespace ui

class TBtnRightDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TBtnRightDlg(QWidget* parent = nullptr);

  ui::SpinEdit* SpinEdit1 = nullptr;  // width
  ui::SpinEdit* SpinEdit2 = nullptr;  // height
  ui::RadioGroup* RadioButton1 = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

  // Sides of a new picture.
  static constexpr int kMinSide = 10;
  static constexpr int kMaxSide = 4000;

  void RadioButton1Click();
  // Applies the chosen size again, as each showing of the dialog does.
  void FormShow();
  // Limits both sides to 10..4000 and closes with OK.
  void OKBtnClick();

  // Shows the dialog modally (through the program's dialogs); true on OK.
  bool execute();
};
