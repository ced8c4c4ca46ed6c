#pragma once
// Mouse event arguments as the program's handlers take them: the button and
// a shift state holding the modifier keys and the buttons held down.
#include <Qt>
#include <optional>

class QMouseEvent;

namespace ui {

enum class MouseButton { Left, Right, Middle };

enum ShiftFlag : unsigned {
  ssShift = 1,
  ssAlt = 2,
  ssCtrl = 4,
  ssLeft = 8,
  ssRight = 16,
  ssMiddle = 32,
  ssDouble = 64
};
using ShiftState = unsigned;

ShiftState shiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons,
                      bool doubleClick = false);
ShiftState shiftState(const QMouseEvent& e, bool doubleClick = false);
// The button of a press or release; nothing for buttons the program ignores.
std::optional<MouseButton> mouseButton(Qt::MouseButton b);

}  // namespace ui
