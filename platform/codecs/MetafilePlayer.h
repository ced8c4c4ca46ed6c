#pragma once
// The device context a metafile is played into: the object table, the
// selected pen, brush and font, text and background settings, the mapping from
// the file's logical coordinates to the picture's pixels, and the drawing
// calls that WMF and EMF records share. Everything ends on a gdi::Canvas.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Canvas.h"

namespace codecs::detail {

// Mapping modes.
enum MapMode : int {
  MM_TEXT = 1,
  MM_LOMETRIC,
  MM_HIMETRIC,
  MM_LOENGLISH,
  MM_HIENGLISH,
  MM_TWIPS,
  MM_ISOTROPIC,
  MM_ANISOTROPIC
};

struct LogPen {
  int style = 0;  // PS_SOLID .. PS_INSIDEFRAME
  double width = 0;
  gdi::TColor color = gdi::clBlack;
};

struct LogBrush {
  int style = 0;  // BS_SOLID, BS_NULL, BS_HATCHED, pattern
  gdi::TColor color = gdi::clWhite;
  int hatch = 0;
  std::shared_ptr<const gdi::Bitmap> pattern;
};

struct LogFont {
  double height = 0;
  double width = 0;
  int escapement = 0;
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  std::string face;
};

struct GdiObject {
  enum class Kind { Empty, Pen, Brush, Font, Other } kind = Kind::Empty;
  LogPen pen;
  LogBrush brush;
  LogFont font;
};

// An affine map x' = m11 x + m21 y + dx, y' = m12 x + m22 y + dy.
struct Affine {
  double m11 = 1, m12 = 0, m21 = 0, m22 = 1, dx = 0, dy = 0;
  double mapX(double x, double y) const { return m11 * x + m21 * y + dx; }
  double mapY(double x, double y) const { return m12 * x + m22 * y + dy; }
  // this after `first`
  Affine after(const Affine& first) const;
  bool axisAligned() const { return m12 == 0 && m21 == 0; }
};

struct DcState {
  LogPen pen;
  LogBrush brush;
  LogFont font;
  gdi::TColor textColor = gdi::clBlack;
  gdi::TColor bkColor = gdi::clWhite;
  bool bkOpaque = true;
  int rop2 = 13;  // R2_COPYPEN
  unsigned textAlign = 0;
  int stretchMode = 1;
  int mapMode = MM_TEXT;
  double winOrgX = 0, winOrgY = 0, winExtX = 1, winExtY = 1;
  double vpOrgX = 0, vpOrgY = 0, vpExtX = 1, vpExtY = 1;
  Affine world;
  double posX = 0, posY = 0;  // current position, logical
};

struct LogPoint {
  double x = 0;
  double y = 0;
};

class MetafilePlayer {
 public:
  // `device` maps the file's device units (after window/viewport mapping) to
  // the picture's pixels; `unitsPerMm` is the reference device's resolution
  // used by the metric mapping modes.
  MetafilePlayer(gdi::Bitmap& target, const Affine& device, double unitsPerMmX, double unitsPerMmY,
                 std::size_t objectSlots);

  DcState dc;

  // --- objects ---------------------------------------------------------------
  // WMF: a new object takes the lowest free slot. EMF: the file names the slot.
  void addObject(GdiObject object);
  void setObject(std::uint32_t slot, GdiObject object);
  void selectObject(std::uint32_t slot);
  void deleteObject(std::uint32_t slot);
  void selectStockObject(std::uint32_t index);

  void saveDc();
  void restoreDc(int which);

  // --- mapping ---------------------------------------------------------------
  gdi::Point toDevice(double x, double y) const;
  gdi::Point toDevice(const LogPoint& p) const { return toDevice(p.x, p.y); }
  // Device size of a logical length along x / y.
  double scaleX() const;
  double scaleY() const;
  // Device pixels per logical unit that a map mode gives.
  void setMapMode(int mode);
  void setWindowExt(double cx, double cy);
  void setViewportExt(double cx, double cy);

  // --- drawing (logical coordinates) -----------------------------------------
  void moveTo(double x, double y);
  void lineTo(double x, double y);
  void polyline(const std::vector<LogPoint>& points);
  void polygon(const std::vector<LogPoint>& points);
  void polyPolygon(const std::vector<std::vector<LogPoint>>& polygons);
  void rectangle(double l, double t, double r, double b);
  void roundRect(double l, double t, double r, double b, double cw, double ch);
  void ellipse(double l, double t, double r, double b);
  enum class ArcKind { Arc, Chord, Pie };
  void arc(ArcKind kind, double l, double t, double r, double b, double x1, double y1, double x2,
           double y2);
  // Cubic Bezier curves from the first point (3n + 1 points).
  static std::vector<LogPoint> flattenBezier(const std::vector<LogPoint>& points);
  void setPixel(double x, double y, gdi::TColor c);
  // Fills the logical rectangle with the background colour (ETO_OPAQUE).
  void fillOpaque(double l, double t, double r, double b);
  void fillWithBrush(double l, double t, double r, double b, std::uint32_t rop);
  void textOut(double x, double y, const std::string& utf8);
  // Stretches `src`'s rectangle onto the logical destination rectangle.
  void stretchBlt(double x, double y, double w, double h, const gdi::Bitmap* src, int sx, int sy,
                  int sw, int sh, std::uint32_t rop);

  gdi::Bitmap& bitmap() { return *bitmap_; }

 private:
  Affine pageToDevice() const;
  void applyPen(gdi::Canvas& c) const;
  void applyBrush(gdi::Canvas& c) const;
  void applyFigureTools(gdi::Canvas& c) const;
  gdi::Rect deviceRect(double l, double t, double r, double b) const;
  std::vector<gdi::Point> devicePoints(const std::vector<LogPoint>& points) const;
  GdiObject* slot(std::uint32_t index);

  gdi::Bitmap* bitmap_;
  Affine device_;
  double unitsPerMmX_, unitsPerMmY_;
  std::vector<GdiObject> objects_;
  std::vector<DcState> saved_;
  // Fonts the picture has asked for so far (see textOut).
  std::vector<gdi::Font> fontsSeen_;
};

// Colour of a COLORREF (0x00BBGGRR; palette flags dropped).
inline gdi::TColor colorRef(std::uint32_t v) { return gdi::TColor(v & 0xFFFFFF); }

// Latin-1 bytes (the files' ANSI text) as UTF-8.
std::string latin1ToUtf8(const std::uint8_t* text, std::size_t n);
// UTF-16LE code units as UTF-8.
std::string utf16ToUtf8(const std::uint8_t* text, std::size_t units);

}  // namespace codecs::detail
