#include "support/PixelGrid.h"

namespace testing_support {

const std::map<char, gdi::TColor>& defaultLegend() {
  static const std::map<char, gdi::TColor> legend = {
      {'.', gdi::clWhite}, {'#', gdi::clBlack},     {'r', gdi::clRed},    {'g', gdi::clLime},
      {'b', gdi::clBlue},  {'y', gdi::clYellow},    {'s', gdi::clSilver}, {'k', gdi::clGray},
      {'x', 0x000001},     {'o', gdi::RGB(1, 1, 1)}};
  return legend;
}

gdi::Bitmap gridBitmap(const Grid& rows, const std::map<char, gdi::TColor>& legend) {
  const int h = int(rows.size());
  const int w = h ? int(rows[0].size()) : 0;
  gdi::Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w && x < int(rows[y].size()); ++x) {
      auto it = legend.find(rows[y][x]);
      b.setPixel(x, y, it == legend.end() ? gdi::clWhite : it->second);
    }
  b.takeDirty();
  return b;
}

Grid grid(const gdi::Bitmap& b, const gdi::Rect& area, const std::map<char, gdi::TColor>& legend) {
  Grid out;
  for (int y = area.top; y < area.bottom; ++y) {
    std::string line;
    for (int x = area.left; x < area.right; ++x) {
      const gdi::TColor c = b.pixel(x, y);
      char ch = '?';
      for (const auto& [k, v] : legend)
        if (v == c) {
          ch = k;
          break;
        }
      line += ch;
    }
    out.push_back(line);
  }
  return out;
}

Grid grid(const gdi::Bitmap& b, const std::map<char, gdi::TColor>& legend) {
  return grid(b, b.rect(), legend);
}

std::uint64_t pixelHash(const gdi::Bitmap& b) {
  std::uint64_t h = 1469598103934665603ull;
  auto mix = [&h](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
      h ^= (v >> (8 * i)) & 0xFF;
      h *= 1099511628211ull;
    }
  };
  mix(std::uint32_t(b.width()));
  mix(std::uint32_t(b.height()));
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x) mix(b.row(y)[x]);
  return h;
}

std::int64_t countColor(const gdi::Bitmap& b, gdi::TColor c) {
  std::int64_t n = 0;
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x) n += b.row(y)[x] == std::uint32_t(c);
  return n;
}

gdi::Bitmap noiseBitmap(int width, int height, std::uint32_t seed) {
  gdi::Bitmap b(width, height);
  std::uint32_t s = seed ? seed : 1;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      s ^= s << 13;
      s ^= s >> 17;
      s ^= s << 5;
      b.row(y)[x] = s & 0xFFFFFFu;
    }
  return b;
}

}  // namespace testing_support
