// Start-up shared by the fuzz targets: text records of metafiles draw glyphs,
// which needs a QGuiApplication on the offscreen platform. Qt's warnings about
// broken PNG data are silenced; they say nothing the fuzzer needs.
#include <QGuiApplication>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  static QGuiApplication* app = new QGuiApplication(*argc, *argv);
  (void)app;
  return 0;
}
