#include "controls/engine/RotatedLabelPaint.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace controls {

namespace {

constexpr double kDegToRad = std::numbers::pi / 180.0;

// Screen offsets of the light and the dark copy.
struct ShadeOffsets {
  int light = 0;
  int dark = 0;
};

ShadeOffsets offsetsFor(T3DEffectShort effect) {
  switch (effect) {
    case A3dResit:
      return {+1, -1};
    case A3dRaised:
      return {-1, +1};
    default:
      return {};
  }
}

}  // namespace

gdi::Font rotatedLabelFont() {
  gdi::Font f;
  f.name = "Arial";
  f.style = gdi::fsBold;
  return f;
}

std::array<gdi::Point, 4> turnedBox(gdi::Size label, gdi::Size box, int angle) {
  const double c = std::cos(angle * kDegToRad);
  const double s = std::sin(angle * kDegToRad);
  const double a = box.cx / 2.0;
  const double b = box.cy / 2.0;
  // Conversion to int cuts toward zero.
  const int ac = int(a * c), as = int(a * s), bc = int(b * c), bs = int(b * s);
  const int cx = label.cx / 2, cy = label.cy / 2;
  return {gdi::Point{cx - ac - bs, as + cy - bc}, gdi::Point{cx + ac - bs, cy - as - bc},
          gdi::Point{cx + ac + bs, cy - as + bc}, gdi::Point{cx - ac + bs, cy + as + bc}};
}

void paintRotatedLabel(gdi::Bitmap& target, gdi::Size label, const RotatedLabelLook& look) {
  gdi::Canvas canvas(target);
  const LabelStyleValues& style = look.Style;
  // The box would hide the shades' offsets, so a boxed label is always plain.
  const T3DEffectShort effect = look.MyTransparent ? style.AStyle3D : A3dNormal;
  const ShadeOffsets offset = offsetsFor(effect);

  canvas.font = look.Font;
  canvas.font.escapement = style.Angle * 10;
  const gdi::Size text = canvas.textExtent(look.Caption);
  const gdi::Point origin = turnedBox(label, text, style.Angle)[0];

  if (!look.MyTransparent) {
    const gdi::TColor boxColor = gdi::colorToRGB(look.Color);
    canvas.brush.setStyle(gdi::BrushStyle::Solid);
    canvas.brush.setColor(boxColor);
    canvas.pen = gdi::Pen{boxColor, 1, gdi::PenStyle::Solid, gdi::PenMode::Copy};
    const auto box = turnedBox(label, {text.cx + 10, text.cy + 7}, style.Angle);
    canvas.polygon(box);
  }
  canvas.brush.setStyle(gdi::BrushStyle::Clear);

  auto caption = [&](gdi::TColor color, int x, int y) {
    canvas.font.color = gdi::colorToRGB(color);
    canvas.textOut(x, y, look.Caption);
  };
  if (effect != A3dNormal) {
    if (effect != A3dShadowed)
      caption(style.AShadeLeftTop, origin.x + offset.light, origin.y + offset.light);
    if (effect == A3dShadowed)
      caption(style.AShadeRightBottom, origin.x + style.AHShadeOffSet,
              origin.y + style.AVShadeOffSet);
    else
      caption(style.AShadeRightBottom, origin.x + offset.dark, origin.y + offset.dark);
  }
  caption(look.Font.color, origin.x, origin.y);
}

gdi::Bitmap renderRotatedLabel(const RotatedLabelLook& look, gdi::Size label,
                               gdi::TColor background) {
  gdi::Bitmap image(std::max(label.cx, 0), std::max(label.cy, 0));
  if (image.empty()) return image;
  image.fill(gdi::colorToRGB(background));
  paintRotatedLabel(image, label, look);
  return image;
}

}  // namespace controls
