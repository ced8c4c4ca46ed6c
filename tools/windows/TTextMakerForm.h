#pragma once
// "Rotated and 3D Text": the user types a caption, chooses its font, angle,
// 3D effect and colours on the sample label `rlabel1`, and puts the label's
// picture on the clipboard for the main window to paste. A further row of
// buttons loads a clip (from the clipboard or a bitmap file) into the first
// colour image, so the text's colours can be picked from it, recolours it and
// hands it back to the paste.
#include <QWidget>

#include "platform/gdi/Bitmap.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class TMyLabelRotate;

namespace ui {
class ImageControl;
class RadioGroup;
class SpinEdit;
enum class MouseButton;
using ShiftState = unsigned;
}  // namespace ui

class TTextMakerForm : public QWidget {
  Q_OBJECT
 public:
  explicit TTextMakerForm(QWidget* parent = nullptr);

  TMyLabelRotate* rlabel1 = nullptr;      // the sample, and what is rendered
  QLineEdit* Edit1 = nullptr;             // its caption
  QPushButton* BitBtn1 = nullptr;         // font dialog
  ui::SpinEdit* SpinEdit1 = nullptr;      // angle
  ui::SpinEdit* SpinEdit2 = nullptr;      // drop shadow's horizontal offset
  ui::RadioGroup* RadioGroup1 = nullptr;  // effect
  QCheckBox* CheckBox1 = nullptr;         // light shade forced to white
  QCheckBox* CheckBox2 = nullptr;         // transparent (no box under the text)
  ui::ImageControl* Image1 = nullptr;     // light shade pick (or the loaded clip)
  ui::ImageControl* Image2 = nullptr;     // dark shade pick
  ui::ImageControl* Image3 = nullptr;     // text colour pick
  ui::ImageControl* Image4 = nullptr;     // label colour pick
  QPushButton* BitBtn4 = nullptr;         // render to the clipboard
  QPushButton* BitBtn5 = nullptr;         // the multi-line text window
  QPushButton* SpeedButton1 = nullptr;    // help
  QPushButton* BitBtn2 = nullptr;         // close
  QPushButton* BitBtn3 = nullptr;         // close
  QPushButton* BitBtn6 = nullptr;         // clip from the clipboard into Image1
  QPushButton* BitBtn7 = nullptr;         // clip from a bitmap file into Image1
  QPushButton* BitBtn8 = nullptr;         // rapcolor
  QPushButton* BitBtn9 = nullptr;         // minirepcolor

  // Whether Image1 holds a loaded clip rather than its colour chart.
  bool clipLoaded() const { return clipLoaded_; }

  void Edit1Change();
  void BitBtn1Click();
  void SpinEdit1Change();
  void SpinEdit2Change();
  void RadioGroup1Click();
  void CheckBox1Click();
  void CheckBox2Click();
  void Image1Pick(ui::MouseButton button, ui::ShiftState shift, int x, int y);
  void Image2Pick(ui::MouseButton button, ui::ShiftState shift, int x, int y);
  void Image3Pick(ui::MouseButton button, ui::ShiftState shift, int x, int y);
  void Image4MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y);
  // The label's own painting on the clipboard, handed to the main window's paste.
  void BitBtn4Click();
  void BitBtn5Click();
  void SpeedButton1Click();
  void BitBtn6Click();
  void BitBtn7Click();
  // In the loaded clip, the palette's foreground colour becomes its
  // background colour (as the main window's colour replacement does).
  void rapcolor();
  // The loaded clip on the clipboard, handed to the main window's paste.
  void minirepcolor();

 private:
  void showClip(const gdi::Bitmap& clip);
  bool requireClip();

  bool clipLoaded_ = false;
};
