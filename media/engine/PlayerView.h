#pragma once
// What the AVI player shows in its rectangle: the layout of the frame
// (stretched, centred or at the top left) and the composition of the frame
// with what lies behind the player, with the key colour left out when
// transparent. The screen and the frame capture both draw through here, so
// a captured frame is exactly what the player shows.
#include "platform/gdi/Bitmap.h"

namespace media {

// Where the frame goes in the control and at which size.
struct FrameLayout {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const FrameLayout&, const FrameLayout&) = default;
};

// Stretched: the whole control. Otherwise the frame's own size, centred
// when `center` (halves truncated towards zero, so a frame larger than the
// control is cut evenly on both sides), else at the top left.
FrameLayout layoutFrame(int controlWidth, int controlHeight, int frameWidth, int frameHeight,
                        bool stretch, bool center);

struct PlayerLook {
  bool stretch = false;
  bool center = true;
  bool transparent = true;
  gdi::TColor color = gdi::clBtnFace;  // the area without video, when opaque
};

// The frame at the drawn size: itself when the sizes match, else stretched
// into `scratch` (averaging when shrinking, replicating when enlarging).
const gdi::Bitmap& frameAtSize(const gdi::Bitmap& frame, int width, int height,
                               gdi::Bitmap& scratch);

// The key colour of a transparent frame: the bottom-left pixel of the frame
// at its drawn size. Every pixel of that colour is left out, wherever it is.
gdi::TColor transparentKey(const gdi::Bitmap& drawnFrame);

// Draws the player onto `view`, which has the control's size and, for a
// transparent player, holds what lies behind it. `frame` is null while no
// file is open: an opaque player is then all `color`, a transparent one
// leaves the view as it is.
void composePlayerView(gdi::Bitmap& view, const gdi::Bitmap* frame, const PlayerLook& look);

}  // namespace media
