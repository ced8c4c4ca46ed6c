// Mouse events on a 4000 x 4000 picture in the main window, each with the
// repaint of what it changed on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

#include "app/RecoveryKeeper.h"
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

// ----- recovery copies ------------------------------------------------------------

app::RecoveryKeeper& recovery() {
  static QTemporaryDir folder;
  TPbook1& m = studio();
  if (!m.recovery()) m.startRecovery(folder.path());
  return *m.recovery();
}

// The brush stroke's mouse events one by one, with a recovery copy of the
// 4000 x 4000 picture handed to the writer's thread just before each stroke
// (`writing`) or not. Counters: the mean event, the slowest move, the mean
// press, and the share of events that ran while the copy was still being
// written.
void strokeBesideRecovery(benchmark::State& state, bool writing) {
  studio();
  app::RecoveryKeeper& keeper = recovery();
  TForm3& palette = *app::windows().Form3;
  bench_windows::command("BitBtn5");
  palette.SpinEdit1->setValue(20);
  const std::vector<QPoint> pts = dragPoints();
  using Clock = std::chrono::steady_clock;
  double total = 0, slowestMove = 0, presses = 0;
  std::int64_t events = 0, duringWrite = 0, pressCount = 0;
  const auto timed = [&](QEvent::Type type, QPoint at, Qt::MouseButton b, Qt::MouseButtons held) {
    const auto t0 = Clock::now();
    bench_windows::mouse(type, at, b, held);
    const double us = std::chrono::duration<double, std::micro>(Clock::now() - t0).count();
    total += us;
    if (type == QEvent::MouseMove) slowestMove = std::max(slowestMove, us);
    if (type == QEvent::MouseButtonPress) {
      presses += us;
      ++pressCount;
    }
    ++events;
    if (keeper.writer().busy()) ++duringWrite;
  };
  for (auto _ : state) {
    if (writing) {
      state.PauseTiming();
      keeper.writer().waitIdle();
      gdi::Bitmap snapshot = studio().picture();
      snapshot.bits();
      keeper.writer().write(std::move(snapshot), QStringLiteral("TEMP.BMP"));
      state.ResumeTiming();
    }
    timed(QEvent::MouseButtonPress, {20, 20}, Qt::LeftButton, Qt::LeftButton);
    for (const QPoint& p : pts) timed(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
    timed(QEvent::MouseButtonRelease, pts.back(), Qt::LeftButton, Qt::NoButton);
  }
  keeper.writer().waitIdle();
  const auto perEvent = [](double sum, std::int64_t n) {
    return sum / double(std::max<std::int64_t>(n, 1));
  };
  state.counters["per_event_us"] = perEvent(total, events);
  state.counters["slowest_move_us"] = slowestMove;
  state.counters["press_us"] = perEvent(presses, pressCount);
  state.counters["events_during_write"] = perEvent(double(duringWrite), events);
}

void BM_WindowBrushStrokeWithoutRecoveryWrite(benchmark::State& state) {
  strokeBesideRecovery(state, false);
}
BENCHMARK(BM_WindowBrushStrokeWithoutRecoveryWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WindowBrushStrokeDuringRecoveryWrite(benchmark::State& state) {
  strokeBesideRecovery(state, true);
}
BENCHMARK(BM_WindowBrushStrokeDuringRecoveryWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

// The window thread's share of a copy: the 4000 x 4000 snapshot.
void BM_RecoverySnapshot4000(benchmark::State& state) {
  const gdi::Bitmap& picture = studio().picture();
  for (auto _ : state) {
    gdi::Bitmap snapshot = picture;
    snapshot.bits();
    benchmark::DoNotOptimize(snapshot.bits());
  }
}
BENCHMARK(BM_RecoverySnapshot4000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The writer's share: the copy written to disk (BMP and side file, safe saves).
void BM_RecoveryWrite4000(benchmark::State& state) {
  app::RecoveryKeeper& keeper = recovery();
  for (auto _ : state) {
    keeper.writer().write(studio().picture(), QStringLiteral("TEMP.BMP"));
    keeper.writer().waitIdle();
  }
}
BENCHMARK(BM_RecoveryWrite4000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
