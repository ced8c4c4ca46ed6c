// The tone filters on a 4000 x 4000 picture and the morph of a 1000 x 1000
// clip, each beside ImageMagick's convert doing the nearest equivalent work
// on the same BMP file in the same run:
//   darken by 8         convert in.bmp -evaluate subtract 8 out.bmp
//                       (convert counts 16-bit levels, so its result is
//                       nearly unchanged, but the work per pixel is the same)
//   soft focus, soften  convert in.bmp -blur 0x1 out.bmp
//   morph               convert clip.bmp -sample 1000x1000! out.bmp
// convert's figures include starting the process and reading and writing
// the files; BM_ImageMagickCopy (convert in.bmp out.bmp) is that share, so
// convert's own work is the difference. Our figures include the new buffer
// each filter writes into, and nothing of the file.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "bench/support/BenchPictures.h"
#include "clips/engine/Morph.h"
#include "clips/engine/MorphShapes.h"
#include "clips/engine/ToneFilters.h"
#include "platform/codecs/Bmp.h"

namespace {

namespace fs = std::filesystem;

// A folder of this run's files, removed at the end.
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

void runConvert(benchmark::State& state, const std::string& input, const std::string& ops) {
  const std::string command = "convert '" + (folder() / input).string() + "' " + ops + " '" +
                              (folder() / "out.bmp").string() + "'";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) {
      state.SkipWithError("convert failed");
      return;
    }
  }
}

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
BENCHMARK(BM_DarkenImage)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DarkenImage_ImageMagick(benchmark::State& state) {
  picture();
  runConvert(state, "in.bmp", "-evaluate subtract 8");
}
BENCHMARK(BM_DarkenImage_ImageMagick)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_SoftFocus(benchmark::State& state) {
  runFilter(state, [](gdi::Bitmap& p) { clips::softFocus(p); });
}
BENCHMARK(BM_SoftFocus)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SoftenLight(benchmark::State& state) {
  runFilter(state, [](gdi::Bitmap& p) { clips::softenLight(p); });
}
BENCHMARK(BM_SoftenLight)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Blur_ImageMagick(benchmark::State& state) {
  picture();
  runConvert(state, "in.bmp", "-blur 0x1");
}
BENCHMARK(BM_Blur_ImageMagick)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_ImageMagickCopy(benchmark::State& state) {
  picture();
  runConvert(state, "in.bmp", "");
}
BENCHMARK(BM_ImageMagickCopy)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

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
BENCHMARK(BM_MorphClip)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MorphClip_ImageMagick(benchmark::State& state) {
  clip();
  runConvert(state, "clip.bmp", "-sample 1000x1000!");
}
BENCHMARK(BM_MorphClip_ImageMagick)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace
