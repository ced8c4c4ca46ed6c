#pragma once
// The resize dialog: the picture's new width and height, preset sizes,
// doubling and halving, and the method (JPEG halving or plain stretch). The
// main window's resize_it does the scaling after OK.
#include <QDialog>

class QToolButton;
class QPushButton;

namespace ui {
class RadioGroup;
class SpinEdit;
}  // namespace ui

class TResizeForm : public QDialog {
  Q_OBJECT
 public:
  explicit TResizeForm(QWidget* parent = nullptr);

  struct PresetSize {
    int width, height;
  };
  // Items 0..7 of RadioGroup1; item 8 is the neutral choice.
  static constexpr PresetSize kPresets[] = {{176, 144}, {320, 240}, {400, 400},  {468, 60},
                                            {640, 480}, {800, 600}, {1024, 768}, {1100, 850}};
  static constexpr int kNeutralPreset = 8;

  ui::SpinEdit* SpinEdit1 = nullptr;      // new width
  ui::SpinEdit* SpinEdit2 = nullptr;      // new height
  ui::RadioGroup* RadioGroup1 = nullptr;  // preset sizes
  ui::RadioGroup* RadioGroup2 = nullptr;  // method: 0 allows the JPEG halving
  QToolButton* SpeedButton1 = nullptr;    // x 2
  QToolButton* SpeedButton2 = nullptr;    // / 2
  QPushButton* BitBtn1 = nullptr;         // OK
  QPushButton* BitBtn2 = nullptr;         // Cancel

  // Set by the main window's resize when it stretched the picture.
  bool resized = false;

  // Spins to the picture's size, the neutral preset, the flag cleared.
  void FormShow();
  // FormShow, then the dialog modally; true when it closed with OK.
  bool execute();

  void RadioGroup1Click();
  void SpeedButton1Click();
  void SpeedButton2Click();
};
