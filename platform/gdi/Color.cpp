#include "platform/gdi/Color.h"

#include <array>

namespace gdi {
namespace {

std::array<TColor, kSystemColorCount> classicScheme() {
  std::array<TColor, kSystemColorCount> t{};
  t[COLOR_SCROLLBAR] = RGB(200, 200, 200);
  t[COLOR_BACKGROUND] = RGB(0, 128, 128);
  t[COLOR_ACTIVECAPTION] = RGB(0, 0, 128);
  t[COLOR_INACTIVECAPTION] = RGB(128, 128, 128);
  t[COLOR_MENU] = RGB(212, 208, 200);
  t[COLOR_WINDOW] = RGB(255, 255, 255);
  t[COLOR_WINDOWFRAME] = RGB(0, 0, 0);
  t[COLOR_MENUTEXT] = RGB(0, 0, 0);
  t[COLOR_WINDOWTEXT] = RGB(0, 0, 0);
  t[COLOR_CAPTIONTEXT] = RGB(255, 255, 255);
  t[COLOR_ACTIVEBORDER] = RGB(212, 208, 200);
  t[COLOR_INACTIVEBORDER] = RGB(212, 208, 200);
  t[COLOR_APPWORKSPACE] = RGB(128, 128, 128);
  t[COLOR_HIGHLIGHT] = RGB(10, 36, 106);
  t[COLOR_HIGHLIGHTTEXT] = RGB(255, 255, 255);
  t[COLOR_BTNFACE] = RGB(212, 208, 200);
  t[COLOR_BTNSHADOW] = RGB(128, 128, 128);
  t[COLOR_GRAYTEXT] = RGB(128, 128, 128);
  t[COLOR_BTNTEXT] = RGB(0, 0, 0);
  t[COLOR_INACTIVECAPTIONTEXT] = RGB(212, 208, 200);
  t[COLOR_BTNHIGHLIGHT] = RGB(255, 255, 255);
  t[COLOR_3DDKSHADOW] = RGB(64, 64, 64);
  t[COLOR_3DLIGHT] = RGB(212, 208, 200);
  t[COLOR_INFOTEXT] = RGB(0, 0, 0);
  t[COLOR_INFOBK] = RGB(255, 255, 225);
  return t;
}

std::array<TColor, kSystemColorCount>& scheme() {
  static std::array<TColor, kSystemColorCount> table = classicScheme();
  return table;
}

}  // namespace

TColor systemColor(int index) {
  if (index < 0 || index >= kSystemColorCount) return clBlack;
  return scheme()[index];
}

void setSystemColor(int index, TColor rgb) {
  if (index < 0 || index >= kSystemColorCount) return;
  scheme()[index] = reduced(rgb);
}

TColor colorToRGB(TColor c) {
  if (c < 0) return systemColor(c & 0xFF);
  return reduced(c);
}

}  // namespace gdi
