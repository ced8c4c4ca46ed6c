#pragma once
// The gradient fills: the gradient list spread over the rows, columns or
// rings of a target on the picture, one list entry per step by the index
// rule (gradientSteps). A list of fewer than two colours draws nothing.
//
// Every fill draws with a pen two pixels wide in inside-frame style and a
// clear brush, so neighbouring steps overlap by a pixel and leave no gaps.
// Each returns false when it drew nothing.
#include <span>

#include "platform/gdi/Canvas.h"

namespace tools {

// Rows (H) or columns (V) of the box with corners (x1, y1) and (x2, y2), each a
// line across the box. The stepped side must be more than 4 pixels.
bool Hdogradboxfill(gdi::Canvas& c, int x1, int y1, int x2, int y2,
                    std::span<const gdi::TColor> list);
bool Vdogradboxfill(gdi::Canvas& c, int x1, int y1, int x2, int y2,
                    std::span<const gdi::TColor> list);

// Area fills at a click: the 4-connected area of the clicked pixel's colour
// is flooded with the marker colour 0x000001 (after the undo copy takes the
// picture) and every flooded pixel then takes the colour of its row (H) or
// column (V) in a gradient running over the whole picture. Clicking an area
// that already has the marker colour changes nothing.
bool Hdogradfill(gdi::Bitmap& picture, gdi::Bitmap& undoCopy, int x, int y,
                 std::span<const gdi::TColor> list);
bool Vdogradfill(gdi::Bitmap& picture, gdi::Bitmap& undoCopy, int x, int y,
                 std::span<const gdi::TColor> list);

// "Gradient Frame": height / 2 concentric rectangles from the box's edge
// inwards, the outermost in the list's last colour and the innermost in its
// first. Ring k is inset k pixels on every side (the sides stop when they
// meet in the middle), like the bevel of a picture frame. The pen starts in
// `backColor`. Needs a box more than 4 pixels high.
bool Hdogradrectfill(gdi::Canvas& c, int x1, int y1, int x2, int y2,
                     std::span<const gdi::TColor> list, gdi::TColor backColor);

// "Gradient Globe": a circle of diameter 2R anchored at the box's top left
// (R the larger half side), drawn as R rings from the first list colour
// outside to the last in the middle. Needs R > 4.
bool globe(gdi::Canvas& c, int x1, int y1, int x2, int y2, std::span<const gdi::TColor> list);

// Gradient tubes: the line from `from` to `to` becomes a rounded tube as wide
// as the line, shaded across from the first list colour at its edges to the
// last along its middle (narrower and narrower lines, two pixels less each
// step). Needs a line at least 3 pixels wide. The pen ends in copy mode with
// `lineWidth` and `foreColor`.
bool dogradtubes(gdi::Canvas& c, gdi::Point from, gdi::Point to, int lineWidth,
                 gdi::TColor foreColor, std::span<const gdi::TColor> list);

}  // namespace tools
