// Turning a 4000 x 4000 picture by 15 degrees, and a 400 x 400 clip in its
// square. With QM_ROTATE_BMP=<file> the picture is also written as a BMP
// file, so other programs can be timed on the same picture.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QString>
#include <cstdlib>

#include "clips/engine/Rotate.h"
#include "clips/engine/RotateSquare.h"

namespace {

gdi::Bitmap picture(int side) {
  gdi::Bitmap b(side, side);
  for (int y = 0; y < side; ++y) {
    std::uint32_t* row = b.row(y);
    for (int x = 0; x < side; ++x)
      row[x] = std::uint32_t(x * 255 / side) | std::uint32_t(y * 255 / side) << 8 |
               std::uint32_t(((x ^ y) & 0xFF)) << 16;
  }
  return b;
}

const gdi::Bitmap& source() {
  static const gdi::Bitmap b = [] {
    gdi::Bitmap p = picture(4000);
    if (const char* dump = std::getenv("QM_ROTATE_BMP")) {
      QImage(reinterpret_cast<const uchar*>(p.bits()), p.width(), p.height(), p.width() * 4,
             QImage::Format_RGBX8888)
          .save(QString::fromLocal8Bit(dump), "BMP");
    }
    return p;
  }();
  return b;
}

void RotatePicture4000By15(benchmark::State& state) {
  const gdi::Bitmap& src = source();
  gdi::Bitmap out(src.width(), src.height());
  for (auto _ : state) {
    clips::rotatePicture(src, out, 15);
    benchmark::DoNotOptimize(out.bits());
  }
}
BENCHMARK(RotatePicture4000By15)->Unit(benchmark::kMillisecond);

void RotateClip400By15(benchmark::State& state) {
  const gdi::Bitmap clip = picture(400);
  for (auto _ : state) benchmark::DoNotOptimize(clips::rotateClip(clip, 15).bits());
}
BENCHMARK(RotateClip400By15)->Unit(benchmark::kMillisecond);

}  // namespace
