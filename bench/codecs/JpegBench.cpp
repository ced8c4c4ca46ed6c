// JPEG and BMP files of 4000 x 4000 pixels, each beside the same work done by
// libjpeg-turbo's own command-line tools (djpeg, cjpeg) on the same files from
// a warm page cache. The ratio ours / theirs of processor time (our CPU
// column, the tools' manual time) is the figure to watch; a tool's process
// start (about a millisecond) is part of its time.
//
// BMP has no tool of its own there, so BMP reading is set beside cjpeg's work
// on a .bmp input minus the same work on a .ppm input, and BMP writing beside
// djpeg -bmp minus djpeg writing PPM: the difference is the tool's BMP code.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/support/BenchPictures.h"
#include "bench/support/BenchTools.h"
#include "platform/codecs/Bmp.h"
#include "platform/codecs/Jpeg.h"

namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path& p, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(p, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// Input files, made once per run.
struct Files {
  fs::path dir = fs::temp_directory_path() / "qm-codec-bench";
  fs::path jpg = dir / "photo.jpg";  // baseline, quality 90
  fs::path bmp = dir / "photo.bmp";
  fs::path ppm = dir / "photo.ppm";
  gdi::Bitmap picture = bench_support::photoLike(4000, 4000);

  Files() {
    fs::create_directories(dir);
    codecs::JpegEncodeOptions o;
    o.quality = 90;
    o.progressive = false;
    writeFile(jpg, codecs::encodeJpeg(picture, o));
    writeFile(bmp, codecs::writeBmp(picture));
    std::vector<std::uint8_t> ppmBytes;
    const std::string head = "P6\n4000 4000\n255\n";
    ppmBytes.assign(head.begin(), head.end());
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) {
        const std::uint32_t c = picture.row(y)[x];
        ppmBytes.push_back(std::uint8_t(c));
        ppmBytes.push_back(std::uint8_t(c >> 8));
        ppmBytes.push_back(std::uint8_t(c >> 16));
      }
    writeFile(ppm, ppmBytes);
  }
};

const Files& files() {
  static const Files f;
  return f;
}

using bench_support::timeTool;

const std::string kOut = (fs::temp_directory_path() / "qm-codec-bench" / "out").string();

// --- JPEG decoding -----------------------------------------------------------------

void BM_Jpeg_Decode_Full_Ours(benchmark::State& state) {
  const Files& f = files();
  for (auto _ : state) {
    codecs::JpegPicture p = codecs::readJpegFile(f.jpg);
    benchmark::DoNotOptimize(p.bitmap.row(0));
  }
}
void BM_Jpeg_Decode_Full_Djpeg(benchmark::State& state) {
  timeTool(state, {"djpeg", "-outfile", "/dev/null", files().jpg.string()});
}

void BM_Jpeg_Decode_Eighth_Ours(benchmark::State& state) {
  const Files& f = files();
  codecs::JpegDecodeOptions o;
  o.scale = codecs::JpegScale::Eighth;
  for (auto _ : state) {
    codecs::JpegPicture p = codecs::readJpegFile(f.jpg, o);
    benchmark::DoNotOptimize(p.bitmap.row(0));
  }
}
void BM_Jpeg_Decode_Eighth_Djpeg(benchmark::State& state) {
  timeTool(state, {"djpeg", "-scale", "1/8", "-outfile", "/dev/null", files().jpg.string()});
}

// --- JPEG encoding -----------------------------------------------------------------

void BM_Jpeg_Encode_Q90_Progressive_Ours(benchmark::State& state) {
  const Files& f = files();
  codecs::JpegEncodeOptions o;
  o.quality = 90;
  o.progressive = true;
  for (auto _ : state) codecs::writeJpegFile(kOut + ".jpg", f.picture, o);
}
// The same without the safe save (temporary file, fsync, rename).
void BM_Jpeg_Encode_Q90_Progressive_Ours_InMemory(benchmark::State& state) {
  const Files& f = files();
  codecs::JpegEncodeOptions o;
  o.quality = 90;
  o.progressive = true;
  for (auto _ : state) {
    std::vector<std::uint8_t> bytes = codecs::encodeJpeg(f.picture, o);
    benchmark::DoNotOptimize(bytes.data());
  }
}
void BM_Jpeg_Encode_Q90_Progressive_Cjpeg(benchmark::State& state) {
  timeTool(state, {"cjpeg", "-quality", "90", "-progressive", "-outfile", kOut + ".jpg",
                   files().ppm.string()});
}

// --- BMP files -----------------------------------------------------------------------

void BM_Bmp_ReadFile_Ours(benchmark::State& state) {
  const Files& f = files();
  for (auto _ : state) {
    gdi::Bitmap b = codecs::readBmpFile(f.bmp);
    benchmark::DoNotOptimize(b.row(0));
  }
}
void BM_Bmp_WriteFile_Ours(benchmark::State& state) {
  const Files& f = files();
  for (auto _ : state) codecs::writeBmpFile(kOut + ".bmp", f.picture);
}
// cjpeg on .bmp and on .ppm input (fastest settings, so the reading shows).
void BM_Bmp_Read_Cjpeg_FromBmp(benchmark::State& state) {
  timeTool(state, {"cjpeg", "-quality", "10", "-dct", "fast", "-outfile", "/dev/null",
                   files().bmp.string()});
}
void BM_Bmp_Read_Cjpeg_FromPpm(benchmark::State& state) {
  timeTool(state, {"cjpeg", "-quality", "10", "-dct", "fast", "-outfile", "/dev/null",
                   files().ppm.string()});
}
// djpeg writing .bmp and .ppm files.
void BM_Bmp_Write_Djpeg_ToBmp(benchmark::State& state) {
  timeTool(state,
           {"djpeg", "-bmp", "-dct", "fast", "-outfile", kOut + ".bmp", files().jpg.string()});
}
void BM_Bmp_Write_Djpeg_ToPpm(benchmark::State& state) {
  timeTool(state, {"djpeg", "-dct", "fast", "-outfile", kOut + ".ppm", files().jpg.string()});
}

}  // namespace

BENCHMARK(BM_Jpeg_Decode_Full_Ours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Jpeg_Decode_Full_Djpeg)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_Jpeg_Decode_Eighth_Ours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Jpeg_Decode_Eighth_Djpeg)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_Jpeg_Encode_Q90_Progressive_Ours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Jpeg_Encode_Q90_Progressive_Ours_InMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Jpeg_Encode_Q90_Progressive_Cjpeg)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_Bmp_ReadFile_Ours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Bmp_Read_Cjpeg_FromBmp)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_Bmp_Read_Cjpeg_FromPpm)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_Bmp_WriteFile_Ours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Bmp_Write_Djpeg_ToBmp)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_Bmp_Write_Djpeg_ToPpm)->Unit(benchmark::kMillisecond)->UseManualTime();
