#pragma once
// Drawing on a bitmap with a pen, a brush and a font, in the manner of the
// original platform's device contexts.
//
// Every primitive first works out the set of pixels it covers, then applies
// its raster operation exactly once to each of them. Drawing the same figure
// twice with an xor or not-xor pen therefore restores the bitmap bit for bit,
// which the rubber-band tools rely on.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Color.h"
#include "platform/gdi/Geometry.h"
#include "platform/gdi/Rop.h"

namespace gdi {

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear, InsideFrame };

// Fill styles, numbered as the program stores them (0..7).
enum class BrushStyle : std::uint8_t {
  Solid,
  Clear,
  Horizontal,
  Vertical,
  FDiagonal,
  BDiagonal,
  Cross,
  DiagCross
};

enum class FillStyle { Surface, Border };

enum class StretchMode { BlackOnWhite = 1, WhiteOnBlack = 2, ColorOnColor = 3, Halftone = 4 };

struct Pen {
  TColor color = clBlack;
  // 0 and 1 draw one-pixel lines; wider pens have round caps and joins.
  int width = 1;
  PenStyle style = PenStyle::Solid;
  PenMode mode = PenMode::Copy;
};

class Brush {
 public:
  TColor color() const { return color_; }
  // Giving a clear brush a colour makes it solid, as the toolkit did.
  void setColor(TColor c);
  BrushStyle style() const { return style_; }
  // Choosing a style ends a pattern brush.
  void setStyle(BrushStyle s);
  // A pattern brush: the bitmap tiled from the target bitmap's origin.
  const Bitmap* bitmap() const { return pattern_.get(); }
  void setBitmap(const Bitmap& pattern);
  void clearBitmap() { pattern_.reset(); }
  // True when fills with this brush paint nothing.
  bool isClear() const { return !pattern_ && style_ == BrushStyle::Clear; }

 private:
  TColor color_ = clWhite;
  BrushStyle style_ = BrushStyle::Solid;
  std::shared_ptr<const Bitmap> pattern_;
};

enum FontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

struct Font {
  std::string name = "Arial";
  // Pixels; negative is the character (em) height, positive the cell height.
  int height = -11;
  TColor color = clBlack;
  unsigned style = 0;
  // Angle of the baseline in tenths of a degree, counter-clockwise.
  int escapement = 0;

  // Size in points at 96 pixels per inch.
  int size() const;
  void setSize(int points);
};

// DrawText flags.
enum DrawTextFlags : unsigned {
  DT_LEFT = 0x0,
  DT_CENTER = 0x1,
  DT_RIGHT = 0x2,
  DT_VCENTER = 0x4,
  DT_BOTTOM = 0x8,
  DT_WORDBREAK = 0x10,
  DT_SINGLELINE = 0x20,
  DT_EXPANDTABS = 0x40,
  DT_NOCLIP = 0x100,
  DT_CALCRECT = 0x400,
  DT_NOPREFIX = 0x800
};

class Canvas {
 public:
  explicit Canvas(Bitmap& target) : bitmap_(&target) {}
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  Bitmap& bitmap() { return *bitmap_; }
  const Bitmap& bitmap() const { return *bitmap_; }

  Pen pen;
  Brush brush;
  Font font;
  StretchMode stretchMode = StretchMode::BlackOnWhite;
  std::uint32_t copyMode = SRCCOPY;

  // --- lines and figures (Lines.cpp, Figures.cpp, Polygon.cpp, FloodFill.cpp)
  Point penPos() const { return penPos_; }
  void moveTo(int x, int y) { penPos_ = {x, y}; }
  // Draws from the pen position to (x, y); one-pixel pens leave out the end
  // point. The pen position becomes (x, y).
  void lineTo(int x, int y);
  void polyline(std::span<const Point> points);
  // Closed figure filled with the brush (alternate rule), outlined with the pen.
  void polygon(std::span<const Point> points);
  // Figures in the box (x1, y1)-(x2, y2), right and bottom exclusive; the box
  // is normalised first. The interior takes the brush, the outline the pen.
  void rectangle(int x1, int y1, int x2, int y2);
  void rectangle(const Rect& r) { rectangle(r.left, r.top, r.right, r.bottom); }
  void roundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight);
  void ellipse(int x1, int y1, int x2, int y2);
  void ellipse(const Rect& r) { ellipse(r.left, r.top, r.right, r.bottom); }
  // Fills the rectangle with the brush (no pen, raster operation copy).
  void fillRect(const Rect& r);
  // One-pixel frame in the brush's colour.
  void frameRect(const Rect& r);
  // Surface: fills the 4-connected area of `color` around (x, y). Border:
  // fills the 4-connected area around (x, y) bounded by `color`.
  void floodFill(int x, int y, TColor color, FillStyle style);

  TColor pixel(int x, int y) const { return bitmap_->pixel(x, y); }
  void setPixel(int x, int y, TColor c);

  // --- text (Text.cpp) -------------------------------------------------------
  // Text is drawn in the font colour without anti-aliasing; with any brush
  // but a clear one its cell is first filled with the brush colour. (x, y) is the top left of
  // the text cell; the escapement turns the text about that point.
  void textOut(int x, int y, std::string_view utf8);
  Size textExtent(std::string_view utf8) const;
  int textWidth(std::string_view utf8) const { return textExtent(utf8).cx; }
  int textHeight(std::string_view utf8) const { return textExtent(utf8).cy; }
  // Draws formatted text in `r` (horizontally: the escapement is not used);
  // with DT_CALCRECT only measures and updates r's right and bottom. Returns
  // the height of the text (from r.top to its bottom with DT_VCENTER or
  // DT_BOTTOM, which apply to DT_SINGLELINE only). Clipped to `r` unless
  // DT_NOCLIP. Any brush but a clear one fills each line's cell first.
  int drawText(std::string_view utf8, Rect& r, unsigned flags);

  // --- blits (CanvasBlit.cpp) ------------------------------------------------
  // Draws `src` at (x, y); a transparent bitmap skips its key colour.
  void draw(int x, int y, const Bitmap& src);
  // Stretches `src` into `dst` with this canvas's stretch mode (transparency honoured).
  void stretchDraw(const Rect& dst, const Bitmap& src);
  // Stretches the part `srcRect` of `src` into `dst` with copyMode.
  void copyRect(const Rect& dst, const Bitmap& src, const Rect& srcRect);
  // The pattern of ternary operations is this canvas's brush.
  void bitBlt(int x, int y, int w, int h, const Bitmap* src, int sx, int sy, std::uint32_t rop);
  void stretchBlt(int x, int y, int w, int h, const Bitmap& src, int sx, int sy, int sw, int sh,
                  std::uint32_t rop);

 private:
  Bitmap* bitmap_;
  Point penPos_;
};

}  // namespace gdi
