#pragma once
// Colours as the program stores them: 0x00BBGGRR, red in the low byte. Bitmap
// pixels use the same layout, so a pixel read is a TColor with no conversion.
#include <cstdint>

namespace gdi {

using TColor = std::int32_t;

constexpr TColor RGB(int r, int g, int b) {
  return TColor((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(TColor c) { return c & 0xFF; }
constexpr int GetGValue(TColor c) { return (c >> 8) & 0xFF; }
constexpr int GetBValue(TColor c) { return (c >> 16) & 0xFF; }

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;

// System colours: 0x80000000 | index. They are resolved to RGB before any
// pixel work (colorToRGB).
constexpr TColor kSystemColorFlag = TColor(0x80000000u);
enum SystemColorIndex : int {
  COLOR_SCROLLBAR = 0,
  COLOR_BACKGROUND,
  COLOR_ACTIVECAPTION,
  COLOR_INACTIVECAPTION,
  COLOR_MENU,
  COLOR_WINDOW,
  COLOR_WINDOWFRAME,
  COLOR_MENUTEXT,
  COLOR_WINDOWTEXT,
  COLOR_CAPTIONTEXT,
  COLOR_ACTIVEBORDER,
  COLOR_INACTIVEBORDER,
  COLOR_APPWORKSPACE,
  COLOR_HIGHLIGHT,
  COLOR_HIGHLIGHTTEXT,
  COLOR_BTNFACE,
  COLOR_BTNSHADOW,
  COLOR_GRAYTEXT,
  COLOR_BTNTEXT,
  COLOR_INACTIVECAPTIONTEXT,
  COLOR_BTNHIGHLIGHT,
  COLOR_3DDKSHADOW,
  COLOR_3DLIGHT,
  COLOR_INFOTEXT,
  COLOR_INFOBK,
  kSystemColorCount
};
constexpr TColor clScrollBar = kSystemColorFlag | COLOR_SCROLLBAR;
constexpr TColor clBackground = kSystemColorFlag | COLOR_BACKGROUND;
constexpr TColor clActiveCaption = kSystemColorFlag | COLOR_ACTIVECAPTION;
constexpr TColor clInactiveCaption = kSystemColorFlag | COLOR_INACTIVECAPTION;
constexpr TColor clMenu = kSystemColorFlag | COLOR_MENU;
constexpr TColor clWindow = kSystemColorFlag | COLOR_WINDOW;
constexpr TColor clWindowFrame = kSystemColorFlag | COLOR_WINDOWFRAME;
constexpr TColor clMenuText = kSystemColorFlag | COLOR_MENUTEXT;
constexpr TColor clWindowText = kSystemColorFlag | COLOR_WINDOWTEXT;
constexpr TColor clCaptionText = kSystemColorFlag | COLOR_CAPTIONTEXT;
constexpr TColor clActiveBorder = kSystemColorFlag | COLOR_ACTIVEBORDER;
constexpr TColor clInactiveBorder = kSystemColorFlag | COLOR_INACTIVEBORDER;
constexpr TColor clAppWorkSpace = kSystemColorFlag | COLOR_APPWORKSPACE;
constexpr TColor clHighlight = kSystemColorFlag | COLOR_HIGHLIGHT;
constexpr TColor clHighlightText = kSystemColorFlag | COLOR_HIGHLIGHTTEXT;
constexpr TColor clBtnFace = kSystemColorFlag | COLOR_BTNFACE;
constexpr TColor clBtnShadow = kSystemColorFlag | COLOR_BTNSHADOW;
constexpr TColor clGrayText = kSystemColorFlag | COLOR_GRAYTEXT;
constexpr TColor clBtnText = kSystemColorFlag | COLOR_BTNTEXT;
constexpr TColor clInactiveCaptionText = kSystemColorFlag | COLOR_INACTIVECAPTIONTEXT;
constexpr TColor clBtnHighlight = kSystemColorFlag | COLOR_BTNHIGHLIGHT;
constexpr TColor cl3DDkShadow = kSystemColorFlag | COLOR_3DDKSHADOW;
constexpr TColor cl3DLight = kSystemColorFlag | COLOR_3DLIGHT;
constexpr TColor clInfoText = kSystemColorFlag | COLOR_INFOTEXT;
constexpr TColor clInfoBk = kSystemColorFlag | COLOR_INFOBK;

// No colour at all (transparent-colour "none" and similar markers).
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr bool isSystemColor(TColor c) { return c < 0 && (c & 0x7FFFFF00) == 0; }

// Resolves a system colour to RGB; any other value keeps its low three bytes
// (palette-relative and palette-index flags dropped).
TColor colorToRGB(TColor c);

// The reduction the tools apply before drawing: the plain red, green and blue
// bytes of the value, whatever flags its high byte carries.
constexpr TColor reduced(TColor c) { return c & 0xFFFFFF; }

// The RGB value that a system colour resolves to. The defaults are the classic
// desktop scheme; the UI layer may replace them with the running style's colours.
TColor systemColor(int index);
void setSystemColor(int index, TColor rgb);

}  // namespace gdi
