#pragma once
// The white squares that rotation turns pictures in: a square whose side is
// the diagonal plus ten pixels holds the picture in any orientation, so a
// clip turned inside it loses nothing.
#include <optional>

#include "clips/engine/Progress.h"
#include "platform/gdi/Bitmap.h"

namespace clips {

// round(sqrt(w^2 + h^2)) + 10, halves to even.
int squareSide(int width, int height);

// A white side x side bitmap with `b` at ((side - w) div 2, (side - h) div 2).
// It takes b's pixel format and palette.
gdi::Bitmap centredInSquare(const gdi::Bitmap& b, int side);

// The clip centred in its square and turned by `degrees` about the square's
// centre (side div 2, side div 2). The result is the square.
gdi::Bitmap rotateClip(const gdi::Bitmap& clip, double degrees, const ProgressStep& step = {});

// The picture enlarged to its square before a rotation, or nothing when it is
// square already.
std::optional<gdi::Bitmap> enlargedForRotation(const gdi::Bitmap& picture);

// Turns `source` into `picture` about the picture's centre (width div 2,
// height div 2): the whole-picture rotation, reading the unrotated picture
// from its undo copy.
void rotatePicture(const gdi::Bitmap& source, gdi::Bitmap& picture, double degrees,
                   const ProgressStep& step = {});

}  // namespace clips
