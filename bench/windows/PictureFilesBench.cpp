// What a user waits for with a 4000 x 4000 picture: opening and saving it
// through the main window's commands, a new picture, and undo and redo of a
// stroke, each with its repaint. Every benchmark reports the engine work it
// stands on, measured in the same run: "engine_ms" and the ratio "x_engine"
// (the window's time over the engine's). "copy_ms" is a memcpy of the picture
// into a buffer already in use, and "x_copy" what the window spends beyond
// the engine in such copies. Opening reports the resident memory it adds
// ("rss_MiB") beside the picture's own size.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "bench/support/BenchPictures.h"
#include "bench/windows/BenchStudio.h"
#include "document/windows/Tjpop1.h"
#include "platform/codecs/Bmp.h"
#include "platform/codecs/Jpeg.h"
#include "platform/ui/ImageControl.h"

namespace {

namespace fs = std::filesystem;
using namespace bench_windows;
using Clock = std::chrono::steady_clock;

constexpr int kSide = 4000;
constexpr double kPictureMiB = double(kSide) * kSide * 4 / (1024.0 * 1024.0);

struct Files {
  fs::path dir = fs::temp_directory_path() / "qm-window-bench";
  fs::path jpg = dir / "photo.jpg";  // baseline, quality 90, as cameras write them
  fs::path bmp = dir / "photo.bmp";
  fs::path small = dir / "small.bmp";
  fs::path savedBmp = dir / "saved.bmp";
  fs::path savedJpg = dir / "saved.jpg";
  fs::path engineOut = dir / "engine.out";

