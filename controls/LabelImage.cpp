#include "controls/LabelImage.h"

#include <QWidget>
#include <algorithm>
#include <array>

namespace controls {

gdi::TColor unusedColor(std::initializer_list<gdi::TColor> used) {
  static constexpr std::array<gdi::TColor, 5> candidates{0xFE00FF, 0x02FE01, 0x0301FE, 0x7F017E,
                                                         0x010203};
  for (gdi::TColor c : candidates)
    if (std::none_of(used.begin(), used.end(),
                     [c](gdi::TColor u) { return gdi::colorToRGB(u) == c; }))
      return c;
  return candidates.front();  // unreachable with four colours or fewer
}

QImage withTransparentKey(const gdi::Bitmap& painting, gdi::TColor key) {
  QImage image(painting.width(), painting.height(), QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < painting.height(); ++y) {
    const std::uint32_t* src = painting.row(y);
    auto* dst = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < painting.width(); ++x) {
      const gdi::TColor c = gdi::TColor(src[x]);
      dst[x] = c == key ? 0u : qRgb(gdi::GetRValue(c), gdi::GetGValue(c), gdi::GetBValue(c));
    }
  }
  return image;
}

gdi::TColor backgroundBehind(const QWidget& widget) {
  const QWidget* behind = widget.parentWidget() ? widget.parentWidget() : &widget;
  const QColor c = behind->palette().color(behind->backgroundRole());
  return gdi::RGB(c.red(), c.green(), c.blue());
}

}  // namespace controls
