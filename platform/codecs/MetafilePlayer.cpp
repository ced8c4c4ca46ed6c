#include "platform/codecs/MetafilePlayer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/gdi/Rop.h"

namespace codecs::detail {
namespace {

// Coordinates are kept to this range: far enough outside any picture we
// accept that nothing visible changes, near enough that no primitive walks
// billions of rows or overflows.
constexpr double kCoordinateLimit = double(1 << 20);
constexpr int kMaxPenWidth = 256;
constexpr int kMaxFontHeight = 2000;
// Default font height when a font asks for "any size".
constexpr int kDefaultFontHeight = -13;
// Every new face, size and style costs a font lookup (fontconfig and glyph
// set-up, milliseconds each). Real pictures use a handful; past this many
// distinct fonts, text is drawn with the nearest one already used.
constexpr std::size_t kMaxDistinctFonts = 48;

bool sameFont(const gdi::Font& a, const gdi::Font& b) {
  return a.name == b.name && a.height == b.height && a.style == b.style &&
         a.escapement == b.escapement;
}

int clampCoord(double v) {
  if (!(v == v)) return 0;  // NaN
  return int(std::lround(std::clamp(v, -kCoordinateLimit, kCoordinateLimit)));
}

gdi::PenMode penModeOf(int rop2) {
  for (int m = 0; m < 16; ++m)
    if (gdi::rop2Of(gdi::PenMode(m)) == rop2) return gdi::PenMode(m);
  return gdi::PenMode::Copy;
}

gdi::PenStyle penStyleOf(int style) {
  switch (style & 0xF) {
    case 1:
      return gdi::PenStyle::Dash;
    case 2:
      return gdi::PenStyle::Dot;
    case 3:
      return gdi::PenStyle::DashDot;
    case 4:
      return gdi::PenStyle::DashDotDot;
    case 5:
      return gdi::PenStyle::Clear;
    case 6:
      return gdi::PenStyle::InsideFrame;
    default:
      return gdi::PenStyle::Solid;
  }
}

void appendUtf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += char(cp);
  } else if (cp < 0x800) {
    out += char(0xC0 | (cp >> 6));
    out += char(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += char(0xE0 | (cp >> 12));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  } else {
    out += char(0xF0 | (cp >> 18));
    out += char(0x80 | ((cp >> 12) & 0x3F));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  }
}

}  // namespace

Affine Affine::after(const Affine& f) const {
  Affine r;
  r.m11 = m11 * f.m11 + m21 * f.m12;
  r.m12 = m12 * f.m11 + m22 * f.m12;
  r.m21 = m11 * f.m21 + m21 * f.m22;
  r.m22 = m12 * f.m21 + m22 * f.m22;
  r.dx = m11 * f.dx + m21 * f.dy + dx;
  r.dy = m12 * f.dx + m22 * f.dy + dy;
  return r;
}

std::string latin1ToUtf8(const std::uint8_t* text, std::size_t n) {
  std::string out;
  out.reserve(n);
  for (std::size_t i = 0; i < n && text[i]; ++i) appendUtf8(out, text[i]);
  return out;
}

std::string utf16ToUtf8(const std::uint8_t* text, std::size_t units) {
  std::string out;
  out.reserve(units);
  for (std::size_t i = 0; i < units; ++i) {
    std::uint32_t u = std::uint32_t(text[2 * i] | (text[2 * i + 1] << 8));
    if (u == 0) break;
    if (u >= 0xD800 && u < 0xDC00 && i + 1 < units) {
      const std::uint32_t lo = std::uint32_t(text[2 * i + 2] | (text[2 * i + 3] << 8));
      if (lo >= 0xDC00 && lo < 0xE000) {
        u = 0x10000 + ((u - 0xD800) << 10) + (lo - 0xDC00);
        ++i;
      }
    }
    if (u >= 0xD800 && u < 0xE000) u = 0xFFFD;  // lone surrogate
    appendUtf8(out, u);
  }
  return out;
}

MetafilePlayer::MetafilePlayer(gdi::Bitmap& target, const Affine& device, double unitsPerMmX,
                               double unitsPerMmY, std::size_t objectSlots)
    : bitmap_(&target),
      device_(device),
      unitsPerMmX_(unitsPerMmX),
      unitsPerMmY_(unitsPerMmY),
      objects_(objectSlots) {}

// --- objects -------------------------------------------------------------------

GdiObject* MetafilePlayer::slot(std::uint32_t index) {
  return index < objects_.size() ? &objects_[index] : nullptr;
}

