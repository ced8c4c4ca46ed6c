// Where the canvas handlers hand a mouse event to the capture, Bezier,
// polygon and paste parts of the studio. Each body is empty until its part
// is built; the handlers already call them at the right moments.
#include "app/TPbook1.h"

// ----- capture box (22 "Rectangle Outline", 23 "Cut", 229 "Special Rectangle ") ---
void TPbook1::capboxMouseDown(int, int) {}
void TPbook1::capboxMouseMove(int, int) {}
void TPbook1::capboxMouseUp(int, int) {}

// ----- outline capture (19, 21 "Lasso Outline", 109) ------------------------------
void TPbook1::polycopyDown(ui::MouseButton, int, int) {}
void TPbook1::polycopypve(int, int) {}
void TPbook1::polycopyUp(ui::MouseButton, int, int) {}

// ----- circular capture (24, 25) at the release of the ellipse drag --------------
void TPbook1::capcircle(int, int, int, int) {}

// ----- Bezier curve (12) -------------------------------------------------------------
void TPbook1::pDownbez(ui::MouseButton, int, int) {}
void TPbook1::pvebez(ui::ShiftState, int, int) {}
void TPbook1::pUpbez(ui::MouseButton, int, int) {}

// ----- polygon (7, 8): a vertex at each release, closed by the right button --------
void TPbook1::polyvertex(ui::MouseButton, int, int) {}

// ----- a pasted clip moved about while MaskMode is on --------------------------------
void TPbook1::mask1MDown(int, int) {}
void TPbook1::mask1MMove(int, int) {}
void TPbook1::mask1MUp() {}

// ----- 217 "Replace a color with clipboard" ----------------------------------------
void TPbook1::clipreplace(gdi::TColor) {}
