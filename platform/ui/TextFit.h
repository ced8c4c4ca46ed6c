#pragma once
// Sizes measured from the font instead of fixed pixels, so that a number or
// a caption shows whole at whatever font the desktop uses:
//
//   spin->sizeHint()                       // SpinEdit measures itself this way
//   ui::fitEditTo(*edit, "-99999");        // an edit box as wide as its widest value
//   ui::widestText(font, {"Dark", "Light"})
#include <QSize>
#include <QString>
#include <QStringList>

class QAbstractSpinBox;
class QFont;
class QLineEdit;
class QWidget;

namespace ui {

// Of `texts`, the one that takes the most room in `font` (the first on a tie).
QString widestText(const QFont& font, const QStringList& texts);
// A text at least as wide in `font` as every whole number from `low` to
// `high`: each bound's length written in the font's broadest digit (digits
// need not all be equally wide), with its sign.
QString widestNumber(const QFont& font, int low, int high);

// An edit box's size that shows `widest` whole: text, margins and frame in the
// edit's own font and style.
QSize editSizeFor(const QLineEdit& edit, const QString& widest);
// A spin box's size that shows `widest` whole beside its buttons, inside its frame.
QSize spinBoxSizeFor(const QAbstractSpinBox& box, const QString& widest);
// Gives `edit` the width `widest` needs as its minimum.
void fitEditTo(QLineEdit& edit, const QString& widest);

// The height the tallest of `texts` takes in `font` when wrapped at words
// within `width`.
int wrappedHeight(const QFont& font, int width, const QStringList& texts);
// A control placed by hand (no layout) grows to show its caption whole: a
// wrapping label grows downwards at its width, anything else to its size hint.
void growToCaption(QWidget& control);

}  // namespace ui