void MetafilePlayer::addObject(GdiObject object) {
  for (GdiObject& o : objects_)
    if (o.kind == GdiObject::Kind::Empty) {
      o = std::move(object);
      return;
    }
  // The header promised fewer objects than the file creates; the extra one
  // is dropped, as the original player would have failed to create it.
}

void MetafilePlayer::setObject(std::uint32_t index, GdiObject object) {
  if (GdiObject* o = slot(index)) *o = std::move(object);
}

void MetafilePlayer::selectObject(std::uint32_t index) {
  const GdiObject* o = slot(index);
  if (!o) return;
  switch (o->kind) {
    case GdiObject::Kind::Pen:
      dc.pen = o->pen;
      break;
    case GdiObject::Kind::Brush:
      dc.brush = o->brush;
      break;
    case GdiObject::Kind::Font:
      dc.font = o->font;
      break;
    default:
      break;
  }
}

void MetafilePlayer::deleteObject(std::uint32_t index) {
  // What is selected stays in the state (the platform would have refused to
  // delete it); only the slot becomes free.
  if (GdiObject* o = slot(index)) *o = GdiObject{};
}

void MetafilePlayer::selectStockObject(std::uint32_t index) {
  const auto brush = [&](int style, gdi::TColor c) {
    dc.brush = LogBrush{};
    dc.brush.style = style;
    dc.brush.color = c;
  };
  const auto pen = [&](int style, gdi::TColor c) { dc.pen = LogPen{style, 0, c}; };
  switch (index & 0x7FFFFFFF) {
    case 0:
      brush(0, gdi::clWhite);
      break;
    case 1:
      brush(0, gdi::clSilver);
      break;
    case 2:
      brush(0, gdi::clGray);
      break;
    case 3:
      brush(0, gdi::RGB(64, 64, 64));
      break;
    case 4:
      brush(0, gdi::clBlack);
      break;
    case 5:
      brush(1, gdi::clWhite);
      break;
    case 6:
      pen(0, gdi::clWhite);
      break;
    case 7:
      pen(0, gdi::clBlack);
      break;
    case 8:
      pen(5, gdi::clBlack);
      break;
    case 10:
    case 11:
    case 16:
      dc.font = LogFont{0, 0, 0, 400, false, false, false, "Courier New"};
      break;
    case 12:
    case 13:
    case 14:
    case 17:
      dc.font = LogFont{};
      break;
    case 18:
      brush(0, gdi::clWhite);
      break;
    case 19:
      pen(0, gdi::clBlack);
      break;
    default:
      break;
  }
}

void MetafilePlayer::saveDc() {
  if (saved_.size() < 1000) saved_.push_back(dc);
}

void MetafilePlayer::restoreDc(int which) {
  const int n = int(saved_.size());
  const int index = which < 0 ? n + which : which - 1;
  if (index < 0 || index >= n) return;
  dc = saved_[std::size_t(index)];
  saved_.resize(std::size_t(index));
}

// --- mapping ---------------------------------------------------------------------

void MetafilePlayer::setMapMode(int mode) {
  if (mode >= MM_TEXT && mode <= MM_ANISOTROPIC) dc.mapMode = mode;
}

void MetafilePlayer::setWindowExt(double cx, double cy) {
  if (cx != 0 && cy != 0) dc.winExtX = cx, dc.winExtY = cy;
}

void MetafilePlayer::setViewportExt(double cx, double cy) {
  if (cx != 0 && cy != 0) dc.vpExtX = cx, dc.vpExtY = cy;
}

Affine MetafilePlayer::pageToDevice() const {
  double sx = 1, sy = 1;
  const auto metric = [&](double mm) {
    sx = unitsPerMmX_ * mm;
    sy = -unitsPerMmY_ * mm;
  };
  switch (dc.mapMode) {
    case MM_LOMETRIC:
      metric(0.1);
      break;
    case MM_HIMETRIC:
      metric(0.01);
      break;
    case MM_LOENGLISH:
      metric(0.254);
      break;
    case MM_HIENGLISH:
      metric(0.0254);
      break;
    case MM_TWIPS:
      metric(25.4 / 1440);
      break;
    case MM_ISOTROPIC:
    case MM_ANISOTROPIC:
      sx = dc.vpExtX / dc.winExtX;
      sy = dc.vpExtY / dc.winExtY;
      if (dc.mapMode == MM_ISOTROPIC) {
        const double m = std::min(std::abs(sx), std::abs(sy));
        sx = std::copysign(m, sx);
        sy = std::copysign(m, sy);
      }
      break;
    default:
      break;
  }
  Affine a;
  a.m11 = sx;
  a.m22 = sy;
  a.dx = dc.vpOrgX - dc.winOrgX * sx;
  a.dy = dc.vpOrgY - dc.winOrgY * sy;
  return a;
}

