// Blits over 4000 x 4000 pictures: the plain copy, the masking operations,
// a generic ternary operation and the stretch modes.
#include <benchmark/benchmark.h>

#include "bench/support/BenchPictures.h"
#include "platform/gdi/Blit.h"

using namespace gdi;

namespace {

using bench_support::noise;

constexpr int kSide = 4000;

void runBitBlt(benchmark::State& state, std::uint32_t rop, const Brush& brush) {
  static const Bitmap src = noise(kSide, kSide, 1);
  static Bitmap dst = noise(kSide, kSide, 2);
  for (auto _ : state) {
    bitBlt(dst, 0, 0, kSide, kSide, &src, 0, 0, rop, brush);
    benchmark::DoNotOptimize(dst.row(0));
  }
}

Brush solid() {
  Brush b;
  b.setColor(0x3366CC);
  return b;
}

Brush patterned() {
  Brush b;
  b.setBitmap(noise(8, 8, 3));
  return b;
}

void BM_BitBlt_SrcCopy(benchmark::State& s) { runBitBlt(s, SRCCOPY, solid()); }
void BM_BitBlt_SrcAnd(benchmark::State& s) { runBitBlt(s, SRCAND, solid()); }
void BM_BitBlt_SrcPaint(benchmark::State& s) { runBitBlt(s, SRCPAINT, solid()); }
void BM_BitBlt_SrcInvert(benchmark::State& s) { runBitBlt(s, SRCINVERT, solid()); }
void BM_BitBlt_MergePaint(benchmark::State& s) { runBitBlt(s, MERGEPAINT, solid()); }
void BM_BitBlt_NotSrcCopy(benchmark::State& s) { runBitBlt(s, NOTSRCCOPY, solid()); }
void BM_BitBlt_PatCopy(benchmark::State& s) { runBitBlt(s, PATCOPY, solid()); }
void BM_BitBlt_DstInvert(benchmark::State& s) { runBitBlt(s, DSTINVERT, solid()); }
void BM_BitBlt_Generic_SolidBrush(benchmark::State& s) { runBitBlt(s, 0x00B8074A, solid()); }
void BM_BitBlt_Generic_PatternBrush(benchmark::State& s) { runBitBlt(s, 0x00B8074A, patterned()); }
void BM_BitBlt_PatInvert_PatternBrush(benchmark::State& s) { runBitBlt(s, PATINVERT, patterned()); }

void runShrink(benchmark::State& state, StretchMode mode) {
  static const Bitmap src = noise(kSide, kSide, 4);
  static Bitmap dst(kSide / 2, kSide / 2);
  for (auto _ : state) {
    stretchBlt(dst, 0, 0, kSide / 2, kSide / 2, src, 0, 0, kSide, kSide, SRCCOPY, mode, Brush());
    benchmark::DoNotOptimize(dst.row(0));
  }
}

void BM_Stretch_Shrink_ColorOnColor(benchmark::State& s) {
  runShrink(s, StretchMode::ColorOnColor);
}
void BM_Stretch_Shrink_BlackOnWhite(benchmark::State& s) {
  runShrink(s, StretchMode::BlackOnWhite);
}
void BM_Stretch_Shrink_WhiteOnBlack(benchmark::State& s) {
  runShrink(s, StretchMode::WhiteOnBlack);
}
void BM_Stretch_Shrink_Halftone(benchmark::State& s) { runShrink(s, StretchMode::Halftone); }

void BM_Stretch_Enlarge_400_to_4000(benchmark::State& state) {
  static const Bitmap src = noise(400, 400, 5);
  static Bitmap dst(kSide, kSide);
  for (auto _ : state) {
    stretchBlt(dst, 0, 0, kSide, kSide, src, 0, 0, 400, 400, SRCCOPY, StretchMode::BlackOnWhite,
               Brush());
    benchmark::DoNotOptimize(dst.row(0));
  }
}

void BM_TransparentBlt(benchmark::State& state) {
  static const Bitmap src = noise(kSide, kSide, 6);
  static Bitmap dst(kSide, kSide);
  for (auto _ : state) {
    transparentBlt(dst, 0, 0, kSide, kSide, src, 0, 0, kSide, kSide, clWhite);
    benchmark::DoNotOptimize(dst.row(0));
  }
}

}  // namespace

BENCHMARK(BM_BitBlt_SrcCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BitBlt_SrcAnd)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BitBlt_SrcPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BitBlt_SrcInvert)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BitBlt_MergePaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BitBlt_NotSrcCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BitBlt_PatCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BitBlt_DstInvert)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BitBlt_Generic_SolidBrush)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BitBlt_Generic_PatternBrush)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BitBlt_PatInvert_PatternBrush)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Stretch_Shrink_ColorOnColor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Stretch_Shrink_BlackOnWhite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Stretch_Shrink_WhiteOnBlack)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Stretch_Shrink_Halftone)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Stretch_Enlarge_400_to_4000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TransparentBlt)->Unit(benchmark::kMillisecond);
