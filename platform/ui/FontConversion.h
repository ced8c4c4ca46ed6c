#pragma once
// gdi::Font (pixel heights at 96 dpi, style bits) to and from QFont.
#include <QFont>

#include "platform/gdi/Canvas.h"

namespace ui {

QFont toQFont(const gdi::Font& font);
// The QFont's face, size and style; colour and escapement come from `base`.
gdi::Font toGdiFont(const QFont& font, const gdi::Font& base = {});

}  // namespace ui
