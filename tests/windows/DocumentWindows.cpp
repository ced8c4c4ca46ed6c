#include "DocumentWindows.h"

#include <QFile>
#include <QSettings>
#include <cstdlib>

#include "app/Studio.h"

#include "document/engine/PictureFiles.h"
#include "platform/codecs/Bmp.h"
#include "platform/codecs/Jpeg.h"

namespace document_windows_test {

DocumentWindows::Before::Before() {
  // The browser's one lasting setting goes to this test's folder.
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  Tpicform1::captureSettleMs() = 0;
  oldGrabber = Tpicform1::screenGrabber();
}

DocumentWindows::Before::~Before() { Tpicform1::screenGrabber() = oldGrabber; }

DocumentWindows::DocumentWindows() = default;
DocumentWindows::~DocumentWindows() = default;

QString DocumentWindows::folder(const QString& name) const {
  const QString p = studio_.tempPath(name);
  QDir().mkpath(p);
  return p;
}

void DocumentWindows::restartWindows() {
  app::stopStudio();
  app::startStudio();
}

gdi::Bitmap quadrants(int width, int height) {
  gdi::Bitmap b(width, height);
  for (int y = 0; y < height; ++y) {
    std::uint32_t* row = b.row(y);
    for (int x = 0; x < width; ++x) {
      const bool right = x >= width / 2, bottom = y >= height / 2;
      row[x] = bottom ? (right ? 0xFF0000u : 0x00FF00u) : (right ? 0x0000FFu : 0x000000u);
    }
  }
  return b;
}

void writeJpeg(const QString& file, int width, int height, bool progressive) {
  codecs::writeJpegFile(document::toPath(file), quadrants(width, height),
                        {.quality = 90, .progressive = progressive});
}

void writeBmp(const QString& file, const gdi::Bitmap& picture) {
  codecs::writeBmpFile(document::toPath(file), picture);
}

void writeText(const QString& file, const QByteArray& bytes) {
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

void copyTestFile(const QString& name, const QString& to) {
  const char* data = std::getenv("QM_TEST_DATA");
  ASSERT_NE(data, nullptr);
  QFile::remove(to);
  ASSERT_TRUE(QFile::copy(QString::fromLocal8Bit(data) + "/" + name, to)) << name.toStdString();
}

}  // namespace document_windows_test
