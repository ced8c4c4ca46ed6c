#pragma once
// Synthetic mouse events on a control, as a user's presses, moves and
// releases arrive. Points are in the control's coordinates (for the
// picture, picture pixels).
#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

namespace testing_support {

inline void mouseEvent(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button,
                       Qt::MouseButtons held) {
  const QPointF local(at);
  QMouseEvent e(type, local, w->mapToGlobal(local), button, held, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &e);
}

inline void press(QWidget* w, QPoint at, Qt::MouseButton b = Qt::LeftButton) {
  mouseEvent(w, QEvent::MouseButtonPress, at, b, b);
}
// A move with `held` buttons down (none: the mouse just passes over).
inline void moveTo(QWidget* w, QPoint at, Qt::MouseButtons held = Qt::LeftButton) {
  mouseEvent(w, QEvent::MouseMove, at, Qt::NoButton, held);
}
inline void release(QWidget* w, QPoint at, Qt::MouseButton b = Qt::LeftButton) {
  mouseEvent(w, QEvent::MouseButtonRelease, at, b, Qt::NoButton);
}
inline void click(QWidget* w, QPoint at, Qt::MouseButton b = Qt::LeftButton) {
  press(w, at, b);
  release(w, at, b);
}
// Press at `from`, moves half-way and to `to`, release at `to`.
inline void drag(QWidget* w, QPoint from, QPoint to, Qt::MouseButton b = Qt::LeftButton) {
  press(w, from, b);
  moveTo(w, (from + to) / 2, b);
  moveTo(w, to, b);
  release(w, to, b);
}

}  // namespace testing_support
