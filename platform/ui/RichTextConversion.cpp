#include "platform/ui/RichTextConversion.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>

namespace ui {

namespace {

Qt::Alignment toQt(Alignment a) {
  switch (a) {
    case Alignment::Left:
      return Qt::AlignLeft;
    case Alignment::Center:
      return Qt::AlignHCenter;
    case Alignment::Right:
      return Qt::AlignRight;
    case Alignment::Justify:
      return Qt::AlignJustify;
  }
  return Qt::AlignLeft;
}

Alignment fromQt(Qt::Alignment a) {
  if (a & Qt::AlignHCenter) return Alignment::Center;
  if (a & Qt::AlignRight) return Alignment::Right;
  if (a & Qt::AlignJustify) return Alignment::Justify;
  return Alignment::Left;
}

QTextCharFormat toQt(const CharFormat& f) {
  QTextCharFormat q;
  if (!f.font.isEmpty()) q.setFontFamilies({f.font});
  q.setFontPointSize(f.halfPoints / 2.0);
  q.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
  q.setFontItalic(f.italic);
  q.setFontUnderline(f.underline);
  q.setFontStrikeOut(f.strike);
  if (f.color)
    q.setForeground(
        QColor(gdi::GetRValue(*f.color), gdi::GetGValue(*f.color), gdi::GetBValue(*f.color)));
  return q;
}

namespace {

// Our fonts are set in pixels at 96 dpi; Qt reports no point size for them.
double pointsFromPixels(int pixels) { return pixels * 72.0 / 96.0; }

// A run may carry both sizes when a pixel-sized font was merged over text
// that had a point size; the pixel size, set last, is the one shown.
double pointsOf(const QTextCharFormat& q, const QFont& base) {
  const int pixels = q.intProperty(QTextFormat::FontPixelSize);
  if (pixels > 0) return pointsFromPixels(pixels);
  if (q.fontPointSize() > 0) return q.fontPointSize();
  if (base.pointSizeF() > 0) return base.pointSizeF();
  if (base.pixelSize() > 0) return pointsFromPixels(base.pixelSize());
  return QFont().pointSizeF();
}

}  // namespace

CharFormat fromQt(const QTextCharFormat& q, const QFont& base) {
  CharFormat f;
  const QStringList families = q.fontFamilies().toStringList();
  f.font = families.isEmpty() ? base.family() : families.front();
  f.halfPoints = std::max(2, int(std::lround(pointsOf(q, base) * 2)));
  f.bold = q.fontWeight() >= QFont::DemiBold;
  f.italic = q.fontItalic();
  f.underline = q.fontUnderline();
  f.strike = q.fontStrikeOut();
  if (q.foreground().style() != Qt::NoBrush) {
    const QColor c = q.foreground().color();
    f.color = gdi::RGB(c.red(), c.green(), c.blue());
  }
  return f;
}

}  // namespace

void toTextDocument(const RichDocument& rich, QTextDocument& doc) {
  doc.clear();
  QTextCursor cursor(&doc);
  bool first = true;
  for (const Paragraph& p : rich.paragraphs) {
    QTextBlockFormat block;
    block.setAlignment(toQt(p.alignment));
    if (first)
      cursor.setBlockFormat(block);
    else
      cursor.insertBlock(block);
    first = false;
    for (const TextRun& r : p.runs) cursor.insertText(r.text, toQt(r.format));
  }
}

RichDocument fromTextDocument(const QTextDocument& doc) {
  RichDocument rich;
  const QFont base = doc.defaultFont();
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
    Paragraph p;
    p.alignment = fromQt(b.blockFormat().alignment());
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment frag = it.fragment();
      if (frag.isValid()) p.append(frag.text(), fromQt(frag.charFormat(), base));
    }
    rich.paragraphs.push_back(std::move(p));
  }
  // A document always has one block; an empty one is an empty document.
  if (rich.paragraphs.size() == 1 && rich.paragraphs[0].runs.empty()) rich.paragraphs.clear();
  return rich;
}

}  // namespace ui
