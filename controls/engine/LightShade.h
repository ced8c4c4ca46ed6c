#pragma once
// The light shade colour of the 3D labels with its "force to white" switch.
// While the switch is on the colour reads white and new colours are ignored;
// the colour chosen before is kept, so switching off brings it back.
#include "platform/gdi/Color.h"

namespace controls {

class LightShade {
 public:
  gdi::TColor color() const { return forced_ ? gdi::clWhite : color_; }
  bool forced() const { return forced_; }

  // Both return true when something changed (and the owner should repaint).
  bool setColor(gdi::TColor c) {
    if (forced_ || c == color_) return false;
    color_ = c;
    return true;
  }
  bool setForced(bool on) {
    if (on == forced_) return false;
    forced_ = on;
    return true;
  }

 private:
  gdi::TColor color_ = gdi::clWhite;
  bool forced_ = false;
};

}  // namespace controls
