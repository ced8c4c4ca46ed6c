#pragma once
// Painting of the rotating 3D label: the caption turned by the style's angle
// about the label's centre, with a light and a dark copy for the raised and
// lowered effects or a dark copy for the drop shadow, over an optional box in
// the label's colour. Everything goes through the raster layer's text, so the
// label on screen, the clipboard picture and the wizard's frames agree pixel
// for pixel.
#include <array>
#include <string>

#include "controls/engine/TLabelStyle.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Canvas.h"

namespace controls {

// "Arial" bold, the rotating label's font when it is made.
gdi::Font rotatedLabelFont();

struct RotatedLabelLook {
  std::string Caption;                  // UTF-8
  gdi::Font Font = rotatedLabelFont();  // its colour is the text colour
  gdi::TColor Color = gdi::clBtnFace;   // the box under the text when not MyTransparent
  bool MyTransparent = true;            // false: the box is drawn and the effect is plain
  LabelStyleValues Style;
};

// Corners of a box of `box` size centred on the centre of a label of `label`
// size and turned counter-clockwise by `angle` degrees: the box's top-left,
// top-right, bottom-right and bottom-left corners. Half sizes times the
// cosine and sine are cut toward zero, and the centre is the label's size
// halved with integer division, so the first corner is where the text starts.
std::array<gdi::Point, 4> turnedBox(gdi::Size label, gdi::Size box, int angle);

// Paints a label of `label` size onto `target` with its top-left corner at
// the target's origin.
void paintRotatedLabel(gdi::Bitmap& target, gdi::Size label, const RotatedLabelLook& look);

// The label's own painting on a bitmap of the label's size filled with
// `background` (what shows through a transparent label).
gdi::Bitmap renderRotatedLabel(const RotatedLabelLook& look, gdi::Size label,
                               gdi::TColor background);

}  // namespace controls
