// What the user waits for in the Animation Manager, through the window.
//
// BM_AnimationManagerOpenFolder: the Manager pointed at a folder of 300
// frame files (640 x 480 bitmaps): the file list read, every file selected
// and added "Marked" to the frame list, with the repaint.
// BM_AnimationManagerPreviewStep: one slot of the preview as the play timer
// runs it: the next 640 x 480 frame taken (decoded ahead on the worker
// while the previous slot's interval ran) and shown in the preview window,
// with the repaint. Wall time; the worker's decode overlaps the interval.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QThread>
#include <filesystem>
#include <string>

#include "animation/engine/FrameNames.h"
#include "animation/windows/TAnimCap1.h"
#include "app/Windows.h"
#include "bench/support/BenchPictures.h"
#include "bench/windows/BenchStudio.h"
#include "platform/codecs/Bmp.h"
#include "platform/ui/DirectoryListBox.h"
#include "platform/ui/FileListBox.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFrames = 300;

struct Folder {
  fs::path path = fs::temp_directory_path() / ("qm-bench-manager-" + std::to_string(::getpid()));
  Folder() {
    fs::create_directories(path);
    for (int i = 1; i <= kFrames; ++i)
      codecs::writeBmpFile(animation::numberedFrameName((path / "MyAnimation").string(), i),
                           bench_support::noisyRamps(640, 480, 16, std::uint32_t(i)));
  }
  ~Folder() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
};

const Folder& folder() {
  static const Folder f;
  return f;
}

TAnimCap1& manager() {
  static TAnimCap1* m = [] {
    bench_windows::studio();
    TAnimCap1* w = app::windows().AnimCap1;
    w->show();
    w->resize(TAnimCap1::kOpenWidth, w->height());
    QApplication::processEvents();
    return w;
  }();
  return *m;
}

void BM_AnimationManagerOpenFolder(benchmark::State& state) {
  const QString dir = QString::fromStdString(folder().path.string());
  TAnimCap1& m = manager();
  for (auto _ : state) {
    state.PauseTiming();
    m.DirectoryListBox1->setDirectory(QDir::tempPath());
    m.ListBox1->selectAll();
    m.BitBtn4->click();  // an empty frame list
    QApplication::processEvents();
    state.ResumeTiming();
    m.DirectoryListBox1->setDirectory(dir);
    m.FormShow();
    m.FileListBox1->selectAll();
    m.BitBtn5->click();  // "Marked"
    QApplication::processEvents();
  }
  if (m.frames().size() != kFrames) state.SkipWithError("frames missing from the list");
}
BENCHMARK(BM_AnimationManagerOpenFolder)->Unit(benchmark::kMillisecond);

void BM_AnimationManagerPreviewStep(benchmark::State& state) {
  const QString dir = QString::fromStdString(folder().path.string());
  TAnimCap1& m = manager();
  m.DirectoryListBox1->setDirectory(dir);
  m.FileListBox1->selectAll();
  if (m.frames().empty()) m.BitBtn5->click();
  m.BitBtn13->click();
  // The benchmark takes the slots itself: the window's own timer waits a second.
  m.TrackBar1->setValue(1000);
  m.ListBox1->setCurrentRow(0, QItemSelectionModel::NoUpdate);
  m.BitBtn10->click();
  for (auto _ : state) {
    state.PauseTiming();
    // The interval between two slots, during which the worker decodes ahead.
    QThread::msleep(16);
    state.ResumeTiming();
    m.playSlot();
    QApplication::processEvents();
  }
  m.BitBtn11->click();
}
BENCHMARK(BM_AnimationManagerPreviewStep)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
