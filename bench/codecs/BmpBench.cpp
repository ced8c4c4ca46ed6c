// Reading and writing a 4000 x 4000 true-colour bitmap file in memory.
#include <benchmark/benchmark.h>

#include "platform/codecs/Bmp.h"

namespace {

gdi::Bitmap picture() {
  gdi::Bitmap b(4000, 4000);
  for (int y = 0; y < b.height(); ++y) {
    std::uint32_t* row = b.row(y);
    for (int x = 0; x < b.width(); ++x) row[x] = std::uint32_t(x * 7 + y * 13) & 0xFFFFFFu;
  }
  return b;
}

void BM_Bmp_Write_24bit_4000(benchmark::State& state) {
  static const gdi::Bitmap b = picture();
  for (auto _ : state) {
    std::vector<std::uint8_t> bytes = codecs::writeBmp(b);
    benchmark::DoNotOptimize(bytes.data());
  }
}

void BM_Bmp_Read_24bit_4000(benchmark::State& state) {
  static const std::vector<std::uint8_t> file = codecs::writeBmp(picture());
  for (auto _ : state) {
    gdi::Bitmap b = codecs::readBmp(file);
    benchmark::DoNotOptimize(b.row(0));
  }
}

void BM_Bmp_Read_8bit_4000(benchmark::State& state) {
  static const std::vector<std::uint8_t> file = [] {
    gdi::Bitmap b = picture();
    b.setPixelFormat(gdi::PixelFormat::Bits8);
    return codecs::writeBmp(b);
  }();
  for (auto _ : state) {
    gdi::Bitmap b = codecs::readBmp(file);
    benchmark::DoNotOptimize(b.row(0));
  }
}

}  // namespace

BENCHMARK(BM_Bmp_Write_24bit_4000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Bmp_Read_24bit_4000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Bmp_Read_8bit_4000)->Unit(benchmark::kMillisecond);
