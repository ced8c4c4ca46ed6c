// Repainting a 4000 x 4000 picture after a small stroke: only the dirty part
// versus the whole picture, at 1:1 and stretched to a 1000 x 1000 view.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "platform/ui/PicturePainter.h"

namespace {

gdi::Bitmap& picture() {
  static gdi::Bitmap b = [] {
    gdi::Bitmap p(4000, 4000);
    for (int y = 0; y < p.height(); ++y) {
      std::uint32_t* row = p.row(y);
      for (int x = 0; x < p.width(); ++x) row[x] = std::uint32_t(x * 7 + y * 13) & 0xFFFFFFu;
    }
    return p;
  }();
  return b;
}

void paint(benchmark::State& state, QSize view, bool stretch, QRect region,
           bool transparent = false) {
  // The screen's backing store format.
  QImage screen(view, QImage::Format_ARGB32_Premultiplied);
  const ui::PictureMapping m{view, QSize(4000, 4000), stretch, false};
  for (auto _ : state) {
    QPainter p(&screen);
    p.setClipRegion(region);
    ui::paintPicture(p, picture(), m, region, transparent);
    benchmark::ClobberMemory();
  }
}

void BM_Paint_Stroke32px(benchmark::State& s) {
  paint(s, {4000, 4000}, false, {2000, 2000, 32, 32});
}
void BM_Paint_Whole4000(benchmark::State& s) { paint(s, {4000, 4000}, false, {0, 0, 4000, 4000}); }
void BM_Paint_StretchedStroke(benchmark::State& s) {
  paint(s, {1000, 1000}, true, {500, 500, 8, 8});
}
void BM_Paint_StretchedWhole(benchmark::State& s) {
  paint(s, {1000, 1000}, true, {0, 0, 1000, 1000});
}
void BM_Paint_TransparentStroke(benchmark::State& s) {
  paint(s, {4000, 4000}, false, {2000, 2000, 32, 32}, true);
}

}  // namespace

BENCHMARK(BM_Paint_Stroke32px)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Paint_Whole4000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Paint_StretchedStroke)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Paint_StretchedWhole)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Paint_TransparentStroke)->Unit(benchmark::kMicrosecond);
