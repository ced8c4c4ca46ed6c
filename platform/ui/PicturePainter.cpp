#include "platform/ui/PicturePainter.h"

#include <QPainter>

namespace ui {

namespace {

// A QImage sharing just `part` of the bitmap's rows (no copy, no conversion
// of the rest of the picture).
QImage sharedPart(const gdi::Bitmap& b, const QRect& part) {
  const auto* first = reinterpret_cast<const uchar*>(b.row(part.top()) + part.left());
  return QImage(first, part.width(), part.height(), qsizetype(b.width()) * 4,
                QImage::Format_RGBX8888);
}

// A copy of `part` in which the key colour is fully transparent.
QImage keyedPart(const gdi::Bitmap& b, const QRect& part) {
  const auto key = std::uint32_t(b.transparentColor()) & 0xFFFFFFu;
  QImage out(part.size(), QImage::Format_RGBA8888);
  for (int y = 0; y < part.height(); ++y) {
    const std::uint32_t* src = b.row(part.top() + y) + part.left();
    auto* dst = reinterpret_cast<std::uint32_t*>(out.scanLine(y));
    // RGBA8888 in memory is R, G, B, A: the TColor layout with alpha in the top byte.
    for (int x = 0; x < part.width(); ++x) {
      const std::uint32_t c = src[x] & 0xFFFFFFu;
      dst[x] = c == key ? 0u : c | 0xFF000000u;
    }
  }
  return out;
}

}  // namespace

void paintPicture(QPainter& painter, const gdi::Bitmap& bitmap, const PictureMapping& m,
                  const QRegion& region, bool transparent) {
  if (bitmap.empty()) return;
  for (const QRect& r : region) {
    const QRect part = m.picturePart(r);
    if (part.isEmpty()) continue;
    const QRectF target = m.toControlF(part);
    const QImage image = transparent ? keyedPart(bitmap, part) : sharedPart(bitmap, part);
    painter.drawImage(target, image);
  }
}

}  // namespace ui
