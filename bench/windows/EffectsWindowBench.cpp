// What the user waits for through the windows: a tone filter over a
// 4000 x 4000 picture from the palette (the undo copy, the filter with its
// progress and Stop, the repaint), an effect of the paste panel on a large
// clip, and a morph paste of a 1000 x 1000 picture.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QToolButton>
#include <memory>

#include "app/TPbook1.h"
#include "app/Windows.h"
#include "bench/support/BenchPictures.h"
#include "bench/windows/BenchStudio.h"
#include "clips/windows/Tshapeform.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/MemoryClipboard.h"
#include "platform/ui/Services.h"
#include "platform/ui/SpinEdit.h"
#include "tools/windows/TForm3.h"

namespace {

constexpr int kSide = 4000;
constexpr int kClipSide = 1000;

// The studio's windows, made once, with a clipboard of their own.
TPbook1& studio() {
  static TPbook1* main = [] {
    ui::services().setClipboard(std::make_unique<ui::MemoryClipboard>());
    TPbook1* m = &bench_windows::studio();
    m->resize(1280, 960);
    m->show();
    QApplication::processEvents();
    return m;
  }();
  return *main;
}

void setPicture(const gdi::Bitmap& picture) {
  TPbook1& m = studio();
  m.ptbox1->setBitmap(picture);
  m.initpages();
  QApplication::processEvents();
}

const gdi::Bitmap& largePicture() {
  static const gdi::Bitmap picture = bench_support::noisyRamps(kSide, 24);
  return picture;
}

// The palette's filter button, as the user presses it, picture restored
// between runs (not timed).
void runFilter(benchmark::State& state, const char* button) {
  TForm3& palette = *app::windows().Form3;
  auto* b = palette.findChild<QAbstractButton*>(QString::fromLatin1(button));
  for (auto _ : state) {
    state.PauseTiming();
    setPicture(largePicture());
    state.ResumeTiming();
    b->click();
    QApplication::processEvents();  // the repaint
  }
}

void BM_WindowSoftenLight(benchmark::State& state) {
  studio();
  runFilter(state, "SpeedButton7");
}
BENCHMARK(BM_WindowSoftenLight)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_WindowSoftFocus(benchmark::State& state) {
  studio();
  runFilter(state, "SpeedButton6");
}
BENCHMARK(BM_WindowSoftFocus)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_WindowDarkenImage(benchmark::State& state) {
  studio();
  runFilter(state, "SpeedButton8");
}
BENCHMARK(BM_WindowDarkenImage)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// A 1000 x 1000 clip embossed on the large picture through the paste panel.
void BM_WindowEmbossClip(benchmark::State& state) {
  TPbook1& m = studio();
  const gdi::Bitmap clip = bench_support::noisyRamps(kClipSide, 24);
  for (auto _ : state) {
    state.PauseTiming();
    setPicture(largePicture());
    ui::clipboard().setBitmap(clip);
    m.pbpastebut1->click();
    QApplication::processEvents();
    state.ResumeTiming();
    m.BitBtn19->click();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_WindowEmbossClip)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// "Morf Paste Clip": a 1000 x 1000 picture poured into a 1000 x 1000 shape
// and pasted over the large picture.
void BM_WindowMorphPaste(benchmark::State& state) {
  TPbook1& m = studio();
  Tshapeform& shapes = *app::windows().shapeform;
  const gdi::Bitmap picture = bench_support::noisyRamps(kClipSide, 24);
  gdi::Bitmap shape(kClipSide, kClipSide);
  shape.canvas().brush.setColor(gdi::RGB(128, 0, 0));
  shape.canvas().ellipse(0, 0, kClipSide, kClipSide);
  for (auto _ : state) {
    state.PauseTiming();
    setPicture(largePicture());
    ui::clipboard().setBitmap(picture);
    m.ToolButton3->click();
    shapes.Image1->setBitmap(shape);
    m.dragimage1->setBitmap(shape);
    shapes.Image1->dropFrom(m.dragimage1, {1, 1});
    QApplication::processEvents();
    state.ResumeTiming();
    shapes.BitBtn1->click();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_WindowMorphPaste)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
