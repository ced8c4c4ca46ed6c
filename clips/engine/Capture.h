#pragma once
// What a capture produces: the clip (white outside the captured region) and
// where in the picture it came from.
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Geometry.h"

namespace clips {

// The colour the masking outline is drawn in: a near-black that ordinary
// pictures rarely hold, so the masking flood stops only at the outline.
inline constexpr gdi::TColor kMaskOutlineColor = gdi::RGB(1, 1, 1);
// The outside of every clip cut along an outline; transparent when pasted.
inline constexpr gdi::TColor kClipOutsideColor = gdi::clWhite;

struct Capture {
  // Empty when nothing was captured (an outline or box without width or height).
  gdi::Bitmap clip;
  // The capture origin: top-left of the captured area plus one pixel on
  // each axis, as the area operations and the paste-back expect it.
  gdi::Point origin;
  // The area of the picture the clip was cut from (its top-left is where a
  // colour replacement draws the clip back).
  gdi::Rect area;

  bool captured() const { return !clip.empty(); }
};

// The part `area` of `src` (clipped to it) as a bitmap of its own.
gdi::Bitmap copyRegion(const gdi::Bitmap& src, const gdi::Rect& area);

// Gives a finished clip the picture's palette (snapping its pixels to it)
// when the picture has one.
void takePictureFormat(gdi::Bitmap& clip, const gdi::Bitmap& picture);

}  // namespace clips
