// The Animation Manager's heavy work.
//
// BM_BulkResize: 200 frames of 640 x 480 resized to 320 x 240 in their
// files, first to last, as "Resize" does with every frame marked.
// BM_BulkResize_ImageMagick: ImageMagick's `mogrify -sample 320x240` (it
// also drops pixels and writes each file over itself) on copies of the same
// 200 files in the same run. Before every round both get fresh copies of the
// 640 x 480 frames (not timed). mogrify's time is its processor time, all
// threads, process start included; compare with our CPU column. Ours
// includes the safe save of each frame (temporary file, rename).
//
// BM_PreviewFrame: one 640 x 480 frame file decoded and painted into an
// image of the screen's format, as the preview window shows it.
// BM_PreviewFrame_Decode is the decode alone, the part the preview's worker
// thread does ahead of time; BM_PreviewFrame_DecodedAhead is what is left
// for the window's thread per frame when the next frame was asked for ahead
// (wall time: the worker runs meanwhile).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <QImage>
#include <QPainter>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "animation/engine/BulkResize.h"
#include "animation/engine/FrameNames.h"
#include "animation/engine/PreviewFrames.h"
#include "bench/support/BenchPictures.h"
#include "bench/support/BenchTools.h"
#include "platform/codecs/Bmp.h"
#include "platform/ui/PicturePainter.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFrames = 200;

// This run's files, removed at the end.
struct RunFolder {
  fs::path path = fs::temp_directory_path() / ("qm-bench-anim-" + std::to_string(::getpid()));
  RunFolder() {
    fs::create_directories(path / "frames");
    for (int i = 1; i <= kFrames; ++i)
      codecs::writeBmpFile(framePath("frames", i),
                           bench_support::noisyRamps(640, 480, 16, std::uint32_t(i)));
  }
  ~RunFolder() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
  std::string framePath(const std::string& sub, int i) const {
    return animation::numberedFrameName((path / sub / "MyAnimation").string(), i);
  }
};

const RunFolder& run() {
  static const RunFolder r;
  return r;
}

// Fresh copies of the 640 x 480 frames in `sub`; their names.
std::vector<std::string> freshCopies(const std::string& sub) {
  fs::create_directories(run().path / sub);
  std::vector<std::string> names;
  for (int i = 1; i <= kFrames; ++i) {
    names.push_back(run().framePath(sub, i));
    fs::copy_file(run().framePath("frames", i), names.back(), fs::copy_options::overwrite_existing);
  }
  return names;
}

void BM_BulkResize(benchmark::State& state) {
  int errors = 0;
  for (auto _ : state) {
    state.PauseTiming();
    animation::FrameList list;
    list.appendMarked(freshCopies("ours"));
    state.ResumeTiming();
    errors += int(animation::resizeMarkedFrames(list, 320, 240).errors.size());
  }
  if (errors) state.SkipWithError("frames failed");
}
BENCHMARK(BM_BulkResize)->Unit(benchmark::kMillisecond);

void BM_BulkResize_ImageMagick(benchmark::State& state) {
  std::vector<std::string> args = {"mogrify", "-sample", "320x240"};
  double wall = 0;
  for (auto _ : state) {
    const std::vector<std::string> names = freshCopies("imagemagick");
    std::vector<std::string> command = args;
    command.insert(command.end(), names.begin(), names.end());
    const double before = bench_support::childCpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    if (!bench_support::runTool(command)) {
      state.SkipWithError("mogrify not available or failed");
      return;
    }
    wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.SetIterationTime(bench_support::childCpuSeconds() - before);
  }
  state.counters["wall_ms"] = benchmark::Counter(wall * 1000, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_BulkResize_ImageMagick)->UseManualTime()->Unit(benchmark::kMillisecond);

// The preview's own image control paints the frame into the window's
// backing store, an image of this format.
void show(const gdi::Bitmap& frame, QImage& screen) {
  QPainter p(&screen);
  const QRegion all(0, 0, frame.width(), frame.height());
  ui::paintPicture(p, frame, ui::PictureMapping{screen.size(), screen.size(), false, false}, all,
                   false);
}

void BM_PreviewFrame(benchmark::State& state) {
  const std::string file = run().framePath("frames", 1);
  QImage screen(640, 480, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    const animation::PreviewFrame frame = animation::decodePreviewFrame(file);
    show(frame.bitmap, screen);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PreviewFrame)->Unit(benchmark::kMillisecond);

void BM_PreviewFrame_Decode(benchmark::State& state) {
  const std::string file = run().framePath("frames", 1);
  for (auto _ : state) benchmark::DoNotOptimize(animation::decodePreviewFrameAhead(file));
}
BENCHMARK(BM_PreviewFrame_Decode)->Unit(benchmark::kMillisecond);

void BM_PreviewFrame_DecodedAhead(benchmark::State& state) {
  QImage screen(640, 480, QImage::Format_ARGB32_Premultiplied);
  animation::PreviewFrames frames;
  int i = 1;
  frames.prefetch(run().framePath("frames", i));
  for (auto _ : state) {
    const animation::PreviewFrame frame = frames.take(run().framePath("frames", i));
    i = i % kFrames + 1;
    frames.prefetch(run().framePath("frames", i));
    show(frame.bitmap, screen);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PreviewFrame_DecodedAhead)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
