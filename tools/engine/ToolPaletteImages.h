#pragma once
// What the tool palette draws into its own small images: the colour box, the
// line-width preview, the pattern swatch and the colour pick strip. Each
// draws through the bitmap's persistent canvas, as the palette's images did.
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Canvas.h"

namespace tools {

// Size of the colour box; the drawing covers (0, 0)-(40, 36) of it.
constexpr int kColorBoxWidth = 40;
constexpr int kColorBoxHeight = 40;
// The box's hot spot for the foreground colour (its inner square).
constexpr gdi::Rect kForeSquare{12, 10, 30, 24};

// The colour box: the background colour in the fill style, with the
// foreground colour as a square in the middle. Hatched and empty styles go
// over silver, so the hatch shows against a neutral ground; solid needs none.
void drawColorBox(gdi::Bitmap& box, gdi::TColor fore, gdi::TColor back, gdi::BrushStyle style);

// Size of the line-width preview: just the frame the drawing puts in it.
constexpr int kWidthPreviewWidth = 40;
constexpr int kWidthPreviewHeight = 32;

// The width preview: a white frame (1, 0)-(40, 32) in a one-pixel black pen
// and a short vertical stroke from (16, 15) to (16, 25) in the line width.
void drawWidthPreview(gdi::Bitmap& preview, int lineWidth);

// The pattern swatch: the 9 x 9 pixels (8..16, 8..16) of the pattern bitmap
// copied to (0, 0) of the swatch. Pixels the pattern does not have leave the
// swatch as it was.
constexpr int kSwatchSide = 9;
void copyPatternSwatch(const gdi::Bitmap& pattern, gdi::Bitmap& swatch);

// The colour pick strip: a hue spectrum running from light (top) through
// full colour to dark, over a grey ramp from black to white in the bottom
// rows. Fills the whole bitmap at its current size.
void paintPickStrip(gdi::Bitmap& strip);

}  // namespace tools
