#include "DocumentTestSupport.h"

#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

#include "platform/codecs/Jpeg.h"

namespace fs = std::filesystem;

namespace document_test {

gdi::Bitmap quadrants(int width, int height) {
  gdi::Bitmap b(width, height);
  for (int y = 0; y < height; ++y) {
    std::uint32_t* row = b.row(y);
    for (int x = 0; x < width; ++x) {
      const bool right = x >= width / 2, bottom = y >= height / 2;
      row[x] = bottom ? (right ? 0xFF0000u : 0x00FF00u) : (right ? 0x0000FFu : 0x000000u);
    }
  }
  return b;
}

void writeJpegPicture(const fs::path& file, int width, int height, bool progressive) {
  codecs::writeJpegFile(file, quadrants(width, height),
                        {.quality = 90, .progressive = progressive});
}

void writeText(const fs::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary) << text;
}

std::string readText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace document_test
