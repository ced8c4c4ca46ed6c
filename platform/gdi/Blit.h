#pragma once
// Block transfers between bitmaps.
//
// Both blits clip against the destination and the source: pixels that would
// be read from outside the source leave the destination untouched. A source
// that is the destination itself is read as it was before the call.
#include <cstdint>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Canvas.h"

namespace gdi {

// Ternary raster operation of `rop` over the w x h block: P is `pattern`
// (tiled from the destination's origin), S the source block at (sx, sy), D the
// destination. `src` may be null when the operation does not read a source.
void bitBlt(Bitmap& dst, int x, int y, int w, int h, const Bitmap* src, int sx, int sy,
            std::uint32_t rop, const Brush& pattern);

// Maps the source rectangle (sx, sy, sw, sh) onto the destination rectangle
// (x, y, w, h). Negative extents mirror. Shrinking combines the dropped
// pixels by `mode`: BlackOnWhite ANDs them, WhiteOnBlack ORs them,
// ColorOnColor drops them, Halftone averages them. Enlarging replicates.
void stretchBlt(Bitmap& dst, int x, int y, int w, int h, const Bitmap& src, int sx, int sy, int sw,
                int sh, std::uint32_t rop, StretchMode mode, const Brush& pattern);

// Copies the source rectangle onto the destination rectangle (stretching with
// ColorOnColor when the sizes differ), skipping source pixels of colour `key`.
void transparentBlt(Bitmap& dst, int x, int y, int w, int h, const Bitmap& src, int sx, int sy,
                    int sw, int sh, TColor key);

}  // namespace gdi
