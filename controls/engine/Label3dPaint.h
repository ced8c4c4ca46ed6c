#pragma once
// Painting of the horizontal 3D label: the caption laid out as a label lays
// it out (alignment, word breaks, tabs, "&" prefixes), drawn a second and
// third time in the shade colours for the lowered and raised effects, or once
// offset for the drop shadow, then in the font colour.
#include <string>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Canvas.h"

namespace controls {

enum T3DEffect { Normal3d, Resit3d, Raised3d, Shadowed3d };

struct Label3dLook {
  std::string Caption;                 // UTF-8
  gdi::Font Font;                      // its colour is the text colour
  gdi::TColor Color = gdi::clBtnFace;  // filled in when not Transparent
  bool Transparent = true;
  bool Enabled = true;                // a disabled label writes its text in clGrayText
  bool ShowAccelChar = true;          // "&x" underlines x
  unsigned Alignment = gdi::DT_LEFT;  // DT_LEFT, DT_CENTER or DT_RIGHT
  T3DEffect AStyle3D = Normal3d;
  gdi::TColor AShadeRightBottom = 0x808080;
  gdi::TColor AShadeLeftTop = gdi::clWhite;
  int AHShadeOffSet = 5;
  int AVShadeOffSet = -5;
};

// Paints the label into `client`, its client rectangle on `target`.
void paintLabel3d(gdi::Bitmap& target, const gdi::Rect& client, const Label3dLook& look);

// The size the caption needs, one line per hard line break (what an
// auto-sized label takes). An empty caption is measured as " ".
gdi::Size label3dTextSize(const Label3dLook& look);

// The label's own painting on a bitmap of `size` filled with `background`.
gdi::Bitmap renderLabel3d(const Label3dLook& look, gdi::Size size, gdi::TColor background);

}  // namespace controls
