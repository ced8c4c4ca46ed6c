// Windows metafiles (16-bit records), with or without the placeable header.
#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/codecs/ByteReader.h"
#include "platform/codecs/MetafileFormats.h"
#include "platform/codecs/MetafilePlayer.h"
#include "platform/codecs/PackedDib.h"
#include "platform/codecs/PictureError.h"

namespace codecs::detail {
namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableSize = 22;
constexpr std::size_t kHeaderSize = 18;

enum WmfRecord : std::uint16_t {
  META_EOF = 0x0000,
  META_REALIZEPALETTE = 0x0035,
  META_SETPALENTRIES = 0x0037,
  META_SETBKMODE = 0x0102,
  META_SETMAPMODE = 0x0103,
  META_SETROP2 = 0x0104,
  META_SETRELABS = 0x0105,
  META_SETPOLYFILLMODE = 0x0106,
  META_SETSTRETCHBLTMODE = 0x0107,
  META_SETTEXTCHAREXTRA = 0x0108,
  META_RESTOREDC = 0x0127,
  META_SELECTOBJECT = 0x012D,
  META_SETTEXTALIGN = 0x012E,
  META_DIBCREATEPATTERNBRUSH = 0x0142,
  META_DELETEOBJECT = 0x01F0,
  META_CREATEPATTERNBRUSH = 0x01F9,
  META_SETBKCOLOR = 0x0201,
  META_SETTEXTCOLOR = 0x0209,
  META_SETWINDOWORG = 0x020B,
  META_SETWINDOWEXT = 0x020C,
  META_SETVIEWPORTORG = 0x020D,
  META_SETVIEWPORTEXT = 0x020E,
  META_OFFSETWINDOWORG = 0x020F,
  META_LINETO = 0x0213,
  META_MOVETO = 0x0214,
  META_SELECTPALETTE = 0x0234,
  META_CREATEPENINDIRECT = 0x02FA,
  META_CREATEFONTINDIRECT = 0x02FB,
  META_CREATEBRUSHINDIRECT = 0x02FC,
  META_POLYGON = 0x0324,
  META_POLYLINE = 0x0325,
  META_SCALEWINDOWEXT = 0x0410,
  META_ELLIPSE = 0x0418,
  META_RECTANGLE = 0x041B,
  META_SETPIXEL = 0x041F,
  META_TEXTOUT = 0x0521,
  META_POLYPOLYGON = 0x0538,
  META_ROUNDRECT = 0x061C,
  META_PATBLT = 0x061D,
  META_CREATEREGION = 0x06FF,
  META_ARC = 0x0817,
  META_PIE = 0x081A,
  META_CHORD = 0x0830,
  META_DIBBITBLT = 0x0940,
  META_EXTTEXTOUT = 0x0A32,
  META_DIBSTRETCHBLT = 0x0B41,
  META_SETDIBTODEV = 0x0D33,
  META_STRETCHDIB = 0x0F43,
  META_CREATEPALETTE = 0x00F7,
  META_SAVEDC = 0x001E,
};

struct WmfLayout {
  bool placeable = false;
  int bboxLeft = 0, bboxTop = 0, bboxRight = 0, bboxBottom = 0;
  int unitsPerInch = 1440;
  std::size_t recordsAt = 0;
  int objects = 0;
};

WmfLayout layoutOf(std::span<const std::uint8_t> bytes) {
  ByteReader r(bytes, "metafile");
  WmfLayout l;
  if (r.has(4) && r.u32At(0) == kPlaceableKey) {
    l.placeable = true;
    r.seek(6);
    l.bboxLeft = r.i16();
    l.bboxTop = r.i16();
    l.bboxRight = r.i16();
    l.bboxBottom = r.i16();
    l.unitsPerInch = r.u16();
    r.seek(kPlaceableSize);
  }
  const std::size_t start = r.pos();
  const std::uint16_t type = r.u16();
  const std::uint16_t headerWords = r.u16();
  const std::uint16_t version = r.u16();
  r.skip(4);
  l.objects = r.u16();
  if ((type != 1 && type != 2) || headerWords != 9 || (version != 0x0100 && version != 0x0300))
    throw PictureError(ErrorKind::InvalidPicture, "Invalid metafile header");
  l.recordsAt = start + kHeaderSize;
  return l;
}

// Walks the records: f(function, params) for each, params holding the record's
// words after its six-byte head. Stops at META_EOF or at a record whose length
// does not fit the file.
template <class F>
void forEachRecord(std::span<const std::uint8_t> bytes, std::size_t at, F&& f) {
  ByteReader r(bytes, "metafile");
  r.seek(at);
  while (r.has(6)) {
    const std::uint32_t words = r.u32();
    const std::uint16_t function = r.u16();
    if (function == META_EOF) return;
    if (words < 3 || (words - 3) > r.left() / 2) return;
    ByteReader params = r.sub(std::size_t(words - 3) * 2);
    if (!f(function, words, params)) return;
  }
}

// The first window extent (and origin) of a plain metafile: its only size.
struct WindowGuess {
  std::optional<gdi::Size> ext;
  gdi::Point org;
};

WindowGuess guessWindow(std::span<const std::uint8_t> bytes, std::size_t at) {
  WindowGuess g;
  forEachRecord(bytes, at, [&](std::uint16_t fn, std::uint32_t, ByteReader& p) {
    if (fn == META_SETWINDOWORG && p.has(4)) {
      const int y = p.i16();
      g.org = {p.i16(), y};
    } else if (fn == META_SETWINDOWEXT && p.has(4)) {
      const int y = p.i16();
      g.ext = gdi::Size{p.i16(), y};
      return false;
    }
    return true;
  });
  return g;
}

int toPixels(int units, int perInch) { return int(std::lround(std::abs(units) * 96.0 / perInch)); }

LogPoint pointYX(ByteReader& p) {
  const double y = p.i16();
  return {double(p.i16()), y};
}

std::vector<LogPoint> points(ByteReader& p, std::size_t count) {
  std::vector<LogPoint> pts;
  pts.reserve(std::min<std::size_t>(count, p.left() / 4));
  for (std::size_t i = 0; i < count; ++i) {
    const double x = p.i16();
    pts.push_back({x, double(p.i16())});
  }
  return pts;
}

class WmfPlayer {
 public:
  WmfPlayer(std::span<const std::uint8_t> bytes, const WmfLayout& layout, gdi::Bitmap& target)
      : bytes_(bytes),
        layout_(layout),
        player_(target, Affine{}, 96 / 25.4, 96 / 25.4, std::size_t(std::max(layout.objects, 16))) {
    DcState& dc = player_.dc;
    dc.mapMode = MM_ANISOTROPIC;
    dc.vpExtX = target.width();
    dc.vpExtY = target.height();
    if (layout.placeable) {
      dc.winOrgX = layout.bboxLeft;
      dc.winOrgY = layout.bboxTop;
      player_.setWindowExt(layout.bboxRight - layout.bboxLeft, layout.bboxBottom - layout.bboxTop);
    } else {
      dc.winExtX = target.width();
      dc.winExtY = target.height();
    }
  }

