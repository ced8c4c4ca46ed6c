// Text on a canvas. Glyphs are rendered by QtGui without anti-aliasing into a
// coverage mask, as the original platform drew text; the mask becomes spans
// painted in the font colour, so text obeys the same one-write rule, palette
// snapping and dirty marking as every other primitive. This is the only file
// of the raster layer that uses Qt.
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <list>
#include <stdexcept>

#include "platform/gdi/Canvas.h"
#include "platform/gdi/SpanPaint.h"
#include "platform/gdi/TextLayout.h"

namespace gdi {
namespace {

QString toQString(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// A resolved font: the Qt font and its integer metrics.
struct QtFont {
  std::string name;
  int height;
  unsigned style;
  QFont font;
  QFontMetrics metrics;
};

QFont baseFont(const Font& f, int pixelSize) {
  QFont q(toQString(f.name));
  q.setPixelSize(std::max(1, pixelSize));
  q.setBold(f.style & fsBold);
  q.setItalic(f.style & fsItalic);
  q.setUnderline(f.style & fsUnderline);
  q.setStrikeOut(f.style & fsStrikeOut);
  // Hard-edged glyphs, hinted and unkerned, the same on every run.
  q.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
  q.setHintingPreference(QFont::PreferFullHinting);
  q.setKerning(false);
  return q;
}

// Negative heights are the em size in pixels; positive ones the cell height
// (ascent plus descent), which the em size is scaled to meet.
int emPixels(const Font& f) {
  if (f.height < 0) return -f.height;
  if (f.height == 0) return -Font().height;
  const QFontMetricsF reference(baseFont(f, 1000));
  const double cell = reference.ascent() + reference.descent();
  return cell > 0 ? int(std::lround(f.height * 1000.0 / cell)) : f.height;
}

// Fonts are resolved on the UI thread only; the last few are kept.
const QtFont& resolve(const Font& f) {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    throw std::logic_error("Drawing text needs a running QGuiApplication");
  static std::list<QtFont> cache;
  for (auto it = cache.begin(); it != cache.end(); ++it)
    if (it->name == f.name && it->height == f.height && it->style == f.style) {
      cache.splice(cache.begin(), cache, it);
      return cache.front();
    }
  QFont q = baseFont(f, emPixels(f));
  cache.push_front(QtFont{f.name, f.height, f.style, q, QFontMetrics(q)});
  if (cache.size() > 16) cache.pop_back();
  return cache.front();
}

// A piece of text whose cell has its top left at (x, y) in text space.
struct TextRun {
  QString text;
  int x = 0;
  int y = 0;
  int width = 0;
};

// Rows of a mask with set pixels become spans (already sorted and disjoint).
SpanList maskSpans(const QImage& mask, int left, int top) {
  SpanList spans;
  for (int y = 0; y < mask.height(); ++y) {
    const uchar* row = mask.constScanLine(y);
    int x = 0;
    const int w = mask.width();
    while (x < w) {
      while (x < w && row[x] < 128) ++x;
      const int start = x;
      while (x < w && row[x] >= 128) ++x;
      if (x > start) spans.add(top + y, left + start, left + x);
    }
  }
  spans.markNormalized();
  return spans;
}

struct TextPaint {
  Point origin;
  double angle = 0;  // degrees, counter-clockwise
  const Rect* clip = nullptr;
  bool opaque = false;
  TColor background = clWhite;
  TColor color = clBlack;
};

// Draws the runs (and prefix underlines, in text space) turned by the angle
// about the origin: first the cells in the background colour when opaque,
// then the glyphs.
void paintRuns(Bitmap& bitmap, const QtFont& qf, const std::vector<TextRun>& runs,
               const std::vector<QRect>& underlines, const TextPaint& how) {
  if (runs.empty() || bitmap.empty()) return;
  const int cell = qf.metrics.height();
  QRect textArea;
  for (const TextRun& r : runs) textArea |= QRect(r.x, r.y, std::max(r.width, 1), cell);
  // Room for italic overhangs and glyphs reaching past their cell.
  const int pad = cell;
  textArea.adjust(-pad, -pad, pad, pad);

  QTransform toBitmap;
  toBitmap.translate(how.origin.x, how.origin.y);
  toBitmap.rotate(-how.angle);
  const QRectF mapped = toBitmap.mapRect(QRectF(textArea));
  Rect area{int(std::floor(mapped.left())), int(std::floor(mapped.top())),
            int(std::ceil(mapped.right())), int(std::ceil(mapped.bottom()))};
  area = area.intersected(bitmap.rect());
  if (how.clip) area = area.intersected(*how.clip);
  if (area.isEmpty()) return;

  const QTransform toMask = toBitmap * QTransform::fromTranslate(-area.left, -area.top);
  auto newMask = [&] {
    QImage m(area.width(), area.height(), QImage::Format_Grayscale8);
    m.fill(0);
    return m;
  };
  auto begin = [&](QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setTransform(toMask);
  };

  if (how.opaque) {
    QImage cells = newMask();
    {
      QPainter p(&cells);
      begin(p);
      for (const TextRun& r : runs) p.fillRect(QRect(r.x, r.y, r.width, cell), Qt::white);
    }
    paintSpans(bitmap, maskSpans(cells, area.left, area.top), Ink::solid(how.background));
  }

  QImage glyphs = newMask();
  {
    QPainter p(&glyphs);
    begin(p);
    p.setFont(qf.font);
    p.setPen(Qt::white);
    for (const TextRun& r : runs) p.drawText(QPointF(r.x, r.y + qf.metrics.ascent()), r.text);
    for (const QRect& u : underlines) p.fillRect(u, Qt::white);
  }
  paintSpans(bitmap, maskSpans(glyphs, area.left, area.top), Ink::solid(how.color));
}

}  // namespace

Size Canvas::textExtent(std::string_view utf8) const {
  const QtFont& qf = resolve(font);
  return {qf.metrics.horizontalAdvance(toQString(utf8)), qf.metrics.height()};
}

void Canvas::textOut(int x, int y, std::string_view utf8) {
  if (utf8.empty()) return;
  const QtFont& qf = resolve(font);
  const QString text = toQString(utf8);
  TextPaint how;
  how.origin = {x, y};
  how.angle = font.escapement / 10.0;
  how.opaque = !brush.isClear();
  how.background = brush.color();
  how.color = font.color;
  paintRuns(*bitmap_, qf, {TextRun{text, 0, 0, qf.metrics.horizontalAdvance(text)}}, {}, how);
}

int Canvas::drawText(std::string_view utf8, Rect& r, unsigned flags) {
  const QtFont& qf = resolve(font);
  const QFontMetrics& m = qf.metrics;
  const int lineHeight = m.height();
  const std::vector<TextLine> lines =
      layoutText(utf8, r.width(), flags, 8 * m.averageCharWidth(),
                 [&m](std::string_view s) { return m.horizontalAdvance(toQString(s)); });
  const int total = int(lines.size()) * lineHeight;
  if (flags & DT_CALCRECT) {
    int widest = 0;
    for (const TextLine& l : lines) widest = std::max(widest, l.width);
    r.right = r.left + widest;
    r.bottom = r.top + total;
    return total;
  }
  // Vertical placement applies to single lines only, as on the original platform.
  int top = r.top;
  if (flags & DT_SINGLELINE) {
    if (flags & DT_VCENTER)
      top = r.top + (r.height() - lineHeight) / 2;
    else if (flags & DT_BOTTOM)
      top = r.bottom - lineHeight;
  }
  std::vector<TextRun> runs;
  std::vector<QRect> underlines;
  const int underlineY = m.ascent() + m.underlinePos();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const TextLine& line = lines[i];
    int left = r.left;
    if (flags & DT_CENTER)
      left = r.left + (r.width() - line.width) / 2;
    else if (flags & DT_RIGHT)
      left = r.right - line.width;
    const int y = top + int(i) * lineHeight;
    for (const TextSegment& s : line.segments)
      runs.push_back({toQString(s.text), left + s.x, y, s.width});
    for (const TextUnderline& u : line.underlines)
      underlines.emplace_back(left + u.x, y + underlineY, u.width, std::max(1, m.lineWidth()));
  }
  TextPaint how;
  how.clip = (flags & DT_NOCLIP) ? nullptr : &r;
  how.opaque = !brush.isClear();
  how.background = brush.color();
  how.color = font.color;
  paintRuns(*bitmap_, qf, runs, underlines, how);
  return (top - r.top) + total;
}

}  // namespace gdi
