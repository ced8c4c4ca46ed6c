#pragma once
// Showing a label's painting on screen. The painting is made on a bitmap
// filled with a key colour that the label does not use; the key becomes
// see-through, so whatever lies behind the label shows as it would behind a
// transparent label.
#include <QImage>
#include <initializer_list>

#include "platform/gdi/Bitmap.h"

class QWidget;

namespace controls {

// A colour none of `used` is (at most four colours are ever passed).
gdi::TColor unusedColor(std::initializer_list<gdi::TColor> used);

// The painting with every pixel of `key` transparent.
QImage withTransparentKey(const gdi::Bitmap& painting, gdi::TColor key);

// The colour that shows behind a transparent widget: its parent's background
// (its own when it has no parent).
gdi::TColor backgroundBehind(const QWidget& widget);

}  // namespace controls
