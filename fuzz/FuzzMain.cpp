// Start-up shared by the fuzz targets: text records of metafiles draw glyphs,
// which needs a QGuiApplication on the offscreen platform and a font set-up. Qt's warnings about
// broken PNG data are silenced; they say nothing the fuzzer needs.
#include <QGuiApplication>
#include <cstdlib>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Canvas.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  static QGuiApplication* app = new QGuiApplication(*argc, *argv);
  (void)app;
  // The first text drawn loads the font configuration (seconds under the
  // sanitizers); do it here so no input is blamed for it.
  gdi::Bitmap warmUp(64, 32);
  warmUp.canvas().textOut(0, 0, "Warm up");
  return 0;
}
