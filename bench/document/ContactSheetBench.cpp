// A contact sheet of a folder of 40 photographs of 800 x 600 (baseline JPEG,
// quality 90) saved as a JPEG file, beside ImageMagick's montage making the
// same sheet from the same files in the same run: 100 x 100 cells stretched
// to fill, the file name under each, four to a row, quality 90.
//
// BM_ContactSheet is the browser's work: each file read at the reduced JPEG
// scale the sheet chooses (an eighth for 800 x 600), stretched into its cell,
// named, and the sheet written. BM_ContactSheet_FullDecode reads every file
// at full size instead, to show what the reduced scale saves.
//
// Montage is timed twice: as usually run, and with the size hint that lets
// its JPEG reader use the same reduced-scale decoding
// (-define jpeg:size=200x150). The figure to watch is our CPU time over
// montage's (its processor time, all threads; wall time in "wall_ms").
#include <benchmark/benchmark.h>

#include <QString>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/support/BenchPictures.h"
#include "bench/support/BenchTools.h"
#include "document/engine/DocumentNames.h"
#include "document/engine/PictureFiles.h"
#include "document/engine/ThumbnailSheet.h"
#include "platform/codecs/Jpeg.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFiles = 40;

// The folder of photographs, made once per run.
struct Album {
  fs::path dir = fs::temp_directory_path() / "qm-contact-sheet-bench";
  std::vector<fs::path> files;
  std::size_t bytes = 0;

  Album() {
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (int i = 0; i < kFiles; ++i) {
      const fs::path file = dir / ("photo" + std::to_string(100 + i).substr(1) + ".jpg");
      codecs::writeJpegFile(file, bench_support::noisyRamps(800, 600, 32, std::uint32_t(1000 + i)),
                            {.quality = 90, .progressive = false});
      bytes += fs::file_size(file);
      files.push_back(file);
    }
  }
  fs::path sheet(const char* name) const { return dir.parent_path() / name; }
};

const Album& album() {
  static const Album a;
  return a;
}

// The sheets of all files, each written as a JPEG file.
void makeSheets(const Album& a, bool reducedScale) {
  const document::ThumbnailLayout layout = document::thumbnailLayout(kFiles);
  gdi::Bitmap sheet = document::newThumbnailSheet(layout);
  int file = 0;
  for (int s = 0; s < layout.sheets; ++s) {
    for (int cell = 0; cell < layout.cellsPerSheet() && file < layout.files; ++cell, ++file) {
      const fs::path& path = a.files[std::size_t(file)];
      const gdi::Bitmap thumb =
          reducedScale ? document::readThumbnail(path) : document::readPictureFile(path).bitmap;
      document::drawThumbnail(sheet, cell, thumb, path.filename().string());
    }
    document::writeJpeg(a.sheet("ours.jpg"), sheet, 90);
    sheet.fill(gdi::clWhite);
  }
}

void BM_ContactSheet(benchmark::State& state) {
  const Album& a = album();
  for (auto _ : state) makeSheets(a, true);
  state.counters["input_MB"] = double(a.bytes) / 1e6;
}

void BM_ContactSheet_FullDecode(benchmark::State& state) {
  const Album& a = album();
  for (auto _ : state) makeSheets(a, false);
}

std::vector<std::string> montage(const Album& a, bool sizeHint) {
  std::vector<std::string> args = {"montage"};
  if (sizeHint) args.insert(args.end(), {"-define", "jpeg:size=200x150"});
  args.insert(args.end(), {"-label", "%f", "-pointsize", "10", "-geometry", "100x100!+10+25",
                           "-tile", "4x", "-quality", "90"});
  for (const fs::path& f : a.files) args.push_back(f.string());
  args.push_back(a.sheet("montage.jpg").string());
  return args;
}

void BM_ContactSheet_Montage(benchmark::State& state) {
  bench_support::timeTool(state, montage(album(), false));
}

void BM_ContactSheet_MontageSizeHint(benchmark::State& state) {
  bench_support::timeTool(state, montage(album(), true));
}

}  // namespace

BENCHMARK(BM_ContactSheet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ContactSheet_FullDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ContactSheet_Montage)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_ContactSheet_MontageSizeHint)->Unit(benchmark::kMillisecond)->UseManualTime();
