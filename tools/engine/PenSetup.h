#pragma once
// How each tool prepares the picture's pen and brush before it draws, read
// from the palette's drawing state. The canvas keeps what is set here between
// mouse events, as the tools expect.
#include "platform/gdi/Canvas.h"
#include "tools/engine/DrawingState.h"

namespace tools {

// The rubber-band and polygon flags that a tool's set-up resets.
struct StrokeFlags {
  bool& FirstRubber;
  bool& PolyActive;
};

// Prepares the pen and brush of `c` for tool `code`. The eraser, pencil, pen
// and marker also change the drawing state for good (their colour, and the
// width the width box then carries into PenWidth and the pen); for those the
// function returns true, and the palette's colour box and width preview want
// redrawing.
bool set_t(int code, DrawingState& s, gdi::Canvas& c, StrokeFlags flags);

// The fill brush the drawing state asks for: the hatch style for plain fills,
// the pattern bitmap (tiled from the picture's origin) for pattern fills.
// `pattern` may be null or empty, which leaves the brush's pattern alone.
void applyFillBrush(gdi::Canvas& c, const DrawingState& s, const gdi::Bitmap* pattern);

// The real pen of the finished drawing: copy mode, the line width and the
// foreground colour, with the fill brush in the background colour.
void set_itback(const DrawingState& s, gdi::Canvas& c, const gdi::Bitmap* pattern);

// The pen of rubber bands: one pixel, black, not-xor, so drawing a band twice
// removes it. Filled figures show their inside mixed with the background
// colour while dragged; outlines have a clear brush.
void setBandPen(gdi::Canvas& c, bool filled, gdi::TColor backColor);

// "Clear Image": the undo copy takes the picture, then the whole picture is
// filled with the background colour.
void clearit(gdi::Bitmap& picture, gdi::Bitmap& undoCopy, DrawingState& s, StrokeFlags flags);

}  // namespace tools
