#pragma once
#include <QWidget>

// The gradient window: a strip of colours from the foreground to the
// background colour, from which a stretch becomes the palette's gradient list.
class Tgradform1 : public QWidget {
  Q_OBJECT
 public:
  explicit Tgradform1(QWidget* parent = nullptr);

  // Shifts added to the foreground's channels when the strip is painted.
  int RedShift = 0;
  int GreenShift = 0;
  int BlueShift = 0;

  // Paints the strip.
  void stretchcolor();
  // Rebuilds the palette's gradient list from the marked stretch of the strip.
  void setcolorstretch();
};
