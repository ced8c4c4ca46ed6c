#pragma once
// Where windows go: always inside the screen's available area (the screen
// less the desktop's panels, ui::environment().availableArea()), and a window
// placed beside another where there is room.
//
// Positions are those of the window's frame (QWidget::pos()). Before the
// window manager has framed a window its frame is estimated from the style.
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace ui {

// `frame` moved as little as possible to lie inside `area`; a frame larger
// than the area is cut down to it.
QRect fitInside(const QRect& frame, const QRect& area);

// Where a frame of `size` goes beside the frame `anchor`, `gap` apart and level
// with its top: to its right when the area has room there, else to its left,
// else against the area's right edge. Always inside the area.
QPoint besideFrame(const QRect& anchor, const QSize& size, const QRect& area, int gap);

// The margins between a window's frame and its client area.
QMargins frameMargins(const QWidget& window);
// The window's frame on the desktop.
QRect frameRect(const QWidget& window);

// Moves `window`, and shrinks it when it is larger, so that its frame lies
// inside the available area. A window the program never placed (and that Qt
// did not centre as a dialog) is centred in the area instead of being left to
// the window manager, beside a window that stays on top rather than under it
// where there is room.
void keepOnScreen(QWidget& window);

// From now on every window of the application is kept on screen
// (keepOnScreen) each time it is shown. Needs the QApplication; once is enough.
void keepWindowsOnScreen();

}  // namespace ui
