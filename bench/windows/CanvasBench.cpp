// Mouse events on a 4000 x 4000 picture in the main window, each with the
// repaint of what it changed on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QToolButton>
#include <cmath>
#include <vector>

#include "app/TPbook1.h"
#include "app/Windows.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/SpinEdit.h"
#include "tools/windows/TForm3.h"

namespace {

constexpr int kSide = 4000;
constexpr int kEvents = 200;

// The studio's windows with a large picture, made once for every benchmark.
TPbook1& studio() {
  static TPbook1* main = [] {
    app::createWindows();
    TPbook1* m = app::windows().Pbook1;
    m->resize(1280, 960);
    m->show();
    m->ptbox1->setBitmap(gdi::Bitmap(kSide, kSide));
    m->initpages();
    m->PageControl1->setCurrentWidget(m->TabSheet1);
    QApplication::processEvents();
    return m;
  }();
  return *main;
}

void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
  QWidget* w = studio().ptbox1;
  QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
  QApplication::processEvents();  // the repaint
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

void runDrag(benchmark::State& state, QToolButton* tool, int width) {
  TForm3& palette = *app::windows().Form3;
  tool->click();
  palette.SpinEdit1->setValue(width);
  const std::vector<QPoint> pts = dragPoints();
  for (auto _ : state) {
    send(QEvent::MouseButtonPress, {20, 20}, Qt::LeftButton, Qt::LeftButton);
    for (const QPoint& p : pts) send(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, pts.back(), Qt::LeftButton, Qt::NoButton);
  }
  state.counters["per_event_us"] = benchmark::Counter(
      double(state.iterations()) * (kEvents + 2),
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}

void BM_WindowFreehandStrokeWidth20(benchmark::State& state) {
  studio();
  runDrag(state, app::windows().Form3->BitBtn5, 20);
}
BENCHMARK(BM_WindowFreehandStrokeWidth20)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WindowRubberRectangleDrag(benchmark::State& state) {
  studio();
  runDrag(state, app::windows().Form3->BitBtn2, 1);
}
BENCHMARK(BM_WindowRubberRectangleDrag)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