  void play() {
    forEachRecord(bytes_, layout_.recordsAt,
                  [&](std::uint16_t fn, std::uint32_t words, ByteReader& p) {
                    try {
                      record(fn, words, p);
                    } catch (const PictureError& e) {
                      // A record whose contents do not fit its length is
                      // skipped; the rest of the picture still plays.
                      if (e.kind() == ErrorKind::Io) throw;
                    }
                    return true;
                  });
  }

 private:
  void record(std::uint16_t fn, std::uint32_t words, ByteReader& p) {
    DcState& dc = player_.dc;
    switch (fn) {
      case META_SETBKMODE:
        dc.bkOpaque = p.u16() == 2;
        break;
      case META_SETROP2:
        dc.rop2 = std::clamp<int>(p.u16(), 1, 16);
        break;
      case META_SETSTRETCHBLTMODE:
        dc.stretchMode = p.u16();
        break;
      case META_SETTEXTALIGN:
        dc.textAlign = p.u16();
        break;
      case META_SETBKCOLOR:
        dc.bkColor = colorRef(p.u32());
        break;
      case META_SETTEXTCOLOR:
        dc.textColor = colorRef(p.u32());
        break;
      case META_SETWINDOWORG: {
        const LogPoint o = pointYX(p);
        dc.winOrgX = o.x, dc.winOrgY = o.y;
        break;
      }
      case META_SETWINDOWEXT: {
        const LogPoint e = pointYX(p);
        player_.setWindowExt(e.x, e.y);
        break;
      }
      case META_OFFSETWINDOWORG: {
        const LogPoint o = pointYX(p);
        dc.winOrgX += o.x, dc.winOrgY += o.y;
        break;
      }
      case META_SCALEWINDOWEXT: {
        const int yDen = p.i16(), yNum = p.i16(), xDen = p.i16(), xNum = p.i16();
        if (xDen && yDen) player_.setWindowExt(dc.winExtX * xNum / xDen, dc.winExtY * yNum / yDen);
        break;
      }
      // The viewport and mapping mode belong to the player: the picture is
      // always played into the whole bitmap.
      case META_SETMAPMODE:
      case META_SETVIEWPORTORG:
      case META_SETVIEWPORTEXT:
        break;
      case META_SAVEDC:
        player_.saveDc();
        break;
      case META_RESTOREDC:
        player_.restoreDc(p.i16());
        break;
      case META_SELECTOBJECT:
        player_.selectObject(p.u16());
        break;
      case META_DELETEOBJECT:
        player_.deleteObject(p.u16());
        break;
      case META_CREATEPENINDIRECT: {
        GdiObject o;
        o.kind = GdiObject::Kind::Pen;
        o.pen.style = p.u16();
        o.pen.width = p.i16();
        p.skip(2);
        o.pen.color = colorRef(p.u32());
        player_.addObject(o);
        break;
      }
      case META_CREATEBRUSHINDIRECT: {
        GdiObject o;
        o.kind = GdiObject::Kind::Brush;
        o.brush.style = p.u16();
        o.brush.color = colorRef(p.u32());
        o.brush.hatch = p.u16();
        player_.addObject(o);
        break;
      }
      case META_DIBCREATEPATTERNBRUSH: {
        GdiObject o;
        o.kind = GdiObject::Kind::Brush;
        p.skip(4);  // style and colour usage
        try {
          o.brush.pattern = std::make_shared<const gdi::Bitmap>(readPackedDib(p.bytes(p.left())));
        } catch (const PictureError&) {
          o.brush.color = gdi::clBlack;  // an unreadable pattern still takes its slot
        }
        player_.addObject(std::move(o));
        break;
      }
      case META_CREATEFONTINDIRECT: {
        GdiObject o;
        o.kind = GdiObject::Kind::Font;
        o.font.height = p.i16();
        o.font.width = p.i16();
        o.font.escapement = p.i16();
        p.skip(2);
        o.font.weight = p.i16();
        o.font.italic = p.u8();
        o.font.underline = p.u8();
        o.font.strikeOut = p.u8();
        p.skip(5);
        const auto face = p.bytes(std::min<std::size_t>(32, p.left()));
        o.font.face = latin1ToUtf8(face.data(), face.size());
        player_.addObject(o);
        break;
      }
      case META_CREATEPALETTE:
      case META_CREATEPATTERNBRUSH:
      case META_CREATEREGION: {
        // Not drawn with, but they take a slot that later indices count on.
        GdiObject o;
        o.kind = GdiObject::Kind::Other;
        player_.addObject(o);
        break;
      }
      case META_MOVETO: {
        const LogPoint q = pointYX(p);
        player_.moveTo(q.x, q.y);
        break;
      }
      case META_LINETO: {
        const LogPoint q = pointYX(p);
        player_.lineTo(q.x, q.y);
        break;
      }
      case META_POLYLINE:
      case META_POLYGON: {
        const std::vector<LogPoint> pts = points(p, p.u16());
        if (fn == META_POLYLINE)
          player_.polyline(pts);
        else
          player_.polygon(pts);
        break;
      }
      case META_POLYPOLYGON: {
        const int n = p.u16();
        std::vector<int> counts;
        for (int i = 0; i < n; ++i) counts.push_back(p.u16());
        std::vector<std::vector<LogPoint>> polys;
        for (int c : counts) polys.push_back(points(p, std::size_t(c)));
        player_.polyPolygon(polys);
        break;
      }
      case META_RECTANGLE:
      case META_ELLIPSE: {
        const double b = p.i16(), r = p.i16(), t = p.i16(), l = p.i16();
        if (fn == META_RECTANGLE)
          player_.rectangle(l, t, r, b);
        else
          player_.ellipse(l, t, r, b);
        break;
      }
      case META_ROUNDRECT: {
        const double h = p.i16(), w = p.i16(), b = p.i16(), r = p.i16(), t = p.i16(), l = p.i16();
        player_.roundRect(l, t, r, b, w, h);
        break;
      }
      case META_ARC:
      case META_PIE:
      case META_CHORD: {
        const double ye = p.i16(), xe = p.i16(), ys = p.i16(), xs = p.i16();
        const double b = p.i16(), r = p.i16(), t = p.i16(), l = p.i16();
        const auto kind = fn == META_ARC   ? MetafilePlayer::ArcKind::Arc
                          : fn == META_PIE ? MetafilePlayer::ArcKind::Pie
                                           : MetafilePlayer::ArcKind::Chord;
        player_.arc(kind, l, t, r, b, xs, ys, xe, ye);
        break;
      }
      case META_SETPIXEL: {
        const gdi::TColor c = colorRef(p.u32());
        const LogPoint q = pointYX(p);
        player_.setPixel(q.x, q.y, c);
        break;
      }
      case META_TEXTOUT: {
        const std::size_t n = p.u16();
        const auto text = p.bytes(n);
        p.skip(n & 1);
        const LogPoint q = pointYX(p);
        player_.textOut(q.x, q.y, latin1ToUtf8(text.data(), text.size()));
        break;
      }
      case META_EXTTEXTOUT: {
        const LogPoint q = pointYX(p);
        const std::size_t n = p.u16();
        const std::uint16_t options = p.u16();
        if (options & 0x0006) {  // ETO_OPAQUE, ETO_CLIPPED: a rectangle follows
          const double l = p.i16(), t = p.i16(), r = p.i16(), b = p.i16();
          if (options & 0x0002) player_.fillOpaque(l, t, r, b);
        }
        const auto text = p.bytes(std::min(n, p.left()));
        player_.textOut(q.x, q.y, latin1ToUtf8(text.data(), text.size()));
        break;
      }
      case META_PATBLT: {
        const std::uint32_t rop = p.u32();
        const double h = p.i16(), w = p.i16(), y = p.i16(), x = p.i16();
        player_.fillWithBrush(x, y, x + w, y + h, rop);
        break;
      }
      case META_DIBBITBLT:
      case META_DIBSTRETCHBLT:
        blit(fn, words, p);
        break;
      case META_STRETCHDIB: {
        const std::uint32_t rop = p.u32();
        p.skip(2);  // colour usage
        const int sh = p.i16(), sw = p.i16(), sy = p.i16(), sx = p.i16();
        const double dh = p.i16(), dw = p.i16(), dy = p.i16(), dx = p.i16();
        const gdi::Bitmap dib = readPackedDib(p.bytes(p.left()));
        // DIB source coordinates count from the bottom-left corner.
        player_.stretchBlt(dx, dy, dw, dh, &dib, sx, dib.height() - sy - sh, sw, sh, rop);
        break;
      }
      case META_SETDIBTODEV: {
        p.skip(2);  // colour usage
        const int scans = p.u16(), start = p.u16();
        const int sy = p.i16(), sx = p.i16(), h = p.i16(), w = p.i16();
        const double dy = p.i16(), dx = p.i16();
        (void)scans;
        (void)start;
        const gdi::Bitmap dib = readPackedDib(p.bytes(p.left()));
        player_.stretchBlt(dx, dy, w, h, &dib, sx, dib.height() - sy - h, w, h, 0x00CC0020);
        break;
      }
      default:
        break;  // records we do not play
    }
  }

