// Dragging a 400 x 400 clip over a 4000 x 4000 picture: one hundred mouse
// moves per drag, each putting the backdrop back where the clip was and
// drawing it at its new place. The figure is the time per mouse event.
//
//   DragRestoringWhereTheClipWas   what the paste does: the first move of a
//                                  drag restores everything, the rest only
//                                  the clip's old rectangle
//   DragRestoringEverything        the whole backdrop at every move
#include <benchmark/benchmark.h>

#include "bench/support/BenchPictures.h"
#include "clips/engine/ClipMask.h"
#include "clips/engine/FloatingClip.h"

namespace {

constexpr int kPicture = 4000;
constexpr int kClip = 400;
constexpr int kMoves = 100;

using bench_support::noise;

struct Scene {
  gdi::Bitmap backdrop = noise(kPicture, kPicture, 1);
  gdi::Bitmap picture = backdrop;
  gdi::Bitmap clip = [] {
    gdi::Bitmap c = noise(kClip, kClip, 2);
    for (int y = 100; y < 300; ++y)
      for (int x = 100; x < 300; ++x) c.row(y)[x] = 0xFFFFFF;  // a transparent hole
    return c;
  }();
  gdi::Bitmap mask = clips::makeMask(clip);
};

Scene& scene() {
  static Scene s;
  return s;
}

clips::ClipPlacement movePlace(int i) {
  return clips::ClipPlacement::at({1000 + 7 * i, 1200 + 5 * i});
}

void perEvent(benchmark::State& state) {
  state.counters["per_event"] = benchmark::Counter(
      kMoves, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void DragRestoringWhereTheClipWas(benchmark::State& state) {
  Scene& s = scene();
  clips::FloatingClip floating;
  for (auto _ : state) {
    floating.forget();  // a press: nothing known about the picture
    for (int i = 0; i < kMoves; ++i)
      floating.move(s.picture, s.backdrop, s.clip, s.mask, movePlace(i));
    benchmark::DoNotOptimize(s.picture.bits());
  }
  perEvent(state);
}
BENCHMARK(DragRestoringWhereTheClipWas)->Unit(benchmark::kMillisecond);

void DragRestoringEverything(benchmark::State& state) {
  Scene& s = scene();
  clips::FloatingClip floating;
  for (auto _ : state) {
    for (int i = 0; i < kMoves; ++i) {
      floating.restoreAll(s.picture, s.backdrop);
      floating.draw(s.picture, s.clip, s.mask, movePlace(i));
    }
    benchmark::DoNotOptimize(s.picture.bits());
  }
  perEvent(state);
}
BENCHMARK(DragRestoringEverything)->Unit(benchmark::kMillisecond);

void DragSizedClip(benchmark::State& state) {
  Scene& s = scene();
  clips::FloatingClip floating;
  for (auto _ : state) {
    floating.forget();
    for (int i = 0; i < kMoves; ++i) {
      clips::ClipPlacement at = movePlace(i);
      at.sized = true;
      at.target = {600, 500};
      floating.move(s.picture, s.backdrop, s.clip, s.mask, at);
    }
    benchmark::DoNotOptimize(s.picture.bits());
  }
  perEvent(state);
}
BENCHMARK(DragSizedClip)->Unit(benchmark::kMillisecond);

}  // namespace
