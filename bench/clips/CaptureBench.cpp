// Cutting clips out of a 4000 x 4000 picture: a 500-point lasso outline, the
// circular capture and the plain box, each over most of the picture.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>

#include "clips/engine/CircleCapture.h"
#include "clips/engine/OutlineCapture.h"
#include "platform/gdi/Bitmap.h"

namespace {

constexpr int kSide = 4000;

const gdi::Bitmap& picture() {
  static const gdi::Bitmap b = [] {
    gdi::Bitmap p(kSide, kSide);
    for (int y = 0; y < kSide; ++y) {
      std::uint32_t* row = p.row(y);
      for (int x = 0; x < kSide; ++x)
        row[x] = std::uint32_t(gdi::RGB(x * 7, y * 5, (x ^ y) & 0xFF));
    }
    return p;
  }();
  return b;
}

// A wavy star of 500 vertices round the centre, reaching 3800 across.
std::array<gdi::Point, 500> star() {
  std::array<gdi::Point, 500> pts{};
  for (int i = 0; i < 500; ++i) {
    const double a = i * (6.283185307179586 / 500);
    const double r = 1500 + 400 * std::sin(a * 17);
    pts[std::size_t(i)] = {kSide / 2 + int(std::lround(r * std::cos(a))),
                           kSide / 2 + int(std::lround(r * std::sin(a)))};
  }
  return pts;
}

void BM_OutlineCapture500Points(benchmark::State& state) {
  const auto pts = star();
  for (auto _ : state) {
    clips::Capture c = clips::captureOutline(picture(), pts, 500, {kSide, kSide});
    benchmark::DoNotOptimize(c.clip.bits());
  }
}
BENCHMARK(BM_OutlineCapture500Points)->Unit(benchmark::kMillisecond);

void BM_CircleCapture(benchmark::State& state) {
  for (auto _ : state) {
    clips::Capture c = clips::captureEllipse(picture(), {100, 100}, {3900, 3900});
    benchmark::DoNotOptimize(c.clip.bits());
  }
}
BENCHMARK(BM_CircleCapture)->Unit(benchmark::kMillisecond);

void BM_CircleCaptureAtTheEdge(benchmark::State& state) {
  for (auto _ : state) {
    clips::Capture c = clips::captureEllipse(picture(), {-500, -500}, {3500, 3500});
    benchmark::DoNotOptimize(c.clip.bits());
  }
}
BENCHMARK(BM_CircleCaptureAtTheEdge)->Unit(benchmark::kMillisecond);

void BM_BoxCapture(benchmark::State& state) {
  std::array<gdi::Point, 500> pts{};
  pts.fill({3900, 3900});
  pts[1] = {100, 3900};
  pts[2] = {100, 100};
  pts[3] = {3900, 100};
  for (auto _ : state) {
    clips::Capture c = clips::captureBoxInside(picture(), pts, 5, {kSide, kSide});
    benchmark::DoNotOptimize(c.clip.bits());
  }
}
BENCHMARK(BM_BoxCapture)->Unit(benchmark::kMillisecond);

}  // namespace
