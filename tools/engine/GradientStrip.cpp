#include "tools/engine/GradientStrip.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/gdi/Canvas.h"

namespace tools {

namespace {

// Nearest integer, halves to even, as the default floating-point rounding does.
int roundEven(double v) { return int(std::nearbyint(v)); }

}  // namespace

std::vector<gdi::TColor> stripColors(gdi::TColor fore, gdi::TColor back, ColorShift shift,
                                     int stretch) {
  const gdi::TColor f = gdi::colorToRGB(fore), b = gdi::colorToRGB(back);
  const double s = stretch >= 1 ? stretch : 1;
  auto stepOf = [&](int c1, int c2) {
    const int range = std::abs(c1 - c2);
    return (range == 0 ? 1 : range) / s;
  };
  const double stepR = stepOf(gdi::GetRValue(f), gdi::GetRValue(b));
  const double stepG = stepOf(gdi::GetGValue(f), gdi::GetGValue(b));
  const double stepB = stepOf(gdi::GetBValue(f), gdi::GetBValue(b));
  double red = gdi::GetRValue(f) + shift.red;
  double green = gdi::GetGValue(f) + shift.green;
  double blue = gdi::GetBValue(f) + shift.blue;
  std::vector<gdi::TColor> colours;
  colours.reserve(kStripSteps);
  for (int i = 0; i < kStripSteps; ++i) {
    colours.push_back(gdi::RGB(roundEven(red), roundEven(green), roundEven(blue)));
    if (red < i) red += stepR;
    if (green < i) green += stepG;
    if (blue < i) blue += stepB;
  }
  return colours;
}

void paintGradientStrip(gdi::Bitmap& strip, gdi::TColor fore, gdi::TColor back, ColorShift shift,
                        int stretch) {
  gdi::Canvas& c = strip.canvas();
  c.brush.setStyle(gdi::BrushStyle::Solid);
  c.pen.width = 2;
  c.pen.style = gdi::PenStyle::InsideFrame;
  c.pen.mode = gdi::PenMode::Copy;
  const std::vector<gdi::TColor> colours = stripColors(fore, back, shift, stretch);
  for (int i = 0; i < kStripSteps; ++i) {
    c.pen.color = colours[std::size_t(i)];
    c.brush.setColor(colours[std::size_t(i)]);
    c.rectangle(kStripColumnWidth * i, 0, kStripColumnWidth * i + kStripColumnWidth, kStripHeight);
  }
}

std::vector<gdi::TColor> gradientListFromStrip(const gdi::Bitmap& strip, int leftMarker,
                                               int rightMarker, gdi::TColor fore) {
  std::vector<gdi::TColor> list;
  bool begun = false, ended = false;
  gdi::TColor previous = fore;
  const int width = std::min(kStripWidth, strip.width());
  for (int x = 0; x < width && strip.height() > kStripSampleRow; ++x) {
    if (x > leftMarker) begun = true;
    if (x > rightMarker) ended = true;
    const gdi::TColor c = strip.pixel(x, kStripSampleRow);
    if (c != previous && begun && !ended) list.push_back(c);
    previous = c;
  }
  return list;
}

}  // namespace tools
