// Enhanced metafiles (32-bit records).
#include <algorithm>
#include <cmath>

#include "platform/codecs/ByteReader.h"
#include "platform/codecs/MetafileFormats.h"
#include "platform/codecs/MetafilePlayer.h"
#include "platform/codecs/PackedDib.h"
#include "platform/codecs/PictureError.h"

namespace codecs::detail {
namespace {

constexpr std::uint32_t kEmfSignature = 0x464D4520;  // " EMF"
constexpr std::uint32_t kMaxHandles = 65536;

enum EmfRecord : std::uint32_t {
  EMR_HEADER = 1,
  EMR_POLYBEZIER,
  EMR_POLYGON,
  EMR_POLYLINE,
  EMR_POLYBEZIERTO,
  EMR_POLYLINETO,
  EMR_POLYPOLYLINE,
  EMR_POLYPOLYGON,
  EMR_SETWINDOWEXTEX,
  EMR_SETWINDOWORGEX,
  EMR_SETVIEWPORTEXTEX,
  EMR_SETVIEWPORTORGEX,
  EMR_SETBRUSHORGEX,
  EMR_EOF,
  EMR_SETPIXELV,
  EMR_SETMAPPERFLAGS,
  EMR_SETMAPMODE,
  EMR_SETBKMODE,
  EMR_SETPOLYFILLMODE,
  EMR_SETROP2,
  EMR_SETSTRETCHBLTMODE,
  EMR_SETTEXTALIGN,
  EMR_SETCOLORADJUSTMENT,
  EMR_SETTEXTCOLOR,
  EMR_SETBKCOLOR,
  EMR_OFFSETCLIPRGN,
  EMR_MOVETOEX,
  EMR_SETMETARGN,
  EMR_EXCLUDECLIPRECT,
  EMR_INTERSECTCLIPRECT,
  EMR_SCALEVIEWPORTEXTEX,
  EMR_SCALEWINDOWEXTEX,
  EMR_SAVEDC,
  EMR_RESTOREDC,
  EMR_SETWORLDTRANSFORM,
  EMR_MODIFYWORLDTRANSFORM,
  EMR_SELECTOBJECT,
  EMR_CREATEPEN,
  EMR_CREATEBRUSHINDIRECT,
  EMR_DELETEOBJECT,
  EMR_ANGLEARC,
  EMR_ELLIPSE,
  EMR_RECTANGLE,
  EMR_ROUNDRECT,
  EMR_ARC,
  EMR_CHORD,
  EMR_PIE,
  EMR_SELECTPALETTE,
  EMR_CREATEPALETTE,
  EMR_SETPALETTEENTRIES,
  EMR_RESIZEPALETTE,
  EMR_REALIZEPALETTE,
  EMR_EXTFLOODFILL,
  EMR_LINETO,
  EMR_ARCTO,
  EMR_POLYDRAW,
  EMR_SETARCDIRECTION,
  EMR_SETMITERLIMIT,
  EMR_BEGINPATH,
  EMR_ENDPATH,
  EMR_CLOSEFIGURE,
  EMR_FILLPATH,
  EMR_STROKEANDFILLPATH,
  EMR_STROKEPATH,
  EMR_FLATTENPATH,
  EMR_WIDENPATH,
  EMR_SELECTCLIPPATH,
  EMR_ABORTPATH,
  EMR_BITBLT = 76,
  EMR_STRETCHBLT,
  EMR_MASKBLT,
  EMR_PLGBLT,
  EMR_SETDIBITSTODEVICE,
  EMR_STRETCHDIBITS,
  EMR_EXTCREATEFONTINDIRECTW,
  EMR_EXTTEXTOUTA,
  EMR_EXTTEXTOUTW,
  EMR_POLYBEZIER16,
  EMR_POLYGON16,
  EMR_POLYLINE16,
  EMR_POLYBEZIERTO16,
  EMR_POLYLINETO16,
  EMR_POLYPOLYLINE16,
  EMR_POLYPOLYGON16,
  EMR_POLYDRAW16,
  EMR_CREATEMONOBRUSH,
  EMR_CREATEDIBPATTERNBRUSHPT,
  EMR_EXTCREATEPEN,
};

struct EmfHeader {
  gdi::Rect bounds;  // device pixels, inclusive
  gdi::Rect frame;   // 0.01 mm, inclusive
  std::uint32_t handles = 0;
  double pxPerMmX = 96 / 25.4, pxPerMmY = 96 / 25.4;
  std::size_t size = 0;
};

EmfHeader headerOf(std::span<const std::uint8_t> bytes) {
  ByteReader r(bytes, "metafile");
  if (r.u32() != EMR_HEADER)
    throw PictureError(ErrorKind::InvalidPicture, "Invalid metafile header");
  EmfHeader h;
  h.size = r.u32();
  h.bounds = {r.i32(), r.i32(), r.i32(), r.i32()};
  h.frame = {r.i32(), r.i32(), r.i32(), r.i32()};
  if (r.u32() != kEmfSignature)
    throw PictureError(ErrorKind::InvalidPicture, "Invalid metafile header");
  r.skip(12);  // version, bytes, records
  h.handles = std::min<std::uint32_t>(r.u16(), kMaxHandles);
  r.skip(2 + 12);  // reserved, description, palette entries
  const std::int32_t devX = r.i32(), devY = r.i32(), mmX = r.i32(), mmY = r.i32();
  if (devX > 0 && devY > 0 && mmX > 0 && mmY > 0) {
    h.pxPerMmX = double(devX) / mmX;
    h.pxPerMmY = double(devY) / mmY;
  }
  if (h.size < 88 || h.size > bytes.size() || h.size % 4)
    throw PictureError(ErrorKind::InvalidPicture, "Invalid metafile header");
  return h;
}

gdi::Size sizeOf(const EmfHeader& h) {
  const double w = double(h.frame.right) - h.frame.left, hh = double(h.frame.bottom) - h.frame.top;
  if (w > 0 && hh > 0)
    return {int(std::lround(std::min(w, 1e9) * 96 / 2540)),
            int(std::lround(std::min(hh, 1e9) * 96 / 2540))};
  return {int(std::clamp(double(h.bounds.right) - h.bounds.left + 1, 0.0, 1e9)),
          int(std::clamp(double(h.bounds.bottom) - h.bounds.top + 1, 0.0, 1e9))};
}

Affine xformOf(ByteReader& r) {
  Affine a;
  a.m11 = r.f32();
  a.m12 = r.f32();
  a.m21 = r.f32();
  a.m22 = r.f32();
  a.dx = r.f32();
  a.dy = r.f32();
  for (double v : {a.m11, a.m12, a.m21, a.m22, a.dx, a.dy})
    if (!std::isfinite(v) || std::abs(v) > 1e9) return Affine{};
  return a;
}

// A path being recorded between BEGINPATH and ENDPATH: figures of points.
struct PathFigure {
  std::vector<LogPoint> points;
  bool closed = false;
};

class EmfPlayer {
 public:
  EmfPlayer(std::span<const std::uint8_t> bytes, const EmfHeader& header, gdi::Bitmap& target)
      : bytes_(bytes),
        header_(header),
        player_(target, deviceMap(header, target), header.pxPerMmX, header.pxPerMmY,
                header.handles + 1) {}

