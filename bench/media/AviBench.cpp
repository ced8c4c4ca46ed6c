// Reading AVI frames and dumping them to bitmap files.
//
// BM_AviFrameSequential and BM_AviFrameSeek read a 640 x 480 MJPEG file in
// order and in a shuffled order (every MJPEG frame is a key frame, so a
// seek costs one decode plus the seek). BM_AviDump writes 300 frames of a
// 320 x 240 MJPEG file as numbered bitmaps; BM_AviDumpFfmpeg runs
// `ffmpeg -i in.avi out%03d.bmp` on the same file in the same run. Both
// report frames per second of wall time (items_per_second); the target is
// BM_AviDump at 0.8 times BM_AviDumpFfmpeg or more.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "bench/support/BenchTools.h"
#include "bench/support/BenchVideo.h"
#include "media/engine/FrameDump.h"
#include "platform/video/VideoReader.h"

namespace {

namespace fs = std::filesystem;

const fs::path kDir = fs::temp_directory_path() / "qm-media-bench";

fs::path makeMjpeg(const std::string& name, int w, int h, int frames) {
  return bench_support::makeMjpeg(kDir, name, w, h, frames);
}

const fs::path& vga() {
  static const fs::path p = makeMjpeg("vga.avi", 640, 480, 120);
  return p;
}

const fs::path& dumpInput() {
  static const fs::path p = makeMjpeg("in.avi", 320, 240, 300);
  return p;
}

void BM_AviFrameSequential(benchmark::State& state) {
  video::VideoReader reader(vga());
  const int count = reader.info().length;
  int n = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(reader.frame(n).row(0));
    n = (n + 1) % count;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AviFrameSequential);

void BM_AviFrameSeek(benchmark::State& state) {
  video::VideoReader reader(vga());
  std::vector<int> order(std::size_t(reader.info().length));
  std::iota(order.begin(), order.end(), 0);
  std::shuffle(order.begin(), order.end(), std::mt19937(3));
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(reader.frame(order[i]).row(0));
    i = (i + 1) % order.size();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AviFrameSeek);

// A fresh, empty output folder for each dump.
fs::path emptyOutput(const std::string& name) {
  const fs::path out = kDir / name;
  fs::remove_all(out);
  fs::create_directories(out);
  return out;
}

void BM_AviDump(benchmark::State& state) {
  const fs::path in = dumpInput();
  for (auto _ : state) {
    state.PauseTiming();
    const fs::path out = emptyOutput("ours");
    state.ResumeTiming();
    video::VideoReader reader(in);
    const int count = reader.info().length;
    // Every frame once, as ffmpeg writes them.
    std::vector<int> frames(static_cast<std::size_t>(count));
    std::iota(frames.begin(), frames.end(), 0);
    const media::DumpResult r =
        media::dumpFrames((out / "out").string(), frames,
                          [&](int n) -> const gdi::Bitmap& { return reader.frame(n); }, {});
    if (!r.error.empty()) state.SkipWithError(r.error.c_str());
  }
  state.SetItemsProcessed(state.iterations() * 300);
}
BENCHMARK(BM_AviDump)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_AviDumpFfmpeg(benchmark::State& state) {
  const fs::path in = dumpInput();
  double cpu = 0;
  for (auto _ : state) {
    const fs::path out = emptyOutput("ffmpeg");
    const double cpuBefore = bench_support::childCpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    if (!bench_support::runTool(
            {"ffmpeg", "-v", "error", "-y", "-i", in.string(), (out / "out%03d.bmp").string()})) {
      state.SkipWithError("ffmpeg not available");
      return;
    }
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    cpu += bench_support::childCpuSeconds() - cpuBefore;
  }
  state.SetItemsProcessed(state.iterations() * 300);
  // ffmpeg's own processor time per dump (the CPU column counts only ours).
  state.counters["tool_cpu_ms"] = 1000 * cpu / double(state.iterations());
}
BENCHMARK(BM_AviDumpFfmpeg)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace
