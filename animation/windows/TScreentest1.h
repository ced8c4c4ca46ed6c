#pragma once
// The preview window: one image that shows the current frame of a preview
// (the Animation Manager's, the Animation Wizard's, the Movie Wizard's).
// A click fits the window to the frame, a double-click fills the screen.
#include <QWidget>

namespace ui {
class ImageControl;
}  // namespace ui

class TScreentest1 : public QWidget {
  Q_OBJECT
 public:
  explicit TScreentest1(QWidget* parent = nullptr);

  ui::ImageControl* Image2 = nullptr;

  // Back from maximised; the window just holds the frame.
  void Image2Click();
  void Image2DblClick();
};