  void play() {
    ByteReader r(bytes_, "metafile");
    r.seek(header_.size);
    while (r.has(8)) {
      const std::uint32_t type = r.u32At(r.pos());
      const std::uint32_t size = r.u32At(r.pos() + 4);
      if (type == EMR_EOF || size < 8 || size % 4 || size > r.left()) return;
      ByteReader rec = r.sub(size);
      rec.seek(8);
      try {
        record(type, rec);
      } catch (const PictureError& e) {
        // Contents that do not fit the record: skip it, play the rest.
        if (e.kind() == ErrorKind::Io) throw;
      }
    }
  }

 private:
  // Reference-device pixels to picture pixels: the frame fills the picture.
  static Affine deviceMap(const EmfHeader& h, const gdi::Bitmap& target) {
    Affine a;
    double left = h.frame.left * h.pxPerMmX / 100, top = h.frame.top * h.pxPerMmY / 100;
    double w = (double(h.frame.right) - h.frame.left) * h.pxPerMmX / 100;
    double hh = (double(h.frame.bottom) - h.frame.top) * h.pxPerMmY / 100;
    if (!(w > 0 && hh > 0)) {
      left = h.bounds.left, top = h.bounds.top;
      w = double(h.bounds.right) - h.bounds.left + 1;
      hh = double(h.bounds.bottom) - h.bounds.top + 1;
    }
    a.m11 = w > 0 ? target.width() / w : 1;
    a.m22 = hh > 0 ? target.height() / hh : 1;
    a.dx = -left * a.m11;
    a.dy = -top * a.m22;
    return a;
  }

