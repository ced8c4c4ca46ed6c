// Where the canvas handlers hand a mouse event to the paste part of the
// studio. Each body is empty until that part is built; the handlers already
// call them at the right moments.
#include "app/TPbook1.h"

// ----- a pasted clip moved about while MaskMode is on --------------------------------
void TPbook1::mask1MDown(int, int) {}
void TPbook1::mask1MMove(int, int) {}
void TPbook1::mask1MUp() {}

// ----- 217 "Replace a color with clipboard" ----------------------------------------
void TPbook1::clipreplace(gdi::TColor) {}
