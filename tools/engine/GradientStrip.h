#pragma once
// The gradient window's strip: 256 two-pixel columns climbing from the
// foreground colour, and the gradient list taken from a stretch of it.
#include <vector>

#include "platform/gdi/Bitmap.h"

namespace tools {

constexpr int kStripSteps = 256;
constexpr int kStripColumnWidth = 2;
constexpr int kStripWidth = kStripSteps * kStripColumnWidth;  // 512
constexpr int kStripHeight = 25;
// The row the gradient list is read from.
constexpr int kStripSampleRow = 3;

// Added to the foreground's channels before the strip climbs from it.
struct ColorShift {
  int red = 0;
  int green = 0;
  int blue = 0;
};

// The colour of each of the 256 columns. Each channel starts at the
// foreground's value plus its shift and, while it is below the column number,
// grows by |foreground - background| / stretch (a difference of 0 counts as 1),
// so the background colour sets only the speed. Channels are rounded halves
// to even and wrap to a byte.
std::vector<gdi::TColor> stripColors(gdi::TColor fore, gdi::TColor back, ColorShift shift,
                                     int stretch);

// stretchcolor: paints the columns into the strip bitmap, (2i, 0)-(2i + 2, 25).
void paintGradientStrip(gdi::Bitmap& strip, gdi::TColor fore, gdi::TColor back, ColorShift shift,
                        int stretch);

// setcolorstretch's list: reading row 3 of the strip from x = 0 to 511, the
// colours that differ from their left neighbour (the first compared with
// `fore`) strictly right of the L marker and up to the R marker.
std::vector<gdi::TColor> gradientListFromStrip(const gdi::Bitmap& strip, int leftMarker,
                                               int rightMarker, gdi::TColor fore);

}  // namespace tools
