#include "platform/ui/QtBitmap.h"

#include <QPainter>
#include <cstring>

namespace ui {

QImage sharedImage(gdi::Bitmap& bitmap) {
  if (bitmap.empty()) return {};
  return QImage(reinterpret_cast<uchar*>(bitmap.bits()), bitmap.width(), bitmap.height(),
                qsizetype(bitmap.width()) * 4, QImage::Format_RGBX8888);
}

QImage sharedImage(const gdi::Bitmap& bitmap) {
  if (bitmap.empty()) return {};
  return QImage(reinterpret_cast<const uchar*>(bitmap.bits()), bitmap.width(), bitmap.height(),
                qsizetype(bitmap.width()) * 4, QImage::Format_RGBX8888);
}

gdi::Bitmap toBitmap(const QImage& image) {
  if (image.isNull()) return {};
  QImage rgb;
  if (image.hasAlphaChannel()) {
    rgb = QImage(image.size(), QImage::Format_RGBX8888);
    rgb.fill(Qt::white);
    QPainter p(&rgb);
    p.drawImage(0, 0, image);
  } else {
    rgb = image.convertToFormat(QImage::Format_RGBX8888);
  }
  gdi::Bitmap b(rgb.width(), rgb.height());
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* src = reinterpret_cast<const std::uint32_t*>(rgb.constScanLine(y));
    std::uint32_t* dst = b.row(y);
    for (int x = 0; x < rgb.width(); ++x) dst[x] = src[x] & 0xFFFFFFu;
  }
  return b;
}

}  // namespace ui
