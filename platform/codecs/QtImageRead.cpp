#include "platform/codecs/QtImageRead.h"

#include <QBuffer>
#include <QImageReader>
#include <mutex>

#include "platform/codecs/PictureError.h"

namespace codecs {
namespace {

// Qt counts the bytes of the decoded image, up to 8 per pixel for 16-bit
// channels; the pixel count is held to ours by the header check.
void raiseQtLimitToOurs() {
  static std::once_flag once;
  std::call_once(once, [] {
    constexpr std::int64_t kBytes = kMaxPicturePixels * 8;
    QImageReader::setAllocationLimit(int(kBytes / (1024 * 1024)));
  });
}

}  // namespace

QImage readQtImage(QIODevice& device, const QByteArray& format) {
  raiseQtLimitToOurs();
  QImageReader reader(&device, format);
  const QSize size = reader.size();
  if (size.isValid()) checkPictureSize(size.width(), size.height());
  QImage image = reader.read();
  if (!image.isNull()) checkPictureSize(image.width(), image.height());
  return image;
}

QImage readQtImage(const QByteArray& bytes, const QByteArray& format) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  return readQtImage(buffer, format);
}

}  // namespace codecs
