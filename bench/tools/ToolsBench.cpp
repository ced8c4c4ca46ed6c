// Painting tools on a 4000 x 4000 picture: per mouse event for strokes and
// rubber bands, per fill for the flood and gradient fills.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Canvas.h"
#include "tools/engine/DrawingState.h"
#include "tools/engine/GradientFills.h"
#include "tools/engine/PenSetup.h"
#include "tools/engine/RubberBand.h"
#include "tools/engine/Spray.h"

namespace {

constexpr int kSide = 4000;
constexpr int kEvents = 200;

gdi::Bitmap& picture() {
  static gdi::Bitmap b(kSide, kSide);
  return b;
}

// 200 mouse positions of a sweeping drag across the picture.
std::vector<gdi::Point> dragPoints() {
  std::vector<gdi::Point> pts;
  for (int i = 0; i < kEvents; ++i) {
    const double t = double(i) / kEvents;
    pts.push_back({200 + int(3500 * t), 300 + int(1500 * (1 + std::sin(6 * t)))});
  }
  return pts;
}

std::vector<gdi::TColor> gradientList() {
  std::vector<gdi::TColor> list;
  for (int i = 0; i < 120; ++i) list.push_back(gdi::RGB(2 * i, 255 - 2 * i, i));
  return list;
}

void perEvent(benchmark::State& state) {
  state.counters["per_event_us"] = benchmark::Counter(
      double(state.iterations()) * kEvents,
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}

void BM_FreehandStrokeWidth20(benchmark::State& state) {
  gdi::Canvas& c = picture().canvas();
  c.pen = {};
  c.pen.width = 20;
  c.pen.color = gdi::clBlue;
  const std::vector<gdi::Point> pts = dragPoints();
  for (auto _ : state) {
    c.moveTo(pts[0].x, pts[0].y);
    for (const gdi::Point& p : pts) c.lineTo(p.x, p.y);
    picture().takeDirty();
  }
  perEvent(state);
}
BENCHMARK(BM_FreehandStrokeWidth20)->Unit(benchmark::kMillisecond);

// A 200-move rubber-band drag: each move erases the last band and draws the next.
void rubberDrag(benchmark::State& state, tools::BandFigure figure) {
  gdi::Canvas& c = picture().canvas();
  const std::vector<gdi::Point> pts = dragPoints();
  for (auto _ : state) {
    tools::setBandPen(c, false, gdi::clWhite);
    bool first = true;
    gdi::Rect last;
    for (const gdi::Point& p : pts) tools::moveBand(c, figure, {100, 100, p.x, p.y}, first, last);
    tools::drawBandFigure(c, figure, last);
    picture().takeDirty();
  }
  perEvent(state);
}

void BM_RubberRectangleDrag(benchmark::State& state) {
  rubberDrag(state, tools::BandFigure::Rectangle);
}
BENCHMARK(BM_RubberRectangleDrag)->Unit(benchmark::kMillisecond);

void BM_RubberEllipseDrag(benchmark::State& state) {
  rubberDrag(state, tools::BandFigure::Ellipse);
}
BENCHMARK(BM_RubberEllipseDrag)->Unit(benchmark::kMillisecond);

void BM_SprayBurstWidth30(benchmark::State& state) {
  gdi::Canvas& c = picture().canvas();
  std::mt19937 rng(1);
  const tools::RandomInt random = [&](int bound) {
    return std::uniform_int_distribution<int>(0, bound - 1)(rng);
  };
  for (auto _ : state) tools::do_spray(c, 2000, 2000, 30, gdi::clRed, false, random);
}
BENCHMARK(BM_SprayBurstWidth30)->Unit(benchmark::kMicrosecond);

void BM_FloodFillPattern(benchmark::State& state) {
  gdi::Bitmap pattern(8, 8);
  pattern.canvas().pen.color = gdi::clRed;
  pattern.canvas().moveTo(0, 0);
  pattern.canvas().lineTo(8, 8);
  tools::DrawingState s;
  s.PlainFill = false;
  s.PatternFill = true;
  for (auto _ : state) {
    state.PauseTiming();
    picture().fill(gdi::clWhite);
    state.ResumeTiming();
    gdi::Canvas& c = picture().canvas();
    tools::set_itback(s, c, &pattern);
    c.floodFill(10, 10, picture().pixel(10, 10), gdi::FillStyle::Surface);
  }
}
BENCHMARK(BM_FloodFillPattern)->Unit(benchmark::kMillisecond);

void BM_AreaGradientFill(benchmark::State& state) {
  const std::vector<gdi::TColor> list = gradientList();
  static gdi::Bitmap undo;
  for (auto _ : state) {
    state.PauseTiming();
    picture().fill(gdi::clWhite);
    state.ResumeTiming();
    if (state.range(0))
      tools::Hdogradfill(picture(), undo, 10, 10, list);
    else
      tools::Vdogradfill(picture(), undo, 10, 10, list);
  }
}
BENCHMARK(BM_AreaGradientFill)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_BoxGradientFill(benchmark::State& state) {
  const std::vector<gdi::TColor> list = gradientList();
  gdi::Canvas& c = picture().canvas();
  c.pen = {};
  for (auto _ : state) {
    if (state.range(0))
      tools::Hdogradboxfill(c, 0, 0, kSide, kSide, list);
    else
      tools::Vdogradboxfill(c, 0, 0, kSide, kSide, list);
  }
}
BENCHMARK(BM_BoxGradientFill)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_GradientFrame(benchmark::State& state) {
  const std::vector<gdi::TColor> list = gradientList();
  gdi::Canvas& c = picture().canvas();
  c.pen = {};
  for (auto _ : state) tools::Hdogradrectfill(c, 0, 0, kSide, kSide, list, gdi::clWhite);
}
BENCHMARK(BM_GradientFrame)->Unit(benchmark::kMillisecond);

void BM_GradientGlobe(benchmark::State& state) {
  const std::vector<gdi::TColor> list = gradientList();
  gdi::Canvas& c = picture().canvas();
  c.pen = {};
  for (auto _ : state) tools::globe(c, 0, 0, kSide, kSide, list);
}
BENCHMARK(BM_GradientGlobe)->Unit(benchmark::kMillisecond);

void BM_GradientTubes(benchmark::State& state) {
  const std::vector<gdi::TColor> list = gradientList();
  gdi::Canvas& c = picture().canvas();
  c.pen = {};
  for (auto _ : state) tools::dogradtubes(c, {100, 100}, {3900, 3500}, 90, gdi::clBlack, list);
}
BENCHMARK(BM_GradientTubes)->Unit(benchmark::kMillisecond);

}  // namespace