  Files() {
    fs::create_directories(dir);
    const gdi::Bitmap photo = bench_support::photoLike(kSide, kSide);
    codecs::JpegEncodeOptions o;
    o.quality = 90;
    o.progressive = false;
    const std::vector<std::uint8_t> bytes = codecs::encodeJpeg(photo, o);
    std::ofstream(jpg, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    codecs::writeBmpFile(bmp, photo);
    codecs::writeBmpFile(small, bench_support::photoLike(100, 100));
  }
};

const Files& files() {
  static const Files f;
  return f;
}

QString qpath(const fs::path& p) { return QString::fromStdString(p.string()); }

const gdi::Bitmap& shownPicture() { return pictureControl().bitmap(); }

double msSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The median of a few timed runs of `work`, after one to warm up.
double medianMs(const std::function<void()>& work, int runs = 5) {
  work();
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    work();
    times.push_back(msSince(start));
  }
  std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
  return times[std::size_t(runs / 2)];
}

// A memory copy of the picture into a buffer already in use.
double copyMs() {
  static const double ms = [] {
    const gdi::Bitmap from(kSide, kSide);
    gdi::Bitmap to(kSide, kSide);
    return medianMs([&] {
      std::memcpy(to.bits(), from.bits(), std::size_t(kSide) * kSide * 4);
      benchmark::ClobberMemory();
    });
  }();
  return ms;
}

// Runs `step` once per iteration, timed by the wall clock, with `prepare`
// (untimed) before each; reports the mean beside the engine and copy figures
// (an engine time of 0: the step stands on no engine work).
void timeSteps(benchmark::State& state, double engineMs, const std::function<void()>& prepare,
               const std::function<void()>& step) {
  double total = 0;
  for (auto _ : state) {
    if (prepare) {
      state.PauseTiming();
      prepare();
      state.ResumeTiming();
    }
    const auto start = Clock::now();
    step();
    total += msSince(start);
  }
  if (!dialogs().unexpected.isEmpty()) {
    const std::string text = dialogs().unexpected.toStdString();
    state.SkipWithError(text.c_str());
    dialogs().unexpected.clear();
    return;
  }
  const double mean = total / double(std::max<benchmark::IterationCount>(state.iterations(), 1));
  if (engineMs > 0) {
    state.counters["engine_ms"] = engineMs;
    state.counters["x_engine"] = mean / engineMs;
  }
  state.counters["copy_ms"] = copyMs();
  state.counters["x_copy"] = (mean - engineMs) / copyMs();
}

void openFile(const fs::path& file) {
  dialogs().openPath = qpath(file);
  command("FileDialog1");
  settle();
}

void saveAs(const fs::path& file) {
  dialogs().savePath = qpath(file);
  command("ToolButton13");
  settle();
}

// The picture of the studio is the photograph (opened once for all the
// benchmarks that need it).
void havePhoto() {
  if (shownPicture().width() != kSide || shownPicture().pixel(0, 0) == gdi::clWhite)
    openFile(files().jpg);
}

// --- opening -------------------------------------------------------------------------

void BM_WindowOpenPhoto4000(benchmark::State& state) {
  const Files& f = files();
  studio();
  const double engine = medianMs([&] {
    codecs::JpegPicture p = codecs::readJpegFile(f.jpg);
    benchmark::DoNotOptimize(p.bitmap.bits());
  });
  // What opening adds, measured from a small picture opened the same way
  // (so the browser holds no large one either).
  openFile(f.small);
  gdi::Bitmap::freeSpareMemory();
  const double before = residentMiB();
  openFile(f.jpg);
  const double added = residentMiB() - before;
  timeSteps(state, engine, nullptr, [&] { openFile(f.jpg); });
  if (shownPicture().width() != kSide) state.SkipWithError("the photograph did not open");
  state.counters["rss_MiB"] = added;
  state.counters["picture_MiB"] = kPictureMiB;
  state.counters["x_picture"] = added / kPictureMiB;
}
BENCHMARK(BM_WindowOpenPhoto4000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WindowOpenBmp4000(benchmark::State& state) {
  const Files& f = files();
  studio();
  const double engine = medianMs([&] {
    gdi::Bitmap b = codecs::readBmpFile(f.bmp);
    benchmark::DoNotOptimize(b.bits());
  });
  timeSteps(state, engine, nullptr, [&] { openFile(f.bmp); });
  if (shownPicture().width() != kSide) state.SkipWithError("the bitmap did not open");
}
BENCHMARK(BM_WindowOpenBmp4000)->Unit(benchmark::kMillisecond)->UseRealTime();

// --- saving --------------------------------------------------------------------------

void BM_WindowSaveBmp4000(benchmark::State& state) {
  const Files& f = files();
  havePhoto();
  const double engine = medianMs([&] { codecs::writeBmpFile(f.engineOut, shownPicture()); });
  timeSteps(state, engine, nullptr, [&] { saveAs(f.savedBmp); });
}
BENCHMARK(BM_WindowSaveBmp4000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WindowSaveJpeg4000(benchmark::State& state) {
  const Files& f = files();
  havePhoto();
  codecs::JpegEncodeOptions o;
  o.quality = app::windows().jpop1->quality();
  o.progressive = true;
  const double engine = medianMs([&] { codecs::writeJpegFile(f.engineOut, shownPicture(), o); });
  timeSteps(state, engine, nullptr, [&] { saveAs(f.savedJpg); });
}
BENCHMARK(BM_WindowSaveJpeg4000)->Unit(benchmark::kMillisecond)->UseRealTime();

// --- a new picture, undo and redo -------------------------------------------------------

void BM_WindowNewImage4000(benchmark::State& state) {
  studio();
  timeSteps(state, 0, nullptr, [] { newImage(kSide, kSide); });
}
BENCHMARK(BM_WindowNewImage4000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The paint brush picked (which takes the undo copy) and a short stroke.
void stroke() {
  command("BitBtn5");
  mouse(QEvent::MouseButtonPress, {40, 40}, Qt::LeftButton, Qt::LeftButton);
  for (int i = 1; i <= 20; ++i)
    mouse(QEvent::MouseMove, {40 + 15 * i, 40 + 7 * i}, Qt::NoButton, Qt::LeftButton);
  mouse(QEvent::MouseButtonRelease, {340, 180}, Qt::LeftButton, Qt::NoButton);
}

void BM_WindowUndoStroke4000(benchmark::State& state) {
  newImage(kSide, kSide);
  timeSteps(state, 0, stroke, [] {
    command("undoptb1");
    settle();
  });
}
BENCHMARK(BM_WindowUndoStroke4000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WindowRedoStroke4000(benchmark::State& state) {
  newImage(kSide, kSide);
  timeSteps(
      state, 0,
      [] {
        stroke();
        command("undoptb1");
        settle();
      },
      [] {
        command("redoptb1");
        settle();
      });
}
BENCHMARK(BM_WindowRedoStroke4000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
