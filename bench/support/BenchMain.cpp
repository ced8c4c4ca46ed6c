// Benchmark entry: an application object on the offscreen platform, because
// text rendering needs one. Programs that link Qt Widgets (the controls) get a
// QApplication so they can create widgets; the others a QGuiApplication.
#include <benchmark/benchmark.h>

#include <cstdlib>

#if __has_include(<QApplication>)
#include <QApplication>
using BenchApplication = QApplication;
#else
#include <QGuiApplication>
using BenchApplication = QGuiApplication;
#endif

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  BenchApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
