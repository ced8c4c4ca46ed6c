#include "platform/ui/MouseTypes.h"

#include <QMouseEvent>

namespace ui {

ShiftState shiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons, bool doubleClick) {
  ShiftState s = 0;
  if (modifiers & Qt::ShiftModifier) s |= ssShift;
  if (modifiers & Qt::AltModifier) s |= ssAlt;
  if (modifiers & Qt::ControlModifier) s |= ssCtrl;
  if (buttons & Qt::LeftButton) s |= ssLeft;
  if (buttons & Qt::RightButton) s |= ssRight;
  if (buttons & Qt::MiddleButton) s |= ssMiddle;
  if (doubleClick) s |= ssDouble;
  return s;
}

ShiftState shiftState(const QMouseEvent& e, bool doubleClick) {
  return shiftState(e.modifiers(), e.buttons(), doubleClick);
}

std::optional<MouseButton> mouseButton(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton:
      return MouseButton::Left;
    case Qt::RightButton:
      return MouseButton::Right;
    case Qt::MiddleButton:
      return MouseButton::Middle;
    default:
      return std::nullopt;
  }
}

}  // namespace ui
