#pragma once
// Turning a bitmap by a whole number of degrees: every destination pixel
// looks up the source pixel it comes from (inverse mapping, nearest pixel) in
// fixed-point arithmetic, so the pixel loop does no floating-point work.
// Destination pixels whose source lies outside the source bitmap are white,
// the transparent colour of clips.
//
// One routine serves the clip, the whole picture and the movie wizard's
// clips.
#include <cstdint>

#include "clips/engine/Progress.h"
#include "platform/gdi/Bitmap.h"

namespace clips {

// The mapping in thousandths of a pixel: destination pixel (i, j) samples
// the source at (x0 + (i + 1) * xCol + j * xRow, y0 + (i + 1) * yCol + j * yRow)
// divided by 1000 with truncation toward zero. The column step comes before
// the sample, so column i samples at step i + 1.
struct RotationSetup {
  std::int64_t x0 = 0;
  std::int64_t y0 = 0;
  std::int64_t xCol = 0;  // source x per destination column
  std::int64_t yCol = 0;  // source y per destination column
  std::int64_t xRow = 0;  // source x per destination row
  std::int64_t yRow = 0;  // source y per destination row
};

// The mapping for turning a picture clockwise (on screen, y down) by
// `degrees` about (cx, cy) at `scale`: the set-up angle is 360 - degrees
// rounded to a whole number, and each coefficient is rounded to thousandths.
RotationSetup rotationSetup(double degrees, double scale, int cx, int cy);

// Fills every pixel of `destination` (which keeps its size) from `source`
// turned by `degrees` about (cx, cy). Source and destination may be the
// same bitmap (it is then read as it was before the call). Writes into a
// palette bitmap snap to its palette.
void rotate(const gdi::Bitmap& source, gdi::Bitmap& destination, int cx, double scale,
            double degrees, int cy, const ProgressStep& step = {});
void rotate(const gdi::Bitmap& source, gdi::Bitmap& destination, const RotationSetup& setup,
            const ProgressStep& step = {});

}  // namespace clips
