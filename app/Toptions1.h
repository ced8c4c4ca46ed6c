#pragma once
// The options window: what a special outline capture does next. Its choices
// morph a picture into the captured outline or into a standard shape, or
// lighten, darken or blend the captured area by "Steps".
#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;

namespace ui {
class RadioGroup;
class SpinEdit;
}  // namespace ui

class Toptions1 : public QWidget {
  Q_OBJECT
 public:
  explicit Toptions1(QWidget* parent = nullptr);

  // The choices, shown by a special capture.
  QFrame* Panel4 = nullptr;
  // "Polygon Area  Options": what a special outline capture does next.
  ui::RadioGroup* RadioGroup1 = nullptr;
  // The steps of the lighten, darken and blend choices (items 2 to 4).
  QFrame* Panel5 = nullptr;
  QLabel* Label1 = nullptr;  // "Steps"
  QLabel* Label2 = nullptr;  // " 1 to 64 "
  ui::SpinEdit* SpinEdit2 = nullptr;
  QPushButton* BitBtn1 = nullptr;  // "Ok"
  QPushButton* BitBtn2 = nullptr;  // cancel

  // The choices of RadioGroup1.
  enum Choice { OutlineMorph, StandardShape, LightenArea, DarkenArea, BlendArea };

  void RadioGroup1Click();
  void FormShow();
  void BitBtn1Click();
  void BitBtn2Click();

 protected:
  void showEvent(QShowEvent* event) override;
};
