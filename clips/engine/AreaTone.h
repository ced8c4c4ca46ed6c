#pragma once
// The "Polygon Area  Options" operations on the last captured area: the
// captured clip (white outside the area) and the capture origin (the area's
// top-left plus one pixel each way) say which picture pixels take part.
// Pixels that would lie off the picture are neither read nor written.
//
// Both can be stopped through their step: the picture is then as it was
// before the call, and the call answers false.
#include "clips/engine/Progress.h"
#include "clips/engine/ToneArithmetic.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Geometry.h"

namespace clips {

// The options window's "Steps": 1 to 64, 8 at start.
inline constexpr int kAreaStepsMin = 1;
inline constexpr int kAreaStepsMax = 64;
inline constexpr int kAreaStepsDefault = 8;

// "Lighten the selected area" / "Darken The selected area": every non-white
// clip pixel (x, y), shifted by `steps`, is written to the picture at
// (origin.x - 1 + x, origin.y - 1 + y), which is where it was captured from.
bool lightenArea(gdi::Bitmap& picture, const gdi::Bitmap& clip, gdi::Point origin, Tone tone,
                 int steps, const StoppableStep& step = {});

// The blend weight of "Blend the selected area": 64 - steps, at least 1 (a
// very light blend at 64 steps) and at most 64.
constexpr int areaBlendParts(int steps) {
  const int b = 64 - steps;
  return b < 1 ? 1 : (b > 64 ? 64 : b);
}

// "Blend the selected area": for every non-white clip pixel (x, y) in row
// order, with (X, Y) = origin + (x, y), on the picture as it changes:
//   (X + 1, Y) := (X, Y) blended toward (X - 1, Y) by b parts of 64, then
//   (X, Y)     := (X, Y - 1) blended toward (X, Y + 1) by b parts of 64,
// with b = areaBlendParts(steps). An assignment that would read or write a
// pixel off the picture is left out.
bool blendArea(gdi::Bitmap& picture, const gdi::Bitmap& clip, gdi::Point origin, int steps,
               const StoppableStep& step = {});

}  // namespace clips
