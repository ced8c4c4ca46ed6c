#pragma once
// "Rotate Image": turns the whole picture by a whole number of degrees,
// reading the unrotated picture from the undo copy, optionally enlarging the
// picture to the square that holds it in any orientation first.
#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace ui {
class SpinEdit;
}

class TRotateform : public QDialog {
  Q_OBJECT
 public:
  explicit TRotateform(QWidget* parent = nullptr);

  QLabel* Rlabel1 = nullptr;
  QLabel* Label1 = nullptr;
  ui::SpinEdit* rotedit1 = nullptr;  // degrees, clockwise
  QCheckBox* CheckBox1 = nullptr;    // enlarge the picture to fit
  QPushButton* BitBtn1 = nullptr;    // OK
  QPushButton* BitBtn2 = nullptr;    // Cancel

  void FormCreate();
  void BitBtn1Click();
  void BitBtn2Click();
  // Enlarges the picture to its rotation square, centred, and the main
  // window to fit it.
  void resizeit();
};
