#pragma once
// The drawn size of a floating clip: the clip bitmap's size plus the pixels
// the size buttons added, never below 10 x 10.
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Canvas.h"
#include "platform/gdi/Geometry.h"

namespace clips {

inline constexpr int kMinClipSide = 10;

// Pixels added by the size buttons: to both sides, to the width, to the height.
struct SizeDeltas {
  int size = 0;
  int width = 0;
  int height = 0;
  friend constexpr bool operator==(const SizeDeltas&, const SizeDeltas&) = default;
};

// Corrects the deltas so that the drawn size is at least 10 x 10 (the
// both-sides delta first, against the width and then the height) and
// returns the drawn size.
gdi::Size correctedTargetSize(gdi::Size clip, SizeDeltas& deltas);

// "1/2" and "x2": a quarter of the clip bitmap's width and height (not of the
// drawn size) per press, taken off or added.
void shrinkByQuarter(gdi::Size clip, SizeDeltas& deltas);
void growByQuarter(gdi::Size clip, SizeDeltas& deltas);

// BlackOnWhite, or ColorOnColor when the target is narrower or lower than the
// source (so shrinking drops pixels instead of darkening the clip).
gdi::StretchMode clipStretchMode(gdi::Size target, gdi::Size source);

// The clip stretched to `target` (on white, with SRCAND): what a sized clip
// becomes when an effect needs it at its drawn size. It keeps the clip's
// pixel format and palette.
gdi::Bitmap sizedClip(const gdi::Bitmap& clip, gdi::Size target);

}  // namespace clips
