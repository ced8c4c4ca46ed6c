// Mouse events on a 4000 x 4000 picture in the main window, each with the
// repaint of what it changed on the offscreen platform.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "app/TPbook1.h"
#include "app/Windows.h"
#include "bench/windows/BenchStudio.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/SpinEdit.h"
#include "tools/windows/TForm3.h"

namespace {

constexpr int kSide = 4000;
constexpr int kEvents = 200;

// The studio's windows with a new picture of kSide x kSide.
TPbook1& studio() {
  TPbook1& main = bench_windows::studio();
  if (bench_windows::pictureControl().bitmap().width() != kSide)
    bench_windows::newImage(kSide, kSide);
  return main;
}

// A drag near the top left, where the window shows the picture.
std::vector<QPoint> dragPoints() {
  std::vector<QPoint> pts;
  for (int i = 0; i < kEvents; ++i) {
    const double t = double(i) / kEvents;
    pts.emplace_back(50 + int(700 * t), 60 + int(250 * (1 + std::sin(6 * t))));
  }
  return pts;
}

void runDrag(benchmark::State& state, const char* tool, int width) {
  studio();
  TForm3& palette = *app::windows().Form3;
  bench_windows::command(tool);
  palette.SpinEdit1->setValue(width);
  const std::vector<QPoint> pts = dragPoints();
  for (auto _ : state) {
    bench_windows::mouse(QEvent::MouseButtonPress, {20, 20}, Qt::LeftButton, Qt::LeftButton);
    for (const QPoint& p : pts)
      bench_windows::mouse(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
    bench_windows::mouse(QEvent::MouseButtonRelease, pts.back(), Qt::LeftButton, Qt::NoButton);
  }
  state.counters["per_event_us"] = benchmark::Counter(
      double(state.iterations()) * (kEvents + 2),
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}

void BM_WindowFreehandStrokeWidth20(benchmark::State& state) { runDrag(state, "BitBtn5", 20); }
BENCHMARK(BM_WindowFreehandStrokeWidth20)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WindowRubberRectangleDrag(benchmark::State& state) { runDrag(state, "BitBtn2", 1); }
BENCHMARK(BM_WindowRubberRectangleDrag)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
