#pragma once
// A clip floating over the picture while it is pasted. The picture shows the
// clip drawn over the backdrop (the picture as it was when the paste began,
// kept in the undo copy); every move puts the backdrop back and draws the
// clip again.
//
// Drawing the clip: the mask with MERGEPAINT (white under the clip's opaque
// pixels, the picture unchanged elsewhere), then the clip with SRCAND (its
// colours where opaque, the picture where it is white). A sized clip is
// stretched to its drawn size with the picture canvas's stretch mode set by
// the clip rule (ColorOnColor when shrinking, else BlackOnWhite).
//
// Putting the backdrop back over the whole of a 4000 x 4000 picture at every
// mouse move is too slow, so FloatingClip remembers where the paste has drawn
// since the backdrop last went back whole, and restores only that.
#include <optional>
#include <vector>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Geometry.h"

namespace clips {

// Where the clip is drawn and at what size.
struct ClipPlacement {
  gdi::Point pos;
  bool sized = false;
  gdi::Size target;  // the drawn size when sized

  static constexpr ClipPlacement at(gdi::Point p) { return {p, false, {}}; }
  static constexpr ClipPlacement stretched(gdi::Point p, gdi::Size size) { return {p, true, size}; }
  friend bool operator==(const ClipPlacement&, const ClipPlacement&) = default;
};

// The rectangle the clip covers when drawn so (not clipped to the picture).
gdi::Rect clipArea(const ClipPlacement& at, gdi::Size clip);

// Draws the clip onto the picture; returns the area written.
gdi::Rect drawClip(gdi::Bitmap& picture, const gdi::Bitmap& clip, const gdi::Bitmap& mask,
                   const ClipPlacement& at);

// The dashed frame round a clip: clear brush, not-copy pen 2 wide in white,
// dashes. Returns the area it may have touched.
gdi::Rect drawClipFrame(gdi::Bitmap& picture, const gdi::Rect& area);

// A press hits the clip strictly inside its area: the border is a miss.
constexpr bool hitsClip(const gdi::Rect& area, int x, int y) {
  return area.left < x && x < area.right && area.top < y && y < area.bottom;
}

class FloatingClip {
 public:
  // Nothing is known about where the picture differs from the backdrop (the
  // picture may have been drawn on by anyone): the next restore() puts the
  // whole backdrop back.
  void forget();
  // A new paste: the picture equals the backdrop.
  void start();

  // The backdrop over the whole picture. Returns the picture's rectangle.
  gdi::Rect restoreAll(gdi::Bitmap& picture, const gdi::Bitmap& backdrop);
  // The backdrop over every part the paste drew on since the last whole
  // restore (all of it when that is not known). Returns the area restored.
  gdi::Rect restore(gdi::Bitmap& picture, const gdi::Bitmap& backdrop);

  // Draws the clip and remembers where. Returns the area written.
  gdi::Rect draw(gdi::Bitmap& picture, const gdi::Bitmap& clip, const gdi::Bitmap& mask,
                 const ClipPlacement& at);
  // Draws the dashed frame round `area` (after taking off one shown before)
  // and remembers where, and what was under it.
  gdi::Rect frame(gdi::Bitmap& picture, const gdi::Rect& area);
  // The frame shows where the clip is; it is no part of the picture. Puts
  // back what the frame covered, unless something has drawn there since
  // (the not-copy pen cannot be undone by drawing it again). Every draw
  // does this first, and a paste that ends does it last. Returns the area
  // put back.
  gdi::Rect unframe(gdi::Bitmap& picture);
  bool framed() const { return !frameStrips_.empty(); }

  // One step of a drag: restore(), then draw() at the new place. The result
  // equals putting the whole backdrop back and drawing the clip. Returns the
  // area to repaint (old and new place).
  gdi::Rect move(gdi::Bitmap& picture, const gdi::Bitmap& backdrop, const gdi::Bitmap& clip,
                 const gdi::Bitmap& mask, const ClipPlacement& to);

  // Where the clip was drawn last, if it was drawn since start().
  const std::optional<ClipPlacement>& lastDrawn() const { return last_; }
  // Whether the picture is known to equal the backdrop outside drawnArea().
  bool known() const { return known_; }
  gdi::Rect drawnArea() const { return drawn_; }

 private:
  // A strip of the picture along one side of the frame: its pixels before
  // and after the frame was drawn.
  struct FrameStrip {
    gdi::Rect at;
    gdi::Bitmap under;
    gdi::Bitmap over;
  };

  bool known_ = false;
  gdi::Rect drawn_;
  std::optional<ClipPlacement> last_;
  std::vector<FrameStrip> frameStrips_;
};

}  // namespace clips
