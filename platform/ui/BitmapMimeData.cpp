#include "platform/ui/BitmapMimeData.h"

#include <QBuffer>

namespace ui {

namespace {
const QString kBmp = QStringLiteral("image/bmp");
const QString kPng = QStringLiteral("image/png");
const QString kQtImage = QStringLiteral("application/x-qt-image");
}  // namespace

BitmapMimeData::BitmapMimeData(QImage image) : image_(std::move(image)) {}

QStringList BitmapMimeData::formats() const { return {kQtImage, kPng, kBmp}; }

bool BitmapMimeData::hasFormat(const QString& mimeType) const {
  return formats().contains(mimeType);
}

QVariant BitmapMimeData::retrieveData(const QString& mimeType, QMetaType type) const {
  if (mimeType == kQtImage && type.id() != QMetaType::QByteArray) return image_;
  const char* format = mimeType == kBmp                           ? "BMP"
                       : mimeType == kPng || mimeType == kQtImage ? "PNG"
                                                                  : nullptr;
  if (!format) return {};
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image_.save(&buffer, format);
  return bytes;
}

}  // namespace ui
