#include "platform/gdi/Palette.h"

#include <limits>

namespace gdi {

Palette monochromePalette() { return {clBlack, clWhite}; }

Palette vgaPalette() {
  return {clBlack, clMaroon, clGreen, clOlive,  clNavy, clPurple,  clTeal, clSilver,
          clGray,  clRed,    clLime,  clYellow, clBlue, clFuchsia, clAqua, clWhite};
}

Palette halftonePalette() {
  Palette p = vgaPalette();
  static constexpr int kLevels[6] = {0, 51, 102, 153, 204, 255};
  for (int b : kLevels)
    for (int g : kLevels)
      for (int r : kLevels) p.push_back(RGB(r, g, b));
  // Fill up to 256 with greys between the cube's levels.
  for (int i = 0; p.size() < 256; ++i) {
    int v = 8 + i * 10;
    if (v > 250) v = 250 - (i % 20);
    p.push_back(RGB(v, v, v));
  }
  return p;
}

PaletteMatcher::PaletteMatcher(Palette palette) : palette_(std::move(palette)) {}

int PaletteMatcher::nearestIndex(TColor rgb) const {
  if (palette_.empty()) return 0;
  const std::uint32_t key = std::uint32_t(rgb) & 0xFFFFFFu;
  if (auto it = memo_.find(key); it != memo_.end()) return it->second;
  const int r = GetRValue(rgb), g = GetGValue(rgb), b = GetBValue(rgb);
  int best = 0;
  int bestDistance = std::numeric_limits<int>::max();
  for (int i = 0; i < int(palette_.size()); ++i) {
    const TColor c = palette_[i];
    const int dr = GetRValue(c) - r, dg = GetGValue(c) - g, db = GetBValue(c) - b;
    const int d = dr * dr + dg * dg + db * db;
    if (d < bestDistance) {
      bestDistance = d;
      best = i;
      if (d == 0) break;
    }
  }
  // Bound the memo so a photo blitted into a palette bitmap cannot grow it forever.
  if (memo_.size() > (1u << 18)) memo_.clear();
  memo_.emplace(key, best);
  return best;
}

}  // namespace gdi