  static LogPoint point32(ByteReader& r) {
    const double x = r.i32();
    return {x, double(r.i32())};
  }
  static LogPoint point16(ByteReader& r) {
    const double x = r.i16();
    return {x, double(r.i16())};
  }
  static std::vector<LogPoint> points(ByteReader& r, std::uint32_t count, bool small) {
    if (std::uint64_t(count) * (small ? 4 : 8) > r.left()) r.skip(r.left() + 1);
    std::vector<LogPoint> pts;
    pts.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) pts.push_back(small ? point16(r) : point32(r));
    return pts;
  }

  // The DIB a bitmap record carries at the given offsets from its start.
  static gdi::Bitmap dibAt(ByteReader rec, std::uint32_t offBmi, std::uint32_t cbBmi,
                           std::uint32_t offBits, std::uint32_t cbBits) {
    rec.seek(offBmi);
    const auto info = rec.bytes(cbBmi);
    rec.seek(offBits);
    const auto bits = rec.bytes(cbBits);
    return readPackedDib(info, bits);
  }

  void polyRecord(std::uint32_t type, ByteReader& r) {
    r.skip(16);  // bounds
    const bool small = type >= EMR_POLYBEZIER16;
    const std::uint32_t base = small ? type - EMR_POLYBEZIER16 + EMR_POLYBEZIER : type;
    std::vector<LogPoint> pts = points(r, r.u32(), small);
    switch (base) {
      case EMR_POLYBEZIER:
        addFigure(MetafilePlayer::flattenBezier(pts), false, false);
        break;
      case EMR_POLYGON:
        addFigure(std::move(pts), true, true);
        break;
      case EMR_POLYLINE:
        addFigure(std::move(pts), false, false);
        break;
      case EMR_POLYBEZIERTO:
      case EMR_POLYLINETO: {
        pts.insert(pts.begin(), LogPoint{player_.dc.posX, player_.dc.posY});
        if (base == EMR_POLYBEZIERTO) pts = MetafilePlayer::flattenBezier(pts);
        if (pts.size() > 1) {
          player_.moveTo(pts.back().x, pts.back().y);
          if (inPath_) {
            continueFigure(pts);
          } else {
            player_.polyline(pts);
          }
        }
        break;
      }
      default:
        break;
    }
  }

  void polyPolyRecord(std::uint32_t type, ByteReader& r) {
    r.skip(16);
    const bool small = type >= EMR_POLYBEZIER16;
    const std::uint32_t n = r.u32();
    const std::uint32_t total = r.u32();
    if (std::uint64_t(n) * 4 > r.left()) return;
    std::vector<std::uint32_t> counts(n);
    std::uint64_t sum = 0;
    for (auto& c : counts) sum += (c = r.u32());
    if (sum != total) return;
    std::vector<std::vector<LogPoint>> polys;
    for (std::uint32_t c : counts) polys.push_back(points(r, c, small));
    const bool polygon = type == EMR_POLYPOLYGON || type == EMR_POLYPOLYGON16;
    if (inPath_) {
      for (auto& p : polys) addFigure(std::move(p), polygon, polygon);
    } else if (polygon) {
      player_.polyPolygon(polys);
    } else {
      for (const auto& p : polys) player_.polyline(p);
    }
  }

  // Draws a figure now, or adds it to the path being recorded.
  void addFigure(std::vector<LogPoint> pts, bool closed, bool filled) {
    if (inPath_) {
      path_.push_back({std::move(pts), closed});
      return;
    }
    if (filled)
      player_.polygon(pts);
    else
      player_.polyline(pts);
  }

  void continueFigure(const std::vector<LogPoint>& pts) {
    if (path_.empty() || path_.back().closed) path_.push_back({{pts.front()}, false});
    auto& figure = path_.back().points;
    figure.insert(figure.end(), pts.begin() + 1, pts.end());
  }

  void drawPath(bool fill, bool stroke) {
    std::vector<std::vector<LogPoint>> polys;
    for (const PathFigure& f : path_)
      if (f.points.size() >= 2) polys.push_back(f.points);
    if (fill && !polys.empty()) {
      const LogPen pen = player_.dc.pen;
      if (stroke) {
        player_.polyPolygon(polys);
      } else {
        player_.dc.pen.style = 5;  // no outline
        player_.polyPolygon(polys);
        player_.dc.pen = pen;
      }
    } else if (stroke) {
      for (const PathFigure& f : path_) {
        std::vector<LogPoint> pts = f.points;
        if (f.closed && !pts.empty()) pts.push_back(pts.front());
        player_.polyline(pts);
      }
    }
    path_.clear();
  }

