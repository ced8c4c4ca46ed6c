#pragma once
// Rubber bands: the figure a drag shows between press and release, drawn with
// a not-xor pen and taken away again by drawing the very same figure once
// more, so the picture is never copied for them.
#include <vector>

#include "platform/gdi/Canvas.h"

namespace tools {

enum class BandFigure { None, Line, Rectangle, RoundRect, Ellipse };

// Corner ellipse of the rounded rectangles.
constexpr int kRoundCornerWidth = 20;
constexpr int kRoundCornerHeight = 16;

// The rubber-band figure of a tool code (None for tools that show none).
BandFigure bandFigure(int code);

// Draws `figure` for the band `r` with the canvas's current pen and brush.
// `r` keeps the drag's corners as they came: a line runs from (left, top),
// the press point, to (right, bottom), the mouse.
void drawBandFigure(gdi::Canvas& c, BandFigure figure, const gdi::Rect& r);

// One step of a drag: unless this is the first band, the previous one (on
// `lastRect`) is drawn again, which erases it; then the band on `next`.
// `lastRect` becomes `next` and `firstRubber` false.
void moveBand(gdi::Canvas& c, BandFigure figure, const gdi::Rect& next, bool& firstRubber,
              gdi::Rect& lastRect);

// Small rectangles that together hold every pixel the figure's outline can
// touch with a pen `penWidth` wide: a rubber band across a large picture
// changes a thin outline, and repainting its whole box would be wasted work.
std::vector<gdi::Rect> figureOutlineAreas(BandFigure figure, const gdi::Rect& r, int penWidth);

// The same for a line from a to b.
std::vector<gdi::Rect> lineAreas(gdi::Point a, gdi::Point b, int penWidth);

}  // namespace tools
