// Start-up shared by the fuzz targets: text records of metafiles draw glyphs,
// which needs a QGuiApplication on the offscreen platform.
#include <QGuiApplication>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QGuiApplication* app = new QGuiApplication(*argc, *argv);
  (void)app;
  return 0;
}
