// Figures, wide and thin polylines and flood fills on 4000 x 4000 pictures.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Canvas.h"

namespace {

constexpr int kSide = 4000;

gdi::Bitmap& picture() {
  static gdi::Bitmap b(kSide, kSide);
  return b;
}

// A random walk of 1000 segments about 100 pixels long, kept inside the picture.
std::vector<gdi::Point> walk() {
  std::vector<gdi::Point> pts{{kSide / 2, kSide / 2}};
  std::uint32_t s = 12345;
  for (int i = 0; i < 1000; ++i) {
    s = s * 1664525u + 1013904223u;
    const double a = (s >> 8) * (6.283185307179586 / 16777216.0);
    gdi::Point p{pts.back().x + int(std::lround(100 * std::cos(a))),
                 pts.back().y + int(std::lround(100 * std::sin(a)))};
    p.x = std::clamp(p.x, 0, kSide - 1);
    p.y = std::clamp(p.y, 0, kSide - 1);
    pts.push_back(p);
  }
  return pts;
}

void BM_FilledEllipse(benchmark::State& state) {
  gdi::Canvas& c = picture().canvas();
  c.pen = {};
  c.brush.setColor(gdi::clRed);
  for (auto _ : state) c.ellipse(0, 0, kSide, kSide);
}
BENCHMARK(BM_FilledEllipse)->Unit(benchmark::kMillisecond);

void BM_Polyline(benchmark::State& state) {
  gdi::Canvas& c = picture().canvas();
  c.pen = {};
  c.pen.width = int(state.range(0));
  c.pen.mode = gdi::PenMode::Xor;
  c.pen.color = gdi::clWhite;
  const std::vector<gdi::Point> pts = walk();
  for (auto _ : state) c.polyline(pts);
}
BENCHMARK(BM_Polyline)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);

// Flood fill of the whole picture; the fill alternates between two colours so
// that every iteration fills the same 16-Mpixel area.
void floodBench(benchmark::State& state, void (*setBrush)(gdi::Brush&)) {
  gdi::Bitmap& b = picture();
  b.fill(gdi::clWhite);
  gdi::Canvas& c = b.canvas();
  c.pen = {};
  setBrush(c.brush);
  for (auto _ : state) c.floodFill(10, 10, gdi::clBlack, gdi::FillStyle::Border);
}

void BM_FloodFillSolid(benchmark::State& state) {
  floodBench(state, [](gdi::Brush& br) { br.setColor(gdi::clBlue); });
}
BENCHMARK(BM_FloodFillSolid)->Unit(benchmark::kMillisecond);

void BM_FloodFillSurfaceSolid(benchmark::State& state) {
  gdi::Bitmap& b = picture();
  b.fill(gdi::clWhite);
  gdi::Canvas& c = b.canvas();
  c.pen = {};
  c.pen.mode = gdi::PenMode::Not;  // white <-> black, so each pass fills the whole picture
  c.brush.setColor(gdi::clBlack);
  bool white = true;
  for (auto _ : state) {
    c.floodFill(10, 10, white ? gdi::clWhite : gdi::clBlack, gdi::FillStyle::Surface);
    white = !white;
  }
}
BENCHMARK(BM_FloodFillSurfaceSolid)->Unit(benchmark::kMillisecond);

void BM_FloodFillHatch(benchmark::State& state) {
  floodBench(state, [](gdi::Brush& br) {
    br.setColor(gdi::clBlue);
    br.setStyle(gdi::BrushStyle::DiagCross);
  });
}
BENCHMARK(BM_FloodFillHatch)->Unit(benchmark::kMillisecond);

void BM_FloodFillPattern(benchmark::State& state) {
  floodBench(state, [](gdi::Brush& br) {
    gdi::Bitmap tile(8, 8);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) tile.setPixel(x, y, gdi::RGB(x * 30, y * 30, 0x80));
    br.setBitmap(tile);
  });
}
BENCHMARK(BM_FloodFillPattern)->Unit(benchmark::kMillisecond);

}  // namespace