gdi::Point MetafilePlayer::toDevice(double x, double y) const {
  const Affine a = device_.after(pageToDevice().after(dc.world));
  return {clampCoord(a.mapX(x, y)), clampCoord(a.mapY(x, y))};
}

double MetafilePlayer::scaleX() const {
  const Affine a = device_.after(pageToDevice().after(dc.world));
  return std::hypot(a.m11, a.m12);
}

double MetafilePlayer::scaleY() const {
  const Affine a = device_.after(pageToDevice().after(dc.world));
  return std::hypot(a.m21, a.m22);
}

gdi::Rect MetafilePlayer::deviceRect(double l, double t, double r, double b) const {
  const gdi::Point p = toDevice(l, t), q = toDevice(r, b);
  return gdi::Rect{p.x, p.y, q.x, q.y}.normalized();
}

std::vector<gdi::Point> MetafilePlayer::devicePoints(const std::vector<LogPoint>& points) const {
  std::vector<gdi::Point> out;
  out.reserve(points.size());
  for (const LogPoint& p : points) out.push_back(toDevice(p));
  return out;
}

// --- canvas set-up ---------------------------------------------------------------

void MetafilePlayer::applyPen(gdi::Canvas& c) const {
  gdi::Pen pen;
  pen.color = dc.pen.color;
  pen.style = penStyleOf(dc.pen.style);
  // The width is a horizontal length, as the platform maps it.
  const double w = dc.pen.width * scaleX();
  pen.width = std::clamp(int(std::lround(std::isfinite(w) ? w : 1.0)), 1, kMaxPenWidth);
  pen.mode = penModeOf(dc.rop2);
  c.pen = pen;
}

void MetafilePlayer::applyBrush(gdi::Canvas& c) const {
  const LogBrush& b = dc.brush;
  if (b.pattern && !b.pattern->empty()) {
    c.brush.setBitmap(*b.pattern);
    return;
  }
  c.brush.clearBitmap();
  c.brush.setColor(b.color);
  if (b.style == 1)
    c.brush.setStyle(gdi::BrushStyle::Clear);
  else if (b.style == 2)
    c.brush.setStyle(gdi::BrushStyle(2 + std::clamp(b.hatch, 0, 5)));
  else
    c.brush.setStyle(gdi::BrushStyle::Solid);
}

void MetafilePlayer::applyFigureTools(gdi::Canvas& c) const {
  applyPen(c);
  applyBrush(c);
}

// --- drawing ---------------------------------------------------------------------

void MetafilePlayer::moveTo(double x, double y) {
  dc.posX = x;
  dc.posY = y;
}

void MetafilePlayer::lineTo(double x, double y) {
  gdi::Canvas& c = bitmap_->canvas();
  applyPen(c);
  const gdi::Point from = toDevice(dc.posX, dc.posY), to = toDevice(x, y);
  c.moveTo(from.x, from.y);
  c.lineTo(to.x, to.y);
  moveTo(x, y);
}

void MetafilePlayer::polyline(const std::vector<LogPoint>& points) {
  if (points.size() < 2) return;
  gdi::Canvas& c = bitmap_->canvas();
  applyPen(c);
  const std::vector<gdi::Point> p = devicePoints(points);
  c.polyline(p);
}

void MetafilePlayer::polygon(const std::vector<LogPoint>& points) {
  if (points.size() < 2) return;
  gdi::Canvas& c = bitmap_->canvas();
  applyFigureTools(c);
  const std::vector<gdi::Point> p = devicePoints(points);
  c.polygon(p);
}

void MetafilePlayer::polyPolygon(const std::vector<std::vector<LogPoint>>& polygons) {
  std::vector<const std::vector<LogPoint>*> parts;
  for (const auto& poly : polygons)
    if (poly.size() >= 2) parts.push_back(&poly);
  if (parts.empty()) return;
  if (parts.size() == 1) return polygon(*parts.front());
  // One figure under the alternate rule: after each polygon the path goes
  // back to the first polygon's start, so every connecting edge is drawn
  // once each way and cancels out of the fill. Outlines are drawn per polygon.
  std::vector<LogPoint> path;
  const LogPoint start = parts.front()->front();
  for (const auto* poly : parts) {
    path.insert(path.end(), poly->begin(), poly->end());
    path.push_back(poly->front());
    path.push_back(start);
  }
  gdi::Canvas& c = bitmap_->canvas();
  applyBrush(c);
  gdi::Pen noPen;
  noPen.style = gdi::PenStyle::Clear;
  c.pen = noPen;
  const std::vector<gdi::Point> fill = devicePoints(path);
  c.polygon(fill);
  applyPen(c);
  for (const auto* poly : parts) {
    std::vector<gdi::Point> outline = devicePoints(*poly);
    outline.push_back(outline.front());
    c.polyline(outline);
  }
}

