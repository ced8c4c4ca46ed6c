#include "controls/engine/Label3dPaint.h"

#include <algorithm>

namespace controls {

namespace {

unsigned prefixFlag(const Label3dLook& look) {
  return look.ShowAccelChar ? 0u : unsigned(gdi::DT_NOPREFIX);
}

}  // namespace

void paintLabel3d(gdi::Bitmap& target, const gdi::Rect& client, const Label3dLook& look) {
  gdi::Canvas canvas(target);
  if (!look.Transparent) {
    canvas.brush.setStyle(gdi::BrushStyle::Solid);
    canvas.brush.setColor(gdi::colorToRGB(look.Color));
    canvas.fillRect(client);
  }
  canvas.brush.setStyle(gdi::BrushStyle::Clear);
  canvas.font = look.Font;
  const unsigned flags = look.Alignment | gdi::DT_WORDBREAK | gdi::DT_EXPANDTABS | prefixFlag(look);
  auto caption = [&](gdi::TColor color, int dx, int dy) {
    canvas.font.color = gdi::colorToRGB(color);
    gdi::Rect r = client.translated(dx, dy);
    canvas.drawText(look.Caption, r, flags);
  };
  switch (look.AStyle3D) {
    case Resit3d:
      caption(look.AShadeLeftTop, +1, +1);
      caption(look.AShadeRightBottom, -1, -1);
      break;
    case Raised3d:
      caption(look.AShadeRightBottom, +1, +1);
      caption(look.AShadeLeftTop, -1, -1);
      break;
    case Shadowed3d:
      caption(look.AShadeRightBottom, look.AHShadeOffSet, look.AVShadeOffSet);
      break;
    case Normal3d:
      break;
  }
  caption(look.Enabled ? look.Font.color : gdi::clGrayText, 0, 0);
}

gdi::Size label3dTextSize(const Label3dLook& look) {
  gdi::Bitmap scratch(1, 1);
  gdi::Canvas canvas(scratch);
  canvas.font = look.Font;
  gdi::Rect r{0, 0, 0, 0};
  canvas.drawText(look.Caption.empty() ? std::string(" ") : look.Caption, r,
                  gdi::DT_CALCRECT | gdi::DT_EXPANDTABS | prefixFlag(look));
  return {r.width(), r.height()};
}

gdi::Bitmap renderLabel3d(const Label3dLook& look, gdi::Size size, gdi::TColor background) {
  gdi::Bitmap image(std::max(size.cx, 0), std::max(size.cy, 0));
  if (image.empty()) return image;
  image.fill(gdi::colorToRGB(background));
  paintLabel3d(image, image.rect(), look);
  return image;
}

}  // namespace controls
