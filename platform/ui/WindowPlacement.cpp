#include "platform/ui/WindowPlacement.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QStyle>
#include <QWidget>
#include <algorithm>

#include "platform/ui/Services.h"

namespace ui {

namespace {

// Border of a window frame before the window manager has drawn one.
constexpr int kEstimatedBorder = 4;

// Top-level windows that have a frame of their own (menus, tool tips and
// splash screens are placed by Qt).
bool isFramedWindow(const QWidget& w) {
  if (!w.isWindow()) return false;
  const Qt::WindowType type = w.windowType();
  return type == Qt::Window || type == Qt::Dialog || type == Qt::Tool || type == Qt::Sheet;
}

class OnScreenFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && !event->spontaneous() && watched->isWidgetType()) {
      auto* w = static_cast<QWidget*>(watched);
      if (isFramedWindow(*w)) keepOnScreen(*w);
    }
    return false;
  }
};

}  // namespace

QRect fitInside(const QRect& frame, const QRect& area) {
  QRect r(frame.topLeft(), frame.size().boundedTo(area.size()));
  if (r.right() > area.right()) r.moveRight(area.right());
  if (r.bottom() > area.bottom()) r.moveBottom(area.bottom());
  if (r.left() < area.left()) r.moveLeft(area.left());
  if (r.top() < area.top()) r.moveTop(area.top());
  return r;
}

QPoint besideFrame(const QRect& anchor, const QSize& size, const QRect& area, int gap) {
  QPoint at;
  if (anchor.right() + gap + size.width() <= area.right())
    at = {anchor.right() + 1 + gap, anchor.top()};
  else if (anchor.left() - gap - size.width() >= area.left())
    at = {anchor.left() - gap - size.width(), anchor.top()};
  else
    at = {area.right() + 1 - size.width(), anchor.top()};
  return fitInside(QRect(at, size), area).topLeft();
}

QMargins frameMargins(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  const QRect client = window.geometry();
  if (frame != client)
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
  const int title = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
  return {kEstimatedBorder, title + kEstimatedBorder, kEstimatedBorder, kEstimatedBorder};
}

QRect frameRect(const QWidget& window) {
  const QMargins m = frameMargins(window);
  return {window.pos(), window.size().grownBy(m)};
}

namespace {

// A frame's place in the middle of `area`, or beside a window that stays on
// top (a tool palette) when the middle would put it underneath and there is
// room beside.
QRect centredClearOf(const QWidget& window, QRect frame, const QRect& area) {
  frame.moveCenter(area.center());
  for (QWidget* other : QApplication::topLevelWidgets()) {
    if (other == &window || !other->isVisible() || !other->windowFlags().testFlag(Qt::WindowStaysOnTopHint) ||
        !isFramedWindow(*other))
      continue;
    const QRect onTop = frameRect(*other);
    if (!frame.intersects(onTop)) continue;
    const QPoint beside = besideFrame(onTop, frame.size(), area, 0);
    const QRect moved(QPoint(beside.x(), frame.top()), frame.size());
    if (!moved.intersects(onTop) && area.contains(moved)) frame = moved;
  }
  return frame;
}

}  // namespace

void keepOnScreen(QWidget& window) {
  const QRect area = environment().availableArea();
  const QMargins m = frameMargins(window);
  QRect frame = frameRect(window);
  // Qt centres a dialog on its parent before showing it without marking it
  // as placed; any other window not placed by the program is centred here.
  if (!window.testAttribute(Qt::WA_Moved) && !qobject_cast<QDialog*>(&window))
    frame = centredClearOf(window, frame, area);
  const QRect fitted = fitInside(frame, area);
  if (fitted.size() != frame.size()) window.resize(fitted.size().shrunkBy(m));
  if (fitted.topLeft() != window.pos()) window.move(fitted.topLeft());
}

void keepWindowsOnScreen() {
  // Goes with the application object; a later application gets its own.
  static QPointer<QObject> filter;
  if (filter || !qApp) return;
  filter = new OnScreenFilter(qApp);
  qApp->installEventFilter(filter);
}

}  // namespace ui
