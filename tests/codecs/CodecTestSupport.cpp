#include "CodecTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

namespace codec_test {

std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

gdi::Bitmap smoothPicture(int width, int height) {
  gdi::Bitmap b(width, height);
  for (int y = 0; y < height; ++y) {
    std::uint32_t* row = b.row(y);
    for (int x = 0; x < width; ++x) {
      const int r = x * 255 / std::max(1, width - 1);
      const int g = y * 255 / std::max(1, height - 1);
      const int bl = (x < width / 2) ? 40 : 200;
      row[x] = std::uint32_t(gdi::RGB(r, g, bl));
    }
  }
  return b;
}

double meanChannelDifference(const gdi::Bitmap& a, const gdi::Bitmap& b) {
  EXPECT_EQ(a.width(), b.width());
  EXPECT_EQ(a.height(), b.height());
  if (a.width() != b.width() || a.height() != b.height()) return 1e9;
  double sum = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const std::uint32_t p = a.row(y)[x], q = b.row(y)[x];
      for (int s = 0; s < 24; s += 8) sum += std::abs(int((p >> s) & 255) - int((q >> s) & 255));
    }
  return sum / (3.0 * a.width() * a.height());
}

std::filesystem::path testData() {
  const char* dir = std::getenv("QM_TEST_DATA");
  return dir ? std::filesystem::path(dir) : std::filesystem::path("tests/codecs/data");
}

}  // namespace codec_test
