#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include "CodecTestSupport.h"
#include "platform/codecs/Icon.h"
#include "platform/codecs/PictureError.h"
#include "support/PictureErrors.h"
#include "support/PixelGrid.h"

using namespace codecs;
using testing_support::Grid;
using testing_support::grid;

namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& b, int v) {
  b.push_back(std::uint8_t(v));
  b.push_back(std::uint8_t(v >> 8));
}
void put32(Bytes& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(v >> (8 * i)));
}

// Colour of each test character as (r, g, b); alpha for 32-bit images comes
// separately.
gdi::TColor colourOf(char c) { return testing_support::defaultLegend().at(c); }

// An icon image in bitmap form of the given depth. `rows` uses the grid
// legend; 't' marks transparent pixels (AND bit set, colour black) and 'i'
// an inverting pixel (AND bit set, colour red). The palette for 1/4/8 bits is
// built from the colours used.
Bytes dibImage(const Grid& rows, int bits, int alphaOfRed = -1) {
  const int h = int(rows.size()), w = int(rows[0].size());
  std::vector<gdi::TColor> palette;
  auto colour = [&](char c) -> gdi::TColor {
    if (c == 't') return gdi::clBlack;
    if (c == 'i') return gdi::clRed;
    return colourOf(c);
  };
  if (bits <= 8) {
    for (const auto& row : rows)
      for (char c : row)
        if (std::find(palette.begin(), palette.end(), colour(c)) == palette.end())
          palette.push_back(colour(c));
    palette.resize(std::size_t(1) << bits, gdi::clBlack);
  }
  Bytes b;
  put32(b, 40);
  put32(b, std::uint32_t(w));
  put32(b, std::uint32_t(2 * h));
  put16(b, 1);
  put16(b, bits);
  for (int i = 0; i < 6; ++i) put32(b, 0);
  for (gdi::TColor c : palette) {
    b.push_back(std::uint8_t(gdi::GetBValue(c)));
    b.push_back(std::uint8_t(gdi::GetGValue(c)));
    b.push_back(std::uint8_t(gdi::GetRValue(c)));
    b.push_back(0);
  }
  const std::size_t stride = (std::size_t(w) * bits + 31) / 32 * 4;
  for (int y = h - 1; y >= 0; --y) {
    Bytes row(stride, 0);
    for (int x = 0; x < w; ++x) {
      const gdi::TColor c = colour(rows[std::size_t(y)][std::size_t(x)]);
      const int index =
          bits <= 8 ? int(std::find(palette.begin(), palette.end(), c) - palette.begin()) : 0;
      switch (bits) {
        case 1:
          row[std::size_t(x / 8)] |= std::uint8_t(index << (7 - x % 8));
          break;
        case 4:
          row[std::size_t(x / 2)] |= std::uint8_t(index << (x % 2 ? 0 : 4));
          break;
        case 8:
          row[std::size_t(x)] = std::uint8_t(index);
          break;
        case 24:
        case 32: {
          const std::size_t at = std::size_t(x) * std::size_t(bits / 8);
          row[at] = std::uint8_t(gdi::GetBValue(c));
          row[at + 1] = std::uint8_t(gdi::GetGValue(c));
          row[at + 2] = std::uint8_t(gdi::GetRValue(c));
          if (bits == 32 && alphaOfRed >= 0)
            row[at + 3] =
                std::uint8_t(c == gdi::clRed ? alphaOfRed : (c == gdi::clBlack ? 0 : 255));
          break;
        }
      }
    }
    b.insert(b.end(), row.begin(), row.end());
  }
  const std::size_t maskStride = (std::size_t(w) + 31) / 32 * 4;
  for (int y = h - 1; y >= 0; --y) {
    Bytes row(maskStride, 0);
    for (int x = 0; x < w; ++x) {
      const char c = rows[std::size_t(y)][std::size_t(x)];
      if (c == 't' || c == 'i') row[std::size_t(x / 8)] |= std::uint8_t(0x80 >> (x % 8));
    }
    b.insert(b.end(), row.begin(), row.end());
  }
  return b;
}

Bytes pngImage(int w, int h, QColor colour) {
  QImage image(w, h, QImage::Format_ARGB32);
  image.fill(colour);
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return Bytes(data.begin(), data.end());
}

struct IconEntry {
  int w, h, bits;
  Bytes data;
};

Bytes iconFile(const std::vector<IconEntry>& entries) {
  Bytes b;
  put16(b, 0);
  put16(b, 1);
  put16(b, int(entries.size()));
  std::uint32_t offset = 6 + 16 * std::uint32_t(entries.size());
  for (const IconEntry& e : entries) {
    b.push_back(std::uint8_t(e.w & 255));
    b.push_back(std::uint8_t(e.h & 255));
    b.push_back(0);
    b.push_back(0);
    put16(b, 1);
    put16(b, e.bits);
    put32(b, std::uint32_t(e.data.size()));
    put32(b, offset);
    offset += std::uint32_t(e.data.size());
  }
  for (const IconEntry& e : entries) b.insert(b.end(), e.data.begin(), e.data.end());
  return b;
}

