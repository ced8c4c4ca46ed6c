#pragma once
// The gradient window: a 256-step colour strip climbing from the foreground
// colour; the stretch of it between the L and R markers becomes the
// palette's gradient list, which every gradient fill paints with.
#include <QWidget>

#include "tools/engine/GradientStrip.h"

class QLabel;
class QPushButton;
class QSlider;

namespace ui {
class ImageControl;
enum class MouseButton;
using ShiftState = unsigned;
}  // namespace ui

class Tgradform1 : public QWidget {
  Q_OBJECT
 public:
  explicit Tgradform1(QWidget* parent = nullptr);

  // Added to the foreground's channels before the strip climbs from it.
  int RedShift = 0;
  int GreenShift = 0;
  int BlueShift = 0;
  // How slowly the strip climbs: 20 until the window is first shown, then the
  // track bar's position.
  int Stretch = 20;

  ui::ImageControl* Image1 = nullptr;  // the strip
  QLabel* Label1 = nullptr;            // "L": left end of the stretch (its x)
  QLabel* Label2 = nullptr;            // "R": right end of the stretch
  QSlider* TrackBar2 = nullptr;        // the stretch, 1..512
  int SelStart = 0;                    // TrackBar2's selection
  int SelEnd = 0;
  QPushButton* RedUp = nullptr;         // "R+"
  QPushButton* RedDown = nullptr;       // "R-"
  QPushButton* GreenUp = nullptr;       // "G+"
  QPushButton* GreenDown = nullptr;     // "G-"
  QPushButton* BlueUp = nullptr;        // "B+"
  QPushButton* BlueDown = nullptr;      // "B-"
  QPushButton* SpeedButton4 = nullptr;  // all shifts up one
  QPushButton* SpeedButton5 = nullptr;  // all shifts down one
  QPushButton* BitBtn1 = nullptr;       // OK
  QPushButton* BitBtn2 = nullptr;       // "Close"

  // Paints the strip from the palette's colours.
  void stretchcolor();
  // Rebuilds the palette's gradient list from the strip.
  void setcolorstretch();
  // The three shifts back to 0 (the palette's pick and preview strips do this).
  void zeroShifts();

  void Image1MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y);
  void TrackBar2Change();
  void BitBtn1Click();
  void BitBtn2Click();
  void SpeedButton4Click();
  void SpeedButton5Click();

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  void shiftBy(int& shift, int delta);
  // What the strip was last painted from, so a repaint repaints it only when
  // the palette's colours changed meanwhile.
  struct Painted {
    gdi::TColor fore, back;
    int red, green, blue, stretch;
    bool operator==(const Painted&) const = default;
  };
  Painted painted_{};
  bool paintedOnce_ = false;
};
