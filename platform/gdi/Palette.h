#pragma once
// Colour palettes of 1-, 4- and 8-bit bitmaps and the nearest-colour match
// that writes into such bitmaps go through.
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "platform/gdi/Color.h"

namespace gdi {

using Palette = std::vector<TColor>;

// Black and white.
Palette monochromePalette();
// The sixteen standard VGA colours.
Palette vgaPalette();
// 256 entries: the sixteen VGA colours, a 6 x 6 x 6 colour cube and a grey ramp.
Palette halftonePalette();

// Nearest palette entry by squared RGB distance; the first of equally near
// entries wins. Remembers its answers, so repeated colours cost a lookup.
class PaletteMatcher {
 public:
  PaletteMatcher() = default;
  explicit PaletteMatcher(Palette palette);

  const Palette& palette() const { return palette_; }
  bool empty() const { return palette_.empty(); }
  int nearestIndex(TColor rgb) const;
  TColor nearest(TColor rgb) const { return palette_.empty() ? rgb : palette_[nearestIndex(rgb)]; }

 private:
  Palette palette_;
  mutable std::unordered_map<std::uint32_t, int> memo_;
};

}  // namespace gdi
