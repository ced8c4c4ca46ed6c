#include "tools/engine/GradientList.h"

#include <cmath>

#include "platform/gdi/Canvas.h"

namespace tools {

int gradientIndex(int k, int entries, int steps) {
  // Both forms round the same quotient; the split keeps the divisor >= 1.
  const double v = entries < steps ? k / (double(steps) / entries) : k * (double(entries) / steps);
  return int(std::nearbyint(v));
}

std::vector<gdi::TColor> gradientSteps(std::span<const gdi::TColor> list, int steps) {
  std::vector<gdi::TColor> out;
  const int n = int(list.size());
  if (n < 2 || steps <= 0) return out;
  out.reserve(std::size_t(steps));
  gdi::TColor previous = list.front();
  for (int k = 0; k < steps; ++k) {
    const int i = gradientIndex(k, n, steps);
    if (i >= 0 && i < n) previous = list[std::size_t(i)];
    out.push_back(previous);
  }
  return out;
}

bool paintGradientPreview(gdi::Bitmap& preview, int width, int height,
                          std::span<const gdi::TColor> list) {
  const std::vector<gdi::TColor> colours = gradientSteps(list, width);
  if (colours.empty()) return false;
  preview.setSize(width, height);
  gdi::Canvas& c = preview.canvas();
  c.brush.setStyle(gdi::BrushStyle::Clear);
  c.pen.width = 2;
  c.pen.style = gdi::PenStyle::InsideFrame;
  c.pen.mode = gdi::PenMode::Copy;
  for (int x = 0; x < width; ++x) {
    c.pen.color = colours[std::size_t(x)];
    c.moveTo(x, 0);
    c.lineTo(x, height);
  }
  return true;
}

}  // namespace tools