  void record(std::uint32_t type, ByteReader& r) {
    DcState& dc = player_.dc;
    switch (type) {
      case EMR_POLYBEZIER:
      case EMR_POLYGON:
      case EMR_POLYLINE:
      case EMR_POLYBEZIERTO:
      case EMR_POLYLINETO:
      case EMR_POLYBEZIER16:
      case EMR_POLYGON16:
      case EMR_POLYLINE16:
      case EMR_POLYBEZIERTO16:
      case EMR_POLYLINETO16:
        polyRecord(type, r);
        break;
      case EMR_POLYPOLYLINE:
      case EMR_POLYPOLYGON:
      case EMR_POLYPOLYLINE16:
      case EMR_POLYPOLYGON16:
        polyPolyRecord(type, r);
        break;
      case EMR_SETWINDOWEXTEX: {
        const LogPoint e = point32(r);
        player_.setWindowExt(e.x, e.y);
        break;
      }
      case EMR_SETWINDOWORGEX: {
        const LogPoint o = point32(r);
        dc.winOrgX = o.x, dc.winOrgY = o.y;
        break;
      }
      case EMR_SETVIEWPORTEXTEX: {
        const LogPoint e = point32(r);
        player_.setViewportExt(e.x, e.y);
        break;
      }
      case EMR_SETVIEWPORTORGEX: {
        const LogPoint o = point32(r);
        dc.vpOrgX = o.x, dc.vpOrgY = o.y;
        break;
      }
      case EMR_SCALEVIEWPORTEXTEX:
      case EMR_SCALEWINDOWEXTEX: {
        const int xn = r.i32(), xd = r.i32(), yn = r.i32(), yd = r.i32();
        if (!xd || !yd) break;
        if (type == EMR_SCALEWINDOWEXTEX)
          player_.setWindowExt(dc.winExtX * xn / xd, dc.winExtY * yn / yd);
        else
          player_.setViewportExt(dc.vpExtX * xn / xd, dc.vpExtY * yn / yd);
        break;
      }
      case EMR_SETPIXELV: {
        const LogPoint p = point32(r);
        player_.setPixel(p.x, p.y, colorRef(r.u32()));
        break;
      }
      case EMR_SETMAPMODE:
        player_.setMapMode(r.i32());
        break;
      case EMR_SETBKMODE:
        dc.bkOpaque = r.u32() == 2;
        break;
      case EMR_SETROP2:
        dc.rop2 = int(std::clamp<std::uint32_t>(r.u32(), 1, 16));
        break;
      case EMR_SETSTRETCHBLTMODE:
        dc.stretchMode = int(std::min<std::uint32_t>(r.u32(), 4));
        break;
      case EMR_SETTEXTALIGN:
        dc.textAlign = r.u32();
        break;
      case EMR_SETTEXTCOLOR:
        dc.textColor = colorRef(r.u32());
        break;
      case EMR_SETBKCOLOR:
        dc.bkColor = colorRef(r.u32());
        break;
      case EMR_MOVETOEX: {
        const LogPoint p = point32(r);
        player_.moveTo(p.x, p.y);
        if (inPath_) path_.push_back({{p}, false});
        break;
      }
      case EMR_LINETO: {
        const LogPoint p = point32(r);
        if (inPath_) {
          continueFigure({LogPoint{dc.posX, dc.posY}, p});
          player_.moveTo(p.x, p.y);
        } else {
          player_.lineTo(p.x, p.y);
        }
        break;
      }
      case EMR_SAVEDC:
        player_.saveDc();
        break;
      case EMR_RESTOREDC:
        player_.restoreDc(r.i32());
        break;
      case EMR_SETWORLDTRANSFORM:
        dc.world = xformOf(r);
        break;
      case EMR_MODIFYWORLDTRANSFORM: {
        const Affine x = xformOf(r);
        switch (r.u32()) {
          case 1:
            dc.world = Affine{};
            break;
          case 2:
            dc.world = dc.world.after(x);
            break;  // x first, then the old transform
          case 3:
            dc.world = x.after(dc.world);
            break;
          case 4:
            dc.world = x;
            break;
          default:
            break;
        }
        break;
      }
      case EMR_SELECTOBJECT: {
        const std::uint32_t h = r.u32();
        if (h & 0x80000000u)
          player_.selectStockObject(h);
        else
          player_.selectObject(h);
        break;
      }
      case EMR_DELETEOBJECT:
        player_.deleteObject(r.u32());
        break;
      case EMR_CREATEPEN: {
        const std::uint32_t slot = r.u32();
        GdiObject o;
        o.kind = GdiObject::Kind::Pen;
        o.pen.style = int(r.u32() & 0xF);
        o.pen.width = r.i32();
        r.skip(4);
        o.pen.color = colorRef(r.u32());
        player_.setObject(slot, o);
        break;
      }
      case EMR_EXTCREATEPEN: {
        const std::uint32_t slot = r.u32();
        r.skip(16);  // pattern bitmap offsets
        GdiObject o;
        o.kind = GdiObject::Kind::Pen;
        o.pen.style = int(r.u32() & 0xF);
        o.pen.width = r.u32();
        const std::uint32_t brushStyle = r.u32();
        o.pen.color = colorRef(r.u32());
        if (brushStyle == 1) o.pen.style = 5;  // hollow brush: no line
        player_.setObject(slot, o);
        break;
      }
      case EMR_CREATEBRUSHINDIRECT: {
        const std::uint32_t slot = r.u32();
        GdiObject o;
        o.kind = GdiObject::Kind::Brush;
        o.brush.style = int(r.u32());
        o.brush.color = colorRef(r.u32());
        o.brush.hatch = int(r.u32() & 0xFF);
        player_.setObject(slot, o);
        break;
      }
      case EMR_CREATEMONOBRUSH:
      case EMR_CREATEDIBPATTERNBRUSHPT: {
        const std::uint32_t slot = r.u32();
        r.skip(4);  // colour usage
        const std::uint32_t offBmi = r.u32(), cbBmi = r.u32(), offBits = r.u32(), cbBits = r.u32();
        GdiObject o;
        o.kind = GdiObject::Kind::Brush;
        try {
          o.brush.pattern =
              std::make_shared<const gdi::Bitmap>(dibAt(r, offBmi, cbBmi, offBits, cbBits));
        } catch (const PictureError&) {
          o.brush.color = gdi::clBlack;
        }
        player_.setObject(slot, std::move(o));
        break;
      }
      case EMR_CREATEPALETTE: {
        GdiObject o;
        o.kind = GdiObject::Kind::Other;
        player_.setObject(r.u32(), o);
        break;
      }
      case EMR_EXTCREATEFONTINDIRECTW: {
        const std::uint32_t slot = r.u32();
        GdiObject o;
        o.kind = GdiObject::Kind::Font;
        o.font.height = r.i32();
        o.font.width = r.i32();
        o.font.escapement = r.i32();
        r.skip(4);
        o.font.weight = r.i32();
        o.font.italic = r.u8();
        o.font.underline = r.u8();
        o.font.strikeOut = r.u8();
        r.skip(5);
        const auto face = r.bytes(std::min<std::size_t>(64, r.left() & ~std::size_t(1)));
        o.font.face = utf16ToUtf8(face.data(), face.size() / 2);
        player_.setObject(slot, o);
        break;
      }
      case EMR_RECTANGLE:
      case EMR_ELLIPSE: {
        const double l = r.i32(), t = r.i32(), rr = r.i32(), b = r.i32();
        if (inPath_) {
          addFigure({{l, t}, {rr, t}, {rr, b}, {l, b}}, true, true);
        } else if (type == EMR_RECTANGLE) {
          player_.rectangle(l, t, rr, b);
        } else {
          player_.ellipse(l, t, rr, b);
        }
        break;
      }
      case EMR_ROUNDRECT: {
        const double l = r.i32(), t = r.i32(), rr = r.i32(), b = r.i32();
        const double cw = r.i32(), ch = r.i32();
        player_.roundRect(l, t, rr, b, cw, ch);
        break;
      }
      case EMR_ARC:
      case EMR_ARCTO:
      case EMR_CHORD:
      case EMR_PIE: {
        const double l = r.i32(), t = r.i32(), rr = r.i32(), b = r.i32();
        const LogPoint s = point32(r), e = point32(r);
        const auto kind = type == EMR_PIE     ? MetafilePlayer::ArcKind::Pie
                          : type == EMR_CHORD ? MetafilePlayer::ArcKind::Chord
                                              : MetafilePlayer::ArcKind::Arc;
        player_.arc(kind, l, t, rr, b, s.x, s.y, e.x, e.y);
        break;
      }
      case EMR_BEGINPATH:
        inPath_ = true;
        path_.clear();
        break;
      case EMR_ENDPATH:
        inPath_ = false;
        break;
      case EMR_ABORTPATH:
        inPath_ = false;
        path_.clear();
        break;
      case EMR_CLOSEFIGURE:
        if (!path_.empty()) path_.back().closed = true;
        break;
      case EMR_FILLPATH:
        drawPath(true, false);
        break;
      case EMR_STROKEANDFILLPATH:
        drawPath(true, true);
        break;
      case EMR_STROKEPATH:
        drawPath(false, true);
        break;
      case EMR_BITBLT:
      case EMR_STRETCHBLT: {
        r.skip(16);
        const double x = r.i32(), y = r.i32(), w = r.i32(), h = r.i32();
        const std::uint32_t rop = r.u32();
        const int sx = r.i32(), sy = r.i32();
        r.skip(24 + 4 + 4);  // source transform, background, colour usage
        const std::uint32_t offBmi = r.u32(), cbBmi = r.u32(), offBits = r.u32(), cbBits = r.u32();
        int sw = int(w), sh = int(h);
        if (type == EMR_STRETCHBLT) sw = r.i32(), sh = r.i32();
        if (cbBmi == 0) {
          player_.stretchBlt(x, y, w, h, nullptr, 0, 0, 0, 0, rop);
        } else {
          const gdi::Bitmap dib = dibAt(r, offBmi, cbBmi, offBits, cbBits);
          player_.stretchBlt(x, y, w, h, &dib, sx, sy, sw, sh, rop);
        }
        break;
      }
      case EMR_STRETCHDIBITS: {
        r.skip(16);
        const double x = r.i32(), y = r.i32();
        const int sx = r.i32(), sy = r.i32(), sw = r.i32(), sh = r.i32();
        const std::uint32_t offBmi = r.u32(), cbBmi = r.u32(), offBits = r.u32(), cbBits = r.u32();
        r.skip(4);  // colour usage
        const std::uint32_t rop = r.u32();
        const double w = r.i32(), h = r.i32();
        const gdi::Bitmap dib = dibAt(r, offBmi, cbBmi, offBits, cbBits);
        // DIB source coordinates count from the bottom-left corner.
        player_.stretchBlt(x, y, w, h, &dib, sx, dib.height() - sy - sh, sw, sh, rop);
        break;
      }
      case EMR_SETDIBITSTODEVICE: {
        r.skip(16);
        const double x = r.i32(), y = r.i32();
        const int sx = r.i32(), sy = r.i32(), sw = r.i32(), sh = r.i32();
        const std::uint32_t offBmi = r.u32(), cbBmi = r.u32(), offBits = r.u32(), cbBits = r.u32();
        const gdi::Bitmap dib = dibAt(r, offBmi, cbBmi, offBits, cbBits);
        player_.stretchBlt(x, y, sw, sh, &dib, sx, dib.height() - sy - sh, sw, sh, 0x00CC0020);
        break;
      }
      case EMR_EXTTEXTOUTA:
      case EMR_EXTTEXTOUTW: {
        ByteReader start = r;
        r.skip(16 + 4 + 8);  // bounds, graphics mode, scales
        const LogPoint at = point32(r);
        const std::uint32_t chars = r.u32(), offString = r.u32(), options = r.u32();
        const double l = r.i32(), t = r.i32(), rr = r.i32(), b = r.i32();
        if (options & 0x0002) player_.fillOpaque(l, t, rr, b);
        start.seek(offString);
        std::string text;
        if (type == EMR_EXTTEXTOUTW) {
          if (std::uint64_t(chars) * 2 > start.left()) break;
          text = utf16ToUtf8(start.bytes(std::size_t(chars) * 2).data(), chars);
        } else {
          if (chars > start.left()) break;
          text = latin1ToUtf8(start.bytes(chars).data(), chars);
        }
        player_.textOut(at.x, at.y, text);
        break;
      }
      default:
        break;  // records we do not play
    }
  }

  std::span<const std::uint8_t> bytes_;
  EmfHeader header_;
  MetafilePlayer player_;
  bool inPath_ = false;
  std::vector<PathFigure> path_;
};

}  // namespace

gdi::Size emfSize(std::span<const std::uint8_t> bytes) { return sizeOf(headerOf(bytes)); }

gdi::Bitmap playEmf(std::span<const std::uint8_t> bytes) {
  const EmfHeader header = headerOf(bytes);
  const gdi::Size size = sizeOf(header);
  checkPictureSize(size.cx, size.cy);
  gdi::Bitmap picture(size.cx, size.cy);
  EmfPlayer(bytes, header, picture).play();
  return picture;
}

}  // namespace codecs::detail
