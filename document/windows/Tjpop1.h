#pragma once
// "Jpeg Save Options": the quality JPEG files are written with. Shown
// without blocking from the menu, and modally before a contact sheet is
// saved as JPEG. The track bar keeps its position for the rest of the run.
#include <QDialog>

class QPushButton;
class QSlider;

class Tjpop1 : public QDialog {
  Q_OBJECT
 public:
  explicit Tjpop1(QWidget* parent = nullptr);

  QSlider* TrackBar1 = nullptr;    // 10..100
  QPushButton* BitBtn1 = nullptr;  // OK

  // The quality JPEG files are written with.
  int quality() const;
  void setQuality(int q);
};