  // DIBBITBLT and DIBSTRETCHBLT, with or without a source bitmap (without
  // one they are pattern blits). The parameter count of the bitmap-less form
  // is in the function number's high byte.
  void blit(std::uint16_t fn, std::uint32_t words, ByteReader& p) {
    const bool hasBitmap = words != std::uint32_t(fn >> 8) + 3;
    const bool stretch = fn == META_DIBSTRETCHBLT;
    const std::uint32_t rop = p.u32();
    int sh = 0, sw = 0;
    if (stretch) sh = p.i16(), sw = p.i16();
    const int sy = p.i16(), sx = p.i16();
    if (!hasBitmap) p.skip(2);
    const double dh = p.i16(), dw = p.i16(), dy = p.i16(), dx = p.i16();
    if (!stretch) sh = int(dh), sw = int(dw);
    if (!hasBitmap) {
      player_.fillWithBrush(dx, dy, dx + dw, dy + dh, rop);
      return;
    }
    const gdi::Bitmap dib = readPackedDib(p.bytes(p.left()));
    player_.stretchBlt(dx, dy, dw, dh, &dib, sx, sy, sw, sh, rop);
  }

  std::span<const std::uint8_t> bytes_;
  WmfLayout layout_;
  MetafilePlayer player_;
};

}  // namespace

gdi::Size wmfSize(std::span<const std::uint8_t> bytes) {
  const WmfLayout l = layoutOf(bytes);
  if (l.placeable) {
    if (l.unitsPerInch == 0)
      throw PictureError(ErrorKind::InvalidPicture, "Invalid metafile header (no units)");
    return {toPixels(l.bboxRight - l.bboxLeft, l.unitsPerInch),
            toPixels(l.bboxBottom - l.bboxTop, l.unitsPerInch)};
  }
  const WindowGuess g = guessWindow(bytes, l.recordsAt);
  if (!g.ext) throw PictureError(ErrorKind::InvalidPicture, "The metafile does not state its size");
  return {std::abs(g.ext->cx), std::abs(g.ext->cy)};
}

gdi::Bitmap playWmf(std::span<const std::uint8_t> bytes) {
  const gdi::Size size = wmfSize(bytes);
  checkPictureSize(size.cx, size.cy);
  const WmfLayout layout = layoutOf(bytes);
  gdi::Bitmap picture(size.cx, size.cy);
  WmfPlayer player(bytes, layout, picture);
  player.play();
  return picture;
}

}  // namespace codecs::detail
