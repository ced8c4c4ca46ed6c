#pragma once
// Pictures decoded by Qt's image readers (PNG entries of icons, images other
// programs put on the clipboard) within the same size limit as our own
// readers. Qt refuses anything above its own allocation limit (128 MB by
// default, less than a large photograph), so that limit is raised to ours
// and the size a header announces is checked against ours before reading.
#include <QByteArray>
#include <QImage>

class QIODevice;

namespace codecs {

// Reads one image from `device` (`format` empty: recognised by its
// contents). A null image when Qt cannot read it; throws
// PictureError(TooLarge) when it is larger than we accept.
QImage readQtImage(QIODevice& device, const QByteArray& format = {});
QImage readQtImage(const QByteArray& bytes, const QByteArray& format = {});

}  // namespace codecs
