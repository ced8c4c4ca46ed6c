// Resizing a 4000 x 4000 picture to 2000 x 2000 through the JPEG fast path
// and through the stretch, and the two halves of the fast path apart.
//
// With QM_RESIZE_BMP=<file> the picture is also written as a BMP file, so
// other programs can be timed on the same picture.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QString>
#include <cstdlib>
#include <filesystem>

#include "bench/support/BenchPictures.h"
#include "document/engine/Resize.h"
#include "document/engine/ResizeTempFile.h"

namespace {

constexpr int kSide = 4000;
namespace fs = std::filesystem;

// Smooth ramps with mild noise: roughly what a photograph asks of JPEG.
// QM_RESIZE_BMP=<file> also writes it out, to time other tools on the same picture.
gdi::Bitmap picture() {
  gdi::Bitmap b = bench_support::noisyRamps(kSide, 16);
  if (const char* dump = std::getenv("QM_RESIZE_BMP")) {
    QImage(reinterpret_cast<const uchar*>(b.bits()), kSide, kSide, kSide * 4,
           QImage::Format_RGBX8888)
        .save(QString::fromLocal8Bit(dump), "BMP");
  }
  return b;
}

const gdi::Bitmap& source() {
  static const gdi::Bitmap b = picture();
  return b;
}

fs::path programFolder() {
  static const fs::path p = [] {
    fs::path dir = fs::temp_directory_path() / "qm-resize-bench";
    fs::create_directories(dir);
    return dir;
  }();
  return p;
}

void runResize(benchmark::State& state, bool fast) {
  document::ResizeOptions options;
  options.allowFastPath = fast;
  options.programFolder = programFolder();
  bool ranFast = false;
  for (auto _ : state) {
    state.PauseTiming();
    gdi::Bitmap p = source();
    state.ResumeTiming();
    ranFast = document::resizePicture(p, kSide / 2, kSide / 2, options).fastPath;
    benchmark::DoNotOptimize(p.row(0));
  }
  state.counters["fastPath"] = ranFast;
}

void BM_Resize_FastPath(benchmark::State& s) { runResize(s, true); }
void BM_Resize_Stretch(benchmark::State& s) { runResize(s, false); }
BENCHMARK(BM_Resize_FastPath)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Resize_Stretch)->Unit(benchmark::kMillisecond);

void BM_ResizeTempJpeg_Write(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(document::writeResizeTempJpeg(source(), programFolder()));
}
BENCHMARK(BM_ResizeTempJpeg_Write)->Unit(benchmark::kMillisecond);

void BM_ResizeTempJpeg_ReadHalf(benchmark::State& state) {
  const fs::path file = document::writeResizeTempJpeg(source(), programFolder()).file;
  state.counters["fileMB"] = double(fs::file_size(file)) / 1e6;
  for (auto _ : state)
    benchmark::DoNotOptimize(codecs::readJpegFile(file, {.scale = codecs::JpegScale::Half}));
}
BENCHMARK(BM_ResizeTempJpeg_ReadHalf)->Unit(benchmark::kMillisecond);

}  // namespace
