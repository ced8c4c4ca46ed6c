#pragma once
// The picture the text maker puts on the clipboard, made from a label's own
// painting (never from the screen, where another window may lie over it).
//
// The result is one pixel wider and higher than the label. The label's
// background - the colour of its pixel (5, 5) - becomes white, every other
// pixel is ink, and the ink is moved so that its top-left corner (the
// smallest row and the smallest column holding ink) sits at (20, 20). Ink
// moved past the right or bottom edge is cut off; a label without ink gives
// a white picture. A label colour equal to the text colour therefore loses
// the text: it counts as background.
#include "platform/gdi/Bitmap.h"

namespace controls {

// Where the ink's top-left corner lands.
constexpr gdi::Point kLabelClipInkCorner{20, 20};

gdi::Bitmap labelClip(const gdi::Bitmap& labelImage);

}  // namespace controls