void MetafilePlayer::rectangle(double l, double t, double r, double b) {
  gdi::Canvas& c = bitmap_->canvas();
  applyFigureTools(c);
  c.rectangle(deviceRect(l, t, r, b));
}

void MetafilePlayer::roundRect(double l, double t, double r, double b, double cw, double ch) {
  gdi::Canvas& c = bitmap_->canvas();
  applyFigureTools(c);
  const gdi::Rect d = deviceRect(l, t, r, b);
  c.roundRect(d.left, d.top, d.right, d.bottom, clampCoord(std::abs(cw * scaleX())),
              clampCoord(std::abs(ch * scaleY())));
}

void MetafilePlayer::ellipse(double l, double t, double r, double b) {
  gdi::Canvas& c = bitmap_->canvas();
  applyFigureTools(c);
  c.ellipse(deviceRect(l, t, r, b));
}

void MetafilePlayer::arc(ArcKind kind, double l, double t, double r, double b, double x1, double y1,
                         double x2, double y2) {
  // Drawn as lines through points of the ellipse, counter-clockwise on the
  // picture from the start radial to the end radial.
  const gdi::Rect box = deviceRect(l, t, r, b);
  if (box.isEmpty()) return;
  const double cx = (box.left + box.right) / 2.0, cy = (box.top + box.bottom) / 2.0;
  const double rx = box.width() / 2.0, ry = box.height() / 2.0;
  const gdi::Point s = toDevice(x1, y1), e = toDevice(x2, y2);
  const double a1 = std::atan2(-(s.y - cy) * rx, (s.x - cx) * ry);
  double a2 = std::atan2(-(e.y - cy) * rx, (e.x - cx) * ry);
  if (a2 <= a1) a2 += 2 * std::numbers::pi;
  const double sweep = a2 - a1;
  // About one segment per 4 pixels of the curve; more only slows wide pens.
  const int steps = std::clamp(int(sweep * (rx + ry) / 8), 8, 512);
  std::vector<gdi::Point> pts;
  if (kind == ArcKind::Pie) pts.push_back({int(std::lround(cx)), int(std::lround(cy))});
  for (int i = 0; i <= steps; ++i) {
    const double a = a1 + sweep * i / steps;
    pts.push_back(
        {int(std::lround(cx + rx * std::cos(a))), int(std::lround(cy - ry * std::sin(a)))});
  }
  gdi::Canvas& c = bitmap_->canvas();
  if (kind == ArcKind::Arc) {
    applyPen(c);
    c.polyline(pts);
  } else {
    applyFigureTools(c);
    c.polygon(pts);
  }
}

std::vector<LogPoint> MetafilePlayer::flattenBezier(const std::vector<LogPoint>& p) {
  std::vector<LogPoint> out;
  if (p.empty()) return out;
  out.push_back(p[0]);
  constexpr int kSteps = 16;
  for (std::size_t i = 0; i + 3 < p.size(); i += 3) {
    const LogPoint a = p[i], b = p[i + 1], c = p[i + 2], d = p[i + 3];
    for (int s = 1; s <= kSteps; ++s) {
      const double t = double(s) / kSteps, u = 1 - t;
      const double w0 = u * u * u, w1 = 3 * u * u * t, w2 = 3 * u * t * t, w3 = t * t * t;
      out.push_back(
          {w0 * a.x + w1 * b.x + w2 * c.x + w3 * d.x, w0 * a.y + w1 * b.y + w2 * c.y + w3 * d.y});
    }
  }
  return out;
}

void MetafilePlayer::setPixel(double x, double y, gdi::TColor color) {
  const gdi::Point p = toDevice(x, y);
  bitmap_->canvas().setPixel(p.x, p.y, color);
}

void MetafilePlayer::fillOpaque(double l, double t, double r, double b) {
  gdi::Canvas& c = bitmap_->canvas();
  c.brush.clearBitmap();
  c.brush.setColor(dc.bkColor);
  c.brush.setStyle(gdi::BrushStyle::Solid);
  c.fillRect(deviceRect(l, t, r, b));
}

