#pragma once
// Clipboard data holding one picture, offered as image/bmp, image/png and
// Qt's own image type. The files are encoded only when another program asks
// for them, so copying a large picture costs no encoding.
#include <QImage>
#include <QMimeData>

namespace ui {

class BitmapMimeData : public QMimeData {
  Q_OBJECT
 public:
  explicit BitmapMimeData(QImage image);

  const QImage& image() const { return image_; }
  QStringList formats() const override;
  bool hasFormat(const QString& mimeType) const override;

 protected:
  QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

 private:
  QImage image_;
};

}  // namespace ui