const Grid kPicture{"rgbt", "#i.y", "ttrr"};

using testing_support::kindOf;

}  // namespace

TEST(Icon, EveryDepthComesOutDrawnOverWhite) {
  // Over white: transparent pixels are white, inverting pixels show the
  // inverse of their colour (red becomes aqua).
  const Grid expected{"rgb.", "#b.y", "..rr"};
  for (int bits : {4, 8, 24, 32}) {
    const Bytes file = iconFile({{4, 3, bits, dibImage(kPicture, bits)}});
    const auto images = readIconImages(file);
    ASSERT_EQ(images.size(), 1u) << bits;
    EXPECT_EQ(images[0].bitCount, bits);
    std::map<char, gdi::TColor> legend = testing_support::defaultLegend();
    legend['b'] = gdi::clBlue;
    Grid got = grid(images[0].bitmap, legend);
    EXPECT_EQ(images[0].bitmap.pixel(1, 1), gdi::clAqua) << bits;
    got[1][1] = 'b';  // checked above; the legend has no aqua
    EXPECT_EQ(got, expected) << bits;
  }
}

TEST(Icon, OneBitIconsUseTheirTwoColours) {
  const Grid mono{"#.#t", "t#.#"};
  const auto images = readIconImages(iconFile({{4, 2, 1, dibImage(mono, 1)}}));
  EXPECT_EQ(grid(images[0].bitmap), (Grid{"#.#.", ".#.#"}));
}

TEST(Icon, AlphaOfThirtyTwoBitImagesIsBlendedOverWhite) {
  const Grid g{"rt"};
  const auto images = readIconImages(iconFile({{2, 1, 32, dibImage(g, 32, 128)}}));
  const gdi::TColor half = images[0].bitmap.pixel(0, 0);
  EXPECT_EQ(gdi::GetRValue(half), 255);
  EXPECT_NEAR(gdi::GetGValue(half), 127, 1);
  EXPECT_EQ(images[0].bitmap.pixel(1, 0), gdi::clWhite);
}

TEST(Icon, PngEntriesDecodeAndTheLargestImageIsOpened) {
  const Bytes file = iconFile({{4, 3, 8, dibImage(kPicture, 8)},
                               {0, 0, 32, pngImage(256, 256, QColor(0, 0, 255, 255))},
                               {16, 16, 32, pngImage(16, 16, QColor(255, 0, 0, 0))}});
  const auto images = readIconImages(file);
  ASSERT_EQ(images.size(), 3u);
  EXPECT_TRUE(images[1].png);
  EXPECT_EQ(images[2].bitmap.pixel(3, 3), gdi::clWhite);  // fully transparent PNG
  const gdi::Bitmap largest = readIcon(file);
  EXPECT_EQ(largest.width(), 256);
  EXPECT_EQ(largest.pixel(100, 100), gdi::clBlue);
}

TEST(Icon, OfEquallyLargeImagesTheDeepestIsOpened) {
  const Bytes file = iconFile({{4, 3, 4, dibImage(kPicture, 4)},
                               {4, 3, 24, dibImage({"gggg", "gggg", "gggg"}, 24)},
                               {4, 3, 8, dibImage(kPicture, 8)}});
  EXPECT_EQ(grid(readIcon(file)), (Grid{"gggg", "gggg", "gggg"}));
}

TEST(Icon, DamagedIconsAreInvalidPicturesAndGoodEntriesSurviveBadOnes) {
  Bytes file = iconFile({{4, 3, 8, dibImage(kPicture, 8)}});
  Bytes cut = file;
  cut.erase(cut.end() - 20, cut.end());  // colour rows cut short
  EXPECT_EQ(kindOf([&] { readIcon(cut); }), ErrorKind::InvalidPicture);
  EXPECT_EQ(kindOf([] { readIcon(Bytes{0, 0, 1, 0}); }), ErrorKind::InvalidPicture);
  Bytes pointsOutside = file;
  pointsOutside[18] = 0xFF;  // offset of the image far beyond the end
  pointsOutside[19] = 0xFF;
  EXPECT_EQ(kindOf([&] { readIcon(pointsOutside); }), ErrorKind::InvalidPicture);
  // A broken large entry beside a good small one: the good one opens.
  Bytes bad = dibImage(kPicture, 8);
  bad[14] = 3;  // 3 bits per pixel does not exist
  const Bytes mixed = iconFile({{32, 32, 8, bad}, {4, 3, 8, dibImage(kPicture, 8)}});
  EXPECT_EQ(readIcon(mixed).width(), 4);
  EXPECT_EQ(readIconImages(mixed).size(), 1u);
  // A header asking for an absurd size is refused before allocating.
  Bytes huge = dibImage(kPicture, 8);
  huge[4] = 0xFF, huge[5] = 0xFF, huge[6] = 0xFF, huge[7] = 0x00;
  EXPECT_EQ(kindOf([&] { readIcon(iconFile({{4, 3, 8, huge}})); }), ErrorKind::TooLarge);
}
