#include "platform/ui/FontConversion.h"

#include <cmath>

namespace ui {

QFont toQFont(const gdi::Font& font) {
  QFont f(QString::fromStdString(font.name));
  // Negative heights are the em height, as QFont's pixel size is.
  f.setPixelSize(std::max(1, std::abs(font.height)));
  f.setBold(font.style & gdi::fsBold);
  f.setItalic(font.style & gdi::fsItalic);
  f.setUnderline(font.style & gdi::fsUnderline);
  f.setStrikeOut(font.style & gdi::fsStrikeOut);
  return f;
}

gdi::Font toGdiFont(const QFont& font, const gdi::Font& base) {
  gdi::Font g = base;
  g.name = font.family().toStdString();
  if (font.pixelSize() > 0)
    g.height = -font.pixelSize();
  else
    g.setSize(int(std::lround(font.pointSizeF())));
  unsigned style = 0;
  if (font.bold()) style |= gdi::fsBold;
  if (font.italic()) style |= gdi::fsItalic;
  if (font.underline()) style |= gdi::fsUnderline;
  if (font.strikeOut()) style |= gdi::fsStrikeOut;
  g.style = style;
  return g;
}

}  // namespace ui
