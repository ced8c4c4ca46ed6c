#pragma once
// The clip effects and tone filters written the plain way: one pixel at a
// time through pixel() and setPixel() (which snaps to a palette), real
// arithmetic with the two blend branches, reads off the picture answering
// -1. The row versions must give exactly the same pixels.
#include <cmath>
#include <cstdint>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Canvas.h"
#include "support/PixelGrid.h"

namespace effect_reference {

using gdi::Bitmap;
using gdi::TColor;

inline int shift(int c, int n, bool lighten) {
  return lighten ? std::min(c + n, 255) : std::max(c - n, 0);
}

inline TColor shiftColor(TColor c, int n, bool lighten) {
  return gdi::RGB(shift(gdi::GetRValue(c), n, lighten), shift(gdi::GetGValue(c), n, lighten),
                  shift(gdi::GetBValue(c), n, lighten));
}

// x toward y by b parts of a, both branches as written, halves to even.
inline int blend(int x, int y, int b, int a) {
  if (a < 1) return x;
  double v = x;
  if (y < x) v = y + double((x - y) * (a - b)) / a;
  if (y > x) v = x + double((y - x) * b) / a;
  return int(std::nearbyint(v));
}

inline TColor blendColor(TColor x, TColor y, int b, int a) {
  return gdi::RGB(blend(gdi::GetRValue(x), gdi::GetRValue(y), b, a),
                  blend(gdi::GetGValue(x), gdi::GetGValue(y), b, a),
                  blend(gdi::GetBValue(x), gdi::GetBValue(y), b, a));
}

inline bool inside(const Bitmap& b, int x, int y) { return b.pixel(x, y) != -1; }
inline bool clipWhite(TColor c) { return (c & 0xFFFFFF) == 0xFFFFFF; }

inline void imprint(Bitmap& picture, const Bitmap& clip, int px, int py, int n, bool lighten) {
  for (int y = 0; y < clip.height(); ++y)
    for (int x = 0; x < clip.width(); ++x)
      if (!clipWhite(clip.pixel(x, y)) && inside(picture, px + x, py + y))
        picture.setPixel(px + x, py + y, shiftColor(picture.pixel(px + x, py + y), n, lighten));
}

inline void emboss(Bitmap& picture, const Bitmap& clip, int px, int py) {
  imprint(picture, clip, px, py, 48, false);
  imprint(picture, clip, px - 1, py - 1, 48, true);
}

inline void dropShadow(Bitmap& picture, const Bitmap& clip, int px, int py) {
  const int w = clip.width(), h = clip.height();
  Bitmap layer = clip;
  int ox = 5, oy = 3;
  for (int k = 5; k >= 1; --k) {
    Bitmap next(w + 3 * k, h + 3 * k);  // its canvas stretches in the default mode
    next.canvas().stretchBlt(0, 0, next.width(), next.height(), layer, 0, 0, layer.width(),
                             layer.height(), gdi::SRCCOPY);
    layer = next;
    imprint(picture, layer, px + ox, py + oy, 12, false);
    ++ox;
    ++oy;
  }
}

inline void lightenArea(Bitmap& picture, const Bitmap& clip, int ox, int oy, bool lighten, int n) {
  for (int y = 0; y < clip.height(); ++y)
    for (int x = 0; x < clip.width(); ++x)
      if (!clipWhite(clip.pixel(x, y)) && inside(picture, ox - 1 + x, oy - 1 + y))
        picture.setPixel(ox - 1 + x, oy - 1 + y, shiftColor(clip.pixel(x, y), n, lighten));
}

inline void blendArea(Bitmap& p, const Bitmap& clip, int ox, int oy, int steps) {
  const int b = std::max(64 - steps, 1);
  for (int y = 0; y < clip.height(); ++y)
    for (int x = 0; x < clip.width(); ++x) {
      if (clipWhite(clip.pixel(x, y))) continue;
      const int X = ox + x, Y = oy + y;
      if (inside(p, X + 1, Y) && inside(p, X, Y) && inside(p, X - 1, Y))
        p.setPixel(X + 1, Y, blendColor(p.pixel(X, Y), p.pixel(X - 1, Y), b, 64));
      if (inside(p, X, Y) && inside(p, X, Y - 1) && inside(p, X, Y + 1))
        p.setPixel(X, Y, blendColor(p.pixel(X, Y - 1), p.pixel(X, Y + 1), b, 64));
    }
}

inline void softFocus(Bitmap& p) {
  const int w = p.width(), h = p.height();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (x > 0 && y > 0) p.setPixel(x, y, blendColor(p.pixel(x, y), p.pixel(x - 1, y - 1), 3, 6));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (x < w - 1 && y < h - 1)
        p.setPixel(x + 1, y + 1, blendColor(p.pixel(x + 1, y + 1), p.pixel(x, y), 3, 6));
}

inline void softenLight(Bitmap& p) {
  for (int y = 1; y < p.height() - 1; ++y)
    for (int x = 1; x < p.width() - 1; ++x) {
      p.setPixel(x, y, blendColor(p.pixel(x, y), p.pixel(x - 1, y), 3, 10));
      p.setPixel(x - 1, y, blendColor(p.pixel(x, y - 1), p.pixel(x, y + 1), 3, 10));
    }
}

inline void shiftImage(Bitmap& p, bool lighten) {
  for (int y = 0; y < p.height(); ++y)
    for (int x = 0; x < p.width(); ++x) p.setPixel(x, y, shiftColor(p.pixel(x, y), 8, lighten));
}

// Noise with about a third of its pixels white: a clip with holes and ragged
// edges.
inline Bitmap raggedClip(int w, int h, std::uint32_t seed) {
  Bitmap b = testing_support::noiseBitmap(w, h, seed);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (b.row(y)[x] % 3 == 0) b.row(y)[x] = 0xFFFFFF;
  return b;
}

}  // namespace effect_reference
