#include "platform/ui/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>
#include <QMimeData>

#include <new>

#include "platform/codecs/PictureError.h"
#include "platform/codecs/QtImageRead.h"
#include "platform/ui/BitmapMimeData.h"
#include "platform/ui/QtBitmap.h"

namespace ui {

namespace {

QClipboard* system() {
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard()
                                                                      : nullptr;
}

// The first image/* format of `data` that Qt can decode, within the size
// limit of picture files.
QImage decodeAnyImage(const QMimeData& data) {
  if (const auto* ours = qobject_cast<const BitmapMimeData*>(&data)) return ours->image();
  const QList<QByteArray> readable = QImageReader::supportedMimeTypes();
  for (const QString& format : data.formats()) {
    if (!format.startsWith(QLatin1String("image/")) || !readable.contains(format.toLatin1()))
      continue;
    QImage image = codecs::readQtImage(data.data(format));
    if (!image.isNull()) return image;
  }
  if (data.hasImage()) {
    QImage image = qvariant_cast<QImage>(data.imageData());
    if (!image.isNull()) codecs::checkPictureSize(image.width(), image.height());
    return image;
  }
  return {};
}

bool offersImage(const QMimeData& data) {
  if (data.hasImage()) return true;
  const QList<QByteArray> readable = QImageReader::supportedMimeTypes();
  for (const QString& format : data.formats())
    if (format.startsWith(QLatin1String("image/")) && readable.contains(format.toLatin1()))
      return true;
  return false;
}

}  // namespace

QtClipboard::QtClipboard() {
  if (QClipboard* c = system()) {
    // Any change made elsewhere replaces our claim.
    watch_ = QObject::connect(c, &QClipboard::dataChanged, [this] {
      if (!changing_) claimed_ = false;
    });
  }
}

QtClipboard::~QtClipboard() { QObject::disconnect(watch_); }

template <class Change>
void QtClipboard::change(Change&& c) {
  changing_ = true;
  c(*system());
  changing_ = false;
}

bool QtClipboard::available() const { return system() != nullptr; }

bool QtClipboard::hasBitmap() const {
  QClipboard* c = system();
  if (!c) return false;
  if (claimed_) return true;
  const QMimeData* data = c->mimeData();
  return data && offersImage(*data);
}

bool QtClipboard::claimFormat() {
  if (!available()) return false;
  claimed_ = true;
  return true;
}

bool QtClipboard::setBitmap(const gdi::Bitmap& bitmap) {
  if (!available()) return false;
  if (bitmap.empty()) return clear();
  // A deep copy: the clipboard outlives the caller's bitmap.
  QImage image = sharedImage(bitmap).convertToFormat(QImage::Format_RGB32);
  change([&](QClipboard& c) { c.setMimeData(new BitmapMimeData(std::move(image))); });
  claimed_ = false;
  return true;
}

gdi::Bitmap QtClipboard::bitmap() const {
  QClipboard* c = system();
  if (!c) return {};
  const QMimeData* data = c->mimeData();
  if (!data) return {};
  try {
    return toBitmap(decodeAnyImage(*data));
  } catch (const codecs::PictureError&) {  // larger than any picture we open
    return {};
  } catch (const gdi::ResourceError&) {
    return {};
  } catch (const std::bad_alloc&) {
    return {};
  }
}

bool QtClipboard::clear() {
  if (!available()) return false;
  change([](QClipboard& c) { c.clear(); });
  claimed_ = false;
  return true;
}

}  // namespace ui