void MetafilePlayer::fillWithBrush(double l, double t, double r, double b, std::uint32_t rop) {
  gdi::Canvas& c = bitmap_->canvas();
  applyBrush(c);
  const gdi::Rect d = deviceRect(l, t, r, b);
  c.bitBlt(d.left, d.top, d.width(), d.height(), nullptr, 0, 0, rop);
}

void MetafilePlayer::textOut(double x, double y, const std::string& utf8) {
  if (utf8.empty()) return;
  gdi::Canvas& c = bitmap_->canvas();
  gdi::Font f;
  // Face names with control characters are damage, not fonts.
  const std::string& face = dc.font.face;
  if (!face.empty() && std::none_of(face.begin(), face.end(),
                                    [](char ch) { return static_cast<unsigned char>(ch) < 0x20; }))
    f.name = face;
  const double h = dc.font.height * scaleY();
  int height = std::isfinite(h) ? int(std::lround(h)) : 0;
  if (height == 0) height = kDefaultFontHeight;
  f.height = std::clamp(height, -kMaxFontHeight, kMaxFontHeight);
  f.color = dc.textColor;
  f.style = (dc.font.weight >= 600 ? gdi::fsBold : 0u) | (dc.font.italic ? gdi::fsItalic : 0u) |
            (dc.font.underline ? gdi::fsUnderline : 0u) |
            (dc.font.strikeOut ? gdi::fsStrikeOut : 0u);
  f.escapement = dc.font.escapement;
  const auto seen = std::find_if(fontsSeen_.begin(), fontsSeen_.end(),
                                 [&](const gdi::Font& g) { return sameFont(f, g); });
  if (seen == fontsSeen_.end()) {
    if (fontsSeen_.size() < kMaxDistinctFonts) {
      fontsSeen_.push_back(f);
    } else {
      const auto nearest = std::min_element(
          fontsSeen_.begin(), fontsSeen_.end(), [&](const gdi::Font& a, const gdi::Font& b) {
            return std::abs(a.height - f.height) < std::abs(b.height - f.height);
          });
      const gdi::TColor colour = f.color;
      f = *nearest;
      f.color = colour;
    }
  }
  c.font = f;
  if (dc.bkOpaque) {
    c.brush.clearBitmap();
    c.brush.setColor(dc.bkColor);
    c.brush.setStyle(gdi::BrushStyle::Solid);
  } else {
    c.brush.clearBitmap();
    c.brush.setStyle(gdi::BrushStyle::Clear);
  }
  const bool updateCp = dc.textAlign & 1;
  const gdi::Point at = updateCp ? toDevice(dc.posX, dc.posY) : toDevice(x, y);
  const gdi::Size extent = c.textExtent(utf8);
  int left = at.x, top = at.y;
  if (f.escapement == 0) {
    switch (dc.textAlign & 6) {
      case 2:
        left -= extent.cx;
        break;  // TA_RIGHT
      case 6:
        left -= extent.cx / 2;
        break;  // TA_CENTER
      default:
        break;
    }
    switch (dc.textAlign & 24) {
      case 8:
        top -= extent.cy;
        break;  // TA_BOTTOM
      // TA_BASELINE: the ascent of the classic faces is about 0.81 of the cell.
      case 24:
        top -= int(std::lround(extent.cy * 0.81));
        break;
      default:
        break;
    }
  }
  c.textOut(left, top, utf8);
  if (updateCp && scaleX() > 0) dc.posX += extent.cx / scaleX();
}

void MetafilePlayer::stretchBlt(double x, double y, double w, double h, const gdi::Bitmap* src,
                                int sx, int sy, int sw, int sh, std::uint32_t rop) {
  gdi::Canvas& c = bitmap_->canvas();
  applyBrush(c);
  const gdi::Point p = toDevice(x, y), q = toDevice(x + w, y + h);
  int dw = q.x - p.x, dh = q.y - p.y;
  if (dw == 0 || dh == 0) return;
  if (!src) {
    const gdi::Rect d = gdi::Rect{p.x, p.y, q.x, q.y}.normalized();
    c.bitBlt(d.left, d.top, d.width(), d.height(), nullptr, 0, 0, rop);
    return;
  }
  c.stretchMode = gdi::StretchMode(std::clamp(dc.stretchMode, 1, 4));
  if (dw == sw && dh == sh)
    c.bitBlt(p.x, p.y, dw, dh, src, sx, sy, rop);
  else
    c.stretchBlt(p.x, p.y, dw, dh, *src, sx, sy, sw, sh, rop);
}

}  // namespace codecs::detail
