#include "tools/engine/ToolPaletteImages.h"

#include <algorithm>
#include <cmath>

namespace tools {

void drawColorBox(gdi::Bitmap& box, gdi::TColor fore, gdi::TColor back, gdi::BrushStyle style) {
  gdi::Canvas& c = box.canvas();
  const gdi::Rect ground{0, 0, 40, 36};
  if (style != gdi::BrushStyle::Solid) {
    c.brush.setColor(gdi::clSilver);
    c.brush.setStyle(gdi::BrushStyle::Solid);
    c.fillRect(ground);
  }
  c.brush.setColor(back);
  c.brush.setStyle(style);
  c.fillRect(ground);
  c.brush.setColor(fore);
  c.brush.setStyle(gdi::BrushStyle::Solid);
  c.fillRect(kForeSquare);
}

void drawWidthPreview(gdi::Bitmap& preview, int lineWidth) {
  gdi::Canvas& c = preview.canvas();
  c.pen.color = gdi::clBlack;
  c.pen.width = 1;
  c.pen.style = gdi::PenStyle::Solid;
  c.pen.mode = gdi::PenMode::Copy;
  c.brush.setColor(gdi::clWhite);
  c.brush.setStyle(gdi::BrushStyle::Solid);
  c.rectangle(1, 0, 40, 32);
  c.pen.width = lineWidth;
  c.moveTo(16, 15);
  c.lineTo(16, 25);
}

void copyPatternSwatch(const gdi::Bitmap& pattern, gdi::Bitmap& swatch) {
  for (int y = 8; y <= 16; ++y)
    for (int x = 8; x <= 16; ++x) {
      const gdi::TColor p = pattern.pixel(x, y);
      if (p != -1) swatch.setPixel(x - 8, y - 8, p);
    }
}

namespace {

// Hue (0..1 around the circle) at full saturation and the given lightness
// (0 black, 0.5 full colour, 1 white), as 0x00BBGGRR.
gdi::TColor hueColor(double hue, double lightness) {
  const double q = lightness < 0.5 ? lightness * 2 : 1.0;
  const double p = 2 * lightness - q;
  auto channel = [&](double t) {
    t -= std::floor(t);
    double v;
    if (t < 1.0 / 6)
      v = p + (q - p) * 6 * t;
    else if (t < 0.5)
      v = q;
    else if (t < 2.0 / 3)
      v = p + (q - p) * (2.0 / 3 - t) * 6;
    else
      v = p;
    return int(std::lround(std::clamp(v, 0.0, 1.0) * 255));
  };
  return gdi::RGB(channel(hue + 1.0 / 3), channel(hue), channel(hue - 1.0 / 3));
}

}  // namespace

void paintPickStrip(gdi::Bitmap& strip) {
  const int w = strip.width();
  const int h = strip.height();
  if (w <= 0 || h <= 0) return;
  const int greyRows = std::max(1, h / 5);
  const int hueRows = h - greyRows;
  for (int y = 0; y < h; ++y) {
    std::uint32_t* row = strip.row(y);
    if (y < hueRows) {
      // Light at the top, full colour a little below the middle, dark at the bottom.
      const double t = hueRows > 1 ? double(y) / (hueRows - 1) : 0.5;
      const double lightness = 0.9 - 0.7 * t;
      for (int x = 0; x < w; ++x)
        row[x] = std::uint32_t(strip.snap(hueColor(w > 1 ? double(x) / w : 0, lightness)));
    } else {
      for (int x = 0; x < w; ++x) {
        const int g = w > 1 ? int(std::lround(255.0 * x / (w - 1))) : 0;
        row[x] = std::uint32_t(strip.snap(gdi::RGB(g, g, g)));
      }
    }
  }
  strip.markAllDirty();
}

}  // namespace tools
