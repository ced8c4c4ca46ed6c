// The text maker's render to the clipboard: a 40-character caption turned by
// 30 degrees with the raised effect, painted by the label itself and made
// into the clipboard picture (background white, ink corner at (20, 20)).
#include <benchmark/benchmark.h>

#include "controls/TMyLabelRotate.h"

namespace {

void BM_RotatedLabelRender(benchmark::State& state) {
  TMyLabelRotate label;
  label.resize(600, 340);
  label.setCaption("Rotated and 3D Text for the banner: 40ch");  // 40 characters
  gdi::Font f = label.Font();
  f.setSize(18);
  f.color = gdi::clNavy;
  label.setFont(f);
  label.LabelStyle().setAngle(30);
  label.LabelStyle().setAStyle3D(controls::A3dRaised);
  for (auto _ : state) benchmark::DoNotOptimize(label.clipboardBitmap().row(0));
}
BENCHMARK(BM_RotatedLabelRender)->Unit(benchmark::kMillisecond);

}  // namespace
