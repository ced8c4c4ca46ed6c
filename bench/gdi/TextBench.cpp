// Text output: 100 characters at the default size, level and turned, and a
// word-wrapped paragraph.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/gdi/Canvas.h"

using namespace gdi;

namespace {

const std::string kHundred =
    "The quick brown fox jumps over the lazy dog while 0123456789 digits and more words fill it up "
    "nicely";

void runTextOut(benchmark::State& state, int escapement, bool opaque) {
  Bitmap b(1000, 1000);
  Canvas& c = b.canvas();
  c.font.escapement = escapement;
  if (!opaque) c.brush.setStyle(BrushStyle::Clear);
  for (auto _ : state) {
    c.textOut(100, 500, kHundred);
    benchmark::DoNotOptimize(b.row(0));
  }
}

void BM_TextOut_100Chars(benchmark::State& s) { runTextOut(s, 0, false); }
void BM_TextOut_100Chars_Opaque(benchmark::State& s) { runTextOut(s, 0, true); }
void BM_TextOut_100Chars_Rotated30(benchmark::State& s) { runTextOut(s, 300, false); }

void BM_DrawText_WordBreak(benchmark::State& state) {
  Bitmap b(400, 400);
  Canvas& c = b.canvas();
  c.brush.setStyle(BrushStyle::Clear);
  const std::string text = kHundred + " " + kHundred + " " + kHundred;
  for (auto _ : state) {
    Rect r{0, 0, 300, 400};
    c.drawText(text, r, DT_WORDBREAK | DT_CENTER);
    benchmark::DoNotOptimize(b.row(0));
  }
}

}  // namespace

BENCHMARK(BM_TextOut_100Chars)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TextOut_100Chars_Opaque)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TextOut_100Chars_Rotated30)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawText_WordBreak)->Unit(benchmark::kMicrosecond);
