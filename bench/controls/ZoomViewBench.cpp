// The zoom view over a 4000 x 4000 picture in a 1000 x 700 view: rendering
// the frame at 100 %, 400 % and 1000 % and with the whole picture shrunk in
// (zoom 0), and a full repaint through the widget's paint event.
#include <benchmark/benchmark.h>

#include <QImage>

#include "bench/support/BenchPictures.h"
#include "controls/TZoomImage.h"

namespace {

constexpr int kSide = 4000;

// Smooth ramps with noise on top: shrinking has something to combine.
gdi::Bitmap picture() { return bench_support::noisyRamps(kSide, 32); }

TZoomImage& view(int zoom) {
  static TZoomImage* zm = [] {
    auto* z = new TZoomImage;
    z->resize(1000, 700);
    z->setBitmap(picture());
    return z;
  }();
  zm->setZoomValue(0);
  zm->setXCenter(kSide / 2);
  zm->setYCenter(kSide / 2);
  zm->setZoomValue(zoom);
  return *zm;
}

// Every pass marks a pixel of the bitmap changed so the frame is really
// rendered again.
void touch(TZoomImage& zm) { zm.Bitmap().markDirty({0, 0, 1, 1}); }

void BM_ZoomRender(benchmark::State& state) {
  TZoomImage& zm = view(int(state.range(0)));
  for (auto _ : state) {
    touch(zm);
    benchmark::DoNotOptimize(zm.renderFrame().row(0));
  }
  state.counters["zoom"] = zm.zoomValue();
}
BENCHMARK(BM_ZoomRender)->Arg(100)->Arg(400)->Arg(1000)->Arg(0)->Unit(benchmark::kMillisecond);

// Render plus drawing the frame through the paint event.
void BM_ZoomRepaint(benchmark::State& state) {
  TZoomImage& zm = view(int(state.range(0)));
  QImage target(zm.size(), QImage::Format_RGB32);
  for (auto _ : state) {
    touch(zm);
    zm.render(&target);
    benchmark::DoNotOptimize(target.constBits());
  }
}
BENCHMARK(BM_ZoomRepaint)->Arg(100)->Arg(400)->Arg(1000)->Arg(0)->Unit(benchmark::kMillisecond);

// A repaint with nothing changed reuses the cached frame.
void BM_ZoomRepaintUnchanged(benchmark::State& state) {
  TZoomImage& zm = view(400);
  QImage target(zm.size(), QImage::Format_RGB32);
  for (auto _ : state) {
    zm.render(&target);
    benchmark::DoNotOptimize(target.constBits());
  }
}
BENCHMARK(BM_ZoomRepaintUnchanged)->Unit(benchmark::kMillisecond);

}  // namespace
