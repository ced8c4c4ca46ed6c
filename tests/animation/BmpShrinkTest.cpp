#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "animation/engine/BmpShrink.h"
#include "animation/engine/BulkResize.h"
#include "platform/codecs/Bmp.h"
#include "support/PixelGrid.h"

using animation::resizedFrame;
using animation::shrinkBmpFile;

namespace {

void put16(std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t x) {
  v[at] = std::uint8_t(x);
  v[at + 1] = std::uint8_t(x >> 8);
}
void put32(std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t x) {
  put16(v, at, x);
  put16(v, at + 2, x >> 16);
}

// A .bmp file of the other layouts writers use: 32 bits, rows stored top
// down, a file header that leaves the pixel offset 0.
std::vector<std::uint8_t> bmpFile(const gdi::Bitmap& b, int bits, bool topDown,
                                  bool zeroOffset = false) {
  const std::size_t stride = std::size_t((b.width() * bits + 31) / 32 * 4);
  std::vector<std::uint8_t> f(54 + stride * std::size_t(b.height()), 0);
  f[0] = 'B';
  f[1] = 'M';
  put32(f, 2, std::uint32_t(f.size()));
  put32(f, 10, zeroOffset ? 0 : 54);
  put32(f, 14, 40);
  put32(f, 18, std::uint32_t(b.width()));
  put32(f, 22, std::uint32_t(topDown ? -b.height() : b.height()));
  put16(f, 26, 1);
  put16(f, 28, std::uint32_t(bits));
  for (int y = 0; y < b.height(); ++y) {
    std::uint8_t* row = f.data() + 54 + std::size_t(topDown ? y : b.height() - 1 - y) * stride;
    for (int x = 0; x < b.width(); ++x, row += bits / 8) {
      const std::uint32_t c = b.row(y)[x];
      row[0] = std::uint8_t(c >> 16);  // blue
      row[1] = std::uint8_t(c >> 8);
      row[2] = std::uint8_t(c);
    }
  }
  return f;
}

}  // namespace

// Taking the kept pixels straight from the file gives exactly what decoding
// the whole frame and stretching it gives, for every layout and size.
TEST(BmpShrink, SamplingTheFileEqualsDecodingAndStretching) {
  struct Case {
    int w, h;
    gdi::Size to;
  };
  for (const Case c : {Case{640, 480, {320, 240}}, Case{641, 479, {100, 37}}, Case{13, 7, {10, 7}},
                       Case{50, 50, {50, 50}}, Case{1000, 3, {999, 1}}, Case{3, 900, {1, 899}}}) {
    const gdi::Bitmap frame = testing_support::noiseBitmap(c.w, c.h, std::uint32_t(c.w + c.h));
    for (int bits : {24, 32})
      for (bool topDown : {false, true}) {
        SCOPED_TRACE(testing::Message()
                     << c.w << "x" << c.h << " to " << c.to.cx << "x" << c.to.cy << ", " << bits
                     << " bits" << (topDown ? ", top down" : ""));
        const std::vector<std::uint8_t> file = bmpFile(frame, bits, topDown, c.w == 13);
        const gdi::Bitmap decoded = codecs::readBmp(file);
        const std::optional<gdi::Bitmap> shrunk = shrinkBmpFile(file, c.to);
        ASSERT_TRUE(shrunk);
        const gdi::Bitmap reference = resizedFrame(decoded, c.to);
        EXPECT_TRUE(*shrunk == reference);
        EXPECT_EQ(shrunk->pixelFormat(), reference.pixelFormat());
        EXPECT_EQ(codecs::writeBmp(*shrunk), codecs::writeBmp(reference));
      }
  }
}

TEST(BmpShrink, OtherFilesAndEnlargingGoToTheFullReader) {
  const gdi::Bitmap frame = testing_support::noiseBitmap(40, 30, 5);
  const std::vector<std::uint8_t> file = bmpFile(frame, 24, false);
  EXPECT_FALSE(shrinkBmpFile(file, {41, 10}));  // wider: BlackOnWhite
  EXPECT_FALSE(shrinkBmpFile(file, {10, 31}));
  EXPECT_FALSE(shrinkBmpFile(file, {0, 10}));
  std::vector<std::uint8_t> cut = file;
  cut.resize(cut.size() - 50);
  EXPECT_FALSE(shrinkBmpFile(cut, {20, 15}));
  EXPECT_FALSE(shrinkBmpFile(std::vector<std::uint8_t>{'B', 'M'}, {20, 15}));
  gdi::Bitmap palette = frame;
  palette.setPixelFormat(gdi::PixelFormat::Bits8);
  EXPECT_FALSE(shrinkBmpFile(codecs::writeBmp(palette), {20, 15}));
  EXPECT_TRUE(shrinkBmpFile(codecs::writeBmp(frame), {20, 15}));
}
