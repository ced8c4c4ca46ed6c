// The tone filters on a 4000 x 4000 picture and the morph of a 1000 x 1000
// clip, each beside ImageMagick's convert doing the nearest equivalent work
// on the same BMP file in the same run:
//   darken by 8          convert in.bmp -evaluate subtract 8 out.bmp
//   soft focus, soften   convert in.bmp -blur 0x1 out.bmp
//   morph                convert clip.bmp -sample 1000x1000! out.bmp
// (convert counts 16-bit levels, so its subtraction barely shows, but the
// work per pixel is the same.) convert's time is its processor time, all
// threads, and includes starting the process and reading and writing the
// files; BM_ImageMagickCopy (convert in.bmp out.bmp) is that share, so the
// difference is its filter. Ours includes the new buffer each filter writes
// into, and no file. Compare our CPU column with convert's.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "bench/support/BenchPictures.h"
#include "bench/support/BenchTools.h"
#include "clips/engine/Morph.h"
#include "clips/engine/MorphShapes.h"
#include "clips/engine/ToneFilters.h"
#include "platform/codecs/Bmp.h"

namespace {

namespace fs = std::filesystem;

// This run's files, removed at the end.
struct RunFolder {
  fs::path path = fs::temp_directory_path() / ("qm-bench-tone-" + std::to_string(::getpid()));
  RunFolder() { fs::create_directories(path); }
  ~RunFolder() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
};

const fs::path& folder() {
  static const RunFolder run;
  return run.path;
}

// A detailed picture written once as a BMP file and read back, so both
// programs start from the same pixels.
const gdi::Bitmap& pictureFile(const std::string& name, int side) {
  static std::map<std::string, gdi::Bitmap> loaded;
  auto it = loaded.find(name);
  if (it == loaded.end()) {
    const fs::path path = folder() / name;
    codecs::writeBmpFile(path, bench_support::noisyRamps(side, 16));
    it = loaded.emplace(name, codecs::readBmpFile(path)).first;
  }
  return it->second;
}

const gdi::Bitmap& picture() { return pictureFile("in.bmp", 4000); }
const gdi::Bitmap& clip() { return pictureFile("clip.bmp", 1000); }

void convert(benchmark::State& state, const std::string& input, std::vector<std::string> ops) {
  std::vector<std::string> args = {"convert", (folder() / input).string()};
  args.insert(args.end(), ops.begin(), ops.end());
  args.push_back((folder() / "out.bmp").string());
  bench_support::timeTool(state, args);
}

// Each run filters the result of the one before: the work does not depend
// on the pixels.
template <typename Filter>
void runFilter(benchmark::State& state, Filter filter) {
  gdi::Bitmap p = picture();
  for (auto _ : state) {
    filter(p);
    benchmark::DoNotOptimize(p.bits());
  }
}

void BM_DarkenImage(benchmark::State& state) {
  runFilter(state, [](gdi::Bitmap& p) { clips::shiftImage(p, clips::Tone::Darken); });
}

void BM_DarkenImage_ImageMagick(benchmark::State& state) {
  picture();
  convert(state, "in.bmp", {"-evaluate", "subtract", "8"});
}

void BM_SoftFocus(benchmark::State& state) {
  runFilter(state, [](gdi::Bitmap& p) { clips::softFocus(p); });
}

void BM_SoftenLight(benchmark::State& state) {
  runFilter(state, [](gdi::Bitmap& p) { clips::softenLight(p); });
}

void BM_Blur_ImageMagick(benchmark::State& state) {
  picture();
  convert(state, "in.bmp", {"-blur", "0x1"});
}

void BM_ImageMagickCopy(benchmark::State& state) {
  picture();
  convert(state, "in.bmp", {});
}

void BM_MorphClip(benchmark::State& state) {
  const gdi::Bitmap& content = clip();
  const gdi::Bitmap ellipse = clips::standardShape(clips::ShapeKind::Ellipse, {996, 996});
  for (auto _ : state) {
    state.PauseTiming();
    gdi::Bitmap shape = ellipse;
    state.ResumeTiming();
    benchmark::DoNotOptimize(clips::morph(content, shape));
  }
}

void BM_MorphClip_ImageMagick(benchmark::State& state) {
  clip();
  convert(state, "clip.bmp", {"-sample", "1000x1000!"});
}

}  // namespace

BENCHMARK(BM_DarkenImage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DarkenImage_ImageMagick)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_SoftFocus)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SoftenLight)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Blur_ImageMagick)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_ImageMagickCopy)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_MorphClip)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MorphClip_ImageMagick)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
