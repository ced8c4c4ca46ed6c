#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <algorithm>
#include <optional>

#include "CodecTestSupport.h"
#include "platform/codecs/Bmp.h"
#include "platform/codecs/PictureError.h"
#include "support/ExternalTool.h"
#include "support/PixelGrid.h"

using namespace codecs;
using gdi::Bitmap;
using gdi::PixelFormat;
using gdi::TColor;
using testing_support::Grid;
using testing_support::grid;
using testing_support::gridBitmap;
using testing_support::noiseBitmap;

namespace {

// A bitmap file put together field by field, so tests can write every header
// kind and every kind of damage.
struct BmpFile {
  std::uint32_t headerSize = 40;
  std::int32_t width = 1;
  std::int32_t height = 1;
  std::uint16_t planes = 1;
  std::uint16_t bitCount = 24;
  std::uint32_t compression = BI_RGB;
  std::uint32_t colorsUsed = 0;
  // Inside V4/V5 headers, after an info header.
  std::vector<std::uint32_t> masks;
  std::vector<TColor> palette;
  std::vector<std::uint8_t> bits;
  std::optional<std::uint32_t> offBits;

  std::vector<std::uint8_t> bytes() const {
    std::vector<std::uint8_t> out(14, 0);
    auto put = [&](std::uint64_t v, int n) {
      for (int i = 0; i < n; ++i) out.push_back(std::uint8_t(v >> (8 * i)));
    };
    out[0] = 'B';
    out[1] = 'M';
    if (headerSize == 12) {
      put(12, 4);
      put(std::uint16_t(width), 2);
      put(std::uint16_t(height), 2);
      put(planes, 2);
      put(bitCount, 2);
    } else {
      put(headerSize, 4);
      put(std::uint32_t(width), 4);
      put(std::uint32_t(height), 4);
      put(planes, 2);
      put(bitCount, 2);
      put(compression, 4);
      put(bits.size(), 4);
      put(3780, 4);
      put(3780, 4);
      put(colorsUsed, 4);
      put(0, 4);
      std::size_t inHeader = 0;
      for (; headerSize >= 40 + 4 * (inHeader + 1) && inHeader < masks.size(); ++inHeader)
        put(masks[inHeader], 4);
      while (out.size() < 14 + headerSize) out.push_back(0);
      for (std::size_t m = inHeader; m < masks.size(); ++m) put(masks[m], 4);
    }
    for (TColor c : palette) {
      out.push_back(std::uint8_t(gdi::GetBValue(c)));
      out.push_back(std::uint8_t(gdi::GetGValue(c)));
      out.push_back(std::uint8_t(gdi::GetRValue(c)));
      if (headerSize != 12) out.push_back(0);
    }
    const std::uint32_t offset = offBits ? *offBits : std::uint32_t(out.size());
    out.insert(out.end(), bits.begin(), bits.end());
    for (int i = 0; i < 4; ++i) out[2 + i] = std::uint8_t(out.size() >> (8 * i));
    for (int i = 0; i < 4; ++i) out[10 + i] = std::uint8_t(offset >> (8 * i));
    return out;
  }
};

// Every failure must be a PictureError; anything else (or a crash) fails.
void expectPictureError(const std::vector<std::uint8_t>& bytes, ErrorKind kind,
                        const std::string& what) {
  try {
    (void)readBmp(bytes);
    ADD_FAILURE() << what << ": read without error";
  } catch (const PictureError& e) {
    EXPECT_EQ(e.kind(), kind) << what << ": " << e.what();
  }
}

const std::vector<TColor> kFour = {gdi::clBlack, gdi::clRed, gdi::clLime, gdi::clBlue};

}  // namespace

TEST(Bmp, RoundTripsTrueColourAsTwentyFourBits) {
  const Bitmap noise = noiseBitmap(37, 13, 11);
  const std::vector<std::uint8_t> file = writeBmp(noise);
  EXPECT_EQ(file[28], 24);
  const Bitmap back = readBmp(file);
  EXPECT_TRUE(back == noise);
  EXPECT_EQ(back.pixelFormat(), PixelFormat::Bits24);
}

TEST(Bmp, RoundTripsPaletteBitmapsAtTheirOwnDepthWithTheirPalette) {
  struct Case {
    PixelFormat format;
    gdi::Palette palette;
    int bits;
  } cases[] = {
      {PixelFormat::Bits1, {gdi::clRed, gdi::clBlue}, 1},
      {PixelFormat::Bits4, gdi::vgaPalette(), 4},
      {PixelFormat::Bits4, {gdi::clRed, gdi::clLime, gdi::clBlue}, 4},  // short palette
      {PixelFormat::Bits8, gdi::halftonePalette(), 8},
  };
  for (const Case& c : cases) {
    Bitmap b = noiseBitmap(19, 7, 3);  // odd width: partial bytes and row padding
    b.setPalette(c.palette);
    b.setPixelFormat(c.format);
    const std::vector<std::uint8_t> file = writeBmp(b);
    EXPECT_EQ(file[28], c.bits);
    const Bitmap back = readBmp(file);
    EXPECT_TRUE(back == b) << c.bits;
    EXPECT_EQ(back.pixelFormat(), c.format);
    EXPECT_EQ(back.palette(), c.palette);
  }
}

TEST(Bmp, ReadsEveryHeaderKindBottomUpAndTopDown) {
  // 2 x 2, 8 bits, a colour table of four entries: 16 bits of each index row.
  BmpFile f;
  f.width = 2;
  f.height = 2;
  f.bitCount = 8;
  f.palette = kFour;
  f.colorsUsed = 4;
  f.bits = {1, 2, 0, 0, 3, 0, 0, 0};  // bottom row first: red lime / blue black
  for (std::uint32_t header : {40u, 52u, 56u, 108u, 124u}) {
    f.headerSize = header;
    const Bitmap b = readBmp(f.bytes());
    EXPECT_EQ(grid(b), (Grid{"b#", "rg"})) << header;
    EXPECT_EQ(b.pixelFormat(), PixelFormat::Bits8);
    EXPECT_EQ(b.palette(), gdi::Palette(kFour));
  }
  f.height = -2;  // top-down
  EXPECT_EQ(grid(readBmp(f.bytes())), (Grid{"rg", "b#"}));

  // Core header: three-byte table entries, always 2^bits of them.
  BmpFile core;
  core.headerSize = 12;
  core.width = 3;
  core.bitCount = 1;
  core.palette = {gdi::clWhite, gdi::clRed};
  core.bits = {0b01000000, 0, 0, 0};
  const Bitmap c = readBmp(core.bytes());
  EXPECT_EQ(grid(c), (Grid{".r."}));
  EXPECT_EQ(c.pixelFormat(), PixelFormat::Bits1);
}

TEST(Bmp, ReadsFourBitAndShortPalettes) {
  BmpFile f;
  f.width = 3;
  f.bitCount = 4;
  f.palette = kFour;
  f.colorsUsed = 4;
  f.bits = {0x12, 0x30, 0, 0};
  EXPECT_EQ(grid(readBmp(f.bytes())), (Grid{"rgb"}));
  // Indices past a short table read as black rather than out of bounds.
  f.bits = {0x1F, 0x30, 0, 0};
  EXPECT_EQ(grid(readBmp(f.bytes())), (Grid{"r#b"}));
}

TEST(Bmp, ReadsSixteenAndThirtyTwoBitsWithDefaultAndArbitraryMasks) {
  BmpFile f;
  f.width = 2;
  f.bitCount = 16;
  f.bits = {0x00, 0x7C, 0xFF, 0x03};  // 555: pure red, then green 31 + blue 31
  Bitmap b = readBmp(f.bytes());
  EXPECT_EQ(b.pixel(0, 0), gdi::clRed);
  EXPECT_EQ(b.pixel(1, 0), gdi::clAqua);
  EXPECT_EQ(b.pixelFormat(), PixelFormat::Bits15);

  f.compression = BI_BITFIELDS;  // 565, masks after the info header
  f.masks = {0xF800, 0x07E0, 0x001F};
  f.bits = {0xE0, 0x07, 0x10, 0x84};  // full green; then red 16, green 32, blue 16
  b = readBmp(f.bytes());
  EXPECT_EQ(b.pixel(0, 0), gdi::clLime);
  EXPECT_EQ(b.pixel(1, 0), gdi::RGB(132, 130, 132));
  EXPECT_EQ(b.pixelFormat(), PixelFormat::Bits16);
  f.headerSize = 108;  // the same masks inside a V4 header
  EXPECT_TRUE(readBmp(f.bytes()) == b);

  BmpFile t;
  t.width = 2;
  t.bitCount = 32;
  t.bits = {0x10, 0x20, 0x30, 0xFF, 0x00, 0x00, 0xFF, 0x00};  // BGRX
  b = readBmp(t.bytes());
  EXPECT_EQ(b.pixel(0, 0), gdi::RGB(0x30, 0x20, 0x10));
  EXPECT_EQ(b.pixel(1, 0), gdi::clRed);
  EXPECT_EQ(b.pixelFormat(), PixelFormat::Bits32);

  // 10 bits per channel in a V5 header: red full, green half, blue none.
  t.headerSize = 124;
  t.compression = BI_BITFIELDS;
  t.masks = {0x3FF00000, 0x000FFC00, 0x000003FF};
  const std::uint32_t v = 0x3FF00000u | (0x200u << 10);
  t.bits = {std::uint8_t(v),
            std::uint8_t(v >> 8),
            std::uint8_t(v >> 16),
            std::uint8_t(v >> 24),
            0,
            0,
            0,
            0};
  b = readBmp(t.bytes());
  EXPECT_EQ(b.pixel(0, 0), gdi::RGB(255, 128, 0));
  EXPECT_EQ(b.pixel(1, 0), gdi::clBlack);
}

TEST(Bmp, ReadsRunLengthEncodingWithMovesAndLineEnds) {
  BmpFile f;
  f.width = 6;
  f.height = 3;
  f.bitCount = 8;
  f.compression = BI_RLE8;
  f.palette = kFour;
  f.colorsUsed = 4;
  f.bits = {
      3, 1, 0, 3, 2, 3, 2, 0,  // bottom row: run of 3 red, literal lime blue lime (padded)
      0, 0,                    // end of line
      0, 2, 2, 1,              // move right 2 and up 1: to row 2
      2, 3, 0, 1,              // top row: two blue at x 2, end of bitmap
  };
  EXPECT_EQ(grid(readBmp(f.bytes())), (Grid{"##bb##", "######", "rrrgbg"}));

  BmpFile g = f;
  g.bitCount = 4;
  g.compression = BI_RLE4;
  g.height = 1;
  g.width = 8;
  g.bits = {5, 0x12, 0, 3, 0x31, 0x20, 0, 1};  // r g r g r, literal b r (odd count, padded)
  EXPECT_EQ(grid(readBmp(g.bytes())), (Grid{"rgrgrbrg"}));
}

TEST(Bmp, RunLengthCodesPastTheRowEndAreDroppedAsThePlatformDrops) {
  // Writers that encode every row up to its padded length put pixels past
  // the row's end; they are dropped, and the next row starts afresh.
  BmpFile f;
  f.width = 3;
  f.height = 2;
  f.bitCount = 8;
  f.compression = BI_RLE8;
  f.palette = kFour;
  f.colorsUsed = 4;
  f.bits = {4, 1, 0, 0,              // bottom: a run of 4 red on a row of 3
            0, 5, 2, 3, 2, 3, 1, 0,  // top: a literal of 5, padded
            0, 0, 0, 1};
  EXPECT_EQ(grid(readBmp(f.bytes())), (Grid{"gbg", "rrr"}));

  BmpFile g = f;
  g.bitCount = 4;
  g.compression = BI_RLE4;
  g.bits = {4, 0x12, 2,    0x33, 0,    0,  // bottom: r g r, then g and two blue dropped
            0, 5,    0x21, 0x32, 0x10, 0, 0, 1};
  EXPECT_EQ(grid(readBmp(g.bytes())), (Grid{"grb", "rgr"}));
}

TEST(Bmp, ReadsRunLengthBitmapsImageMagickWrites) {
  // A detailed picture at odd and even widths, reduced to 256, 16 and 2
  // colours by ImageMagick and written both plain and run-length encoded:
  // the two files must give the same pixels.
  codec_test::TempDir dir;
  struct Case {
    int width, height, colours;
  } cases[] = {{640, 480, 256}, {61, 37, 16}, {250, 97, 2}, {3, 5, 256}};
  for (const Case& c : cases) {
    const std::string tag =
        std::to_string(c.width) + "x" + std::to_string(c.height) + "@" + std::to_string(c.colours);
    gdi::Bitmap picture = codec_test::smoothPicture(c.width, c.height);
    const gdi::Bitmap noise = noiseBitmap(c.width, c.height / 3 + 1, 7);
    for (int y = 0; y < noise.height(); ++y)
      std::copy_n(noise.row(y), c.width, picture.row(c.height - noise.height() + y));
    const std::filesystem::path source = dir / (tag + ".bmp");
    writeBmpFile(source, picture);
    const QString plain = QString::fromStdString((dir / (tag + "-plain.bmp")).string());
    const QString rle = QString::fromStdString((dir / (tag + "-rle.bmp")).string());
    ASSERT_TRUE(testing_support::runTool(
                    "convert", {QString::fromStdString(source.string()), "-colors",
                                QString::number(c.colours), "-compress", "None", "BMP3:" + plain})
                    .ok())
        << tag;
    ASSERT_TRUE(
        testing_support::runTool("convert", {plain, "-compress", "RLE", "BMP3:" + rle}).ok())
        << tag;
    const std::vector<std::uint8_t> bytes = codec_test::fileBytes(rle.toStdString());
    ASSERT_GT(bytes.size(), 34u);
    EXPECT_EQ(bytes[30], BI_RLE8) << tag << ": ImageMagick wrote no run-length file";
    try {
      const Bitmap fromRle = readBmp(bytes);
      const Bitmap fromPlain = readBmpFile(plain.toStdString());
      EXPECT_TRUE(fromRle == fromPlain) << tag;
    } catch (const PictureError& e) {
      ADD_FAILURE() << tag << ": " << e.what();
    }
  }
}

TEST(Bmp, DibsWithoutFileHeaderAndIconHeights) {
  // An icon's DIB: header height 4 = 2 image rows + 2 mask rows.
  std::vector<std::uint8_t> file = [] {
    BmpFile f;
    f.width = 2;
    f.height = 4;
    f.bitCount = 24;
    f.bits = {0,    0, 255, 0, 255,  0, 0, 0,  // bottom: red lime (+2 padding)
              255,  0, 0,   0, 0,    0, 0, 0,  // top: blue black
              0x40, 0, 0,   0, 0x80, 0, 0, 0};
    return f.bytes();
  }();
  const std::span<const std::uint8_t> dib = std::span(file).subspan(14);
  const Dib icon = readDib(dib, DibHeight::HalfForIconMask);
  EXPECT_EQ(grid(icon.bitmap), (Grid{"b#", "rg"}));
  EXPECT_EQ(icon.info.height, 2);
  EXPECT_EQ(icon.info.bitsOffset, 40u);
  EXPECT_EQ(icon.info.imageBytes, 16u);
  EXPECT_EQ(dibStride(2, 1), 4u);
  EXPECT_EQ(dib[icon.info.bitsOffset + icon.info.imageBytes], 0x40);
  // Read as a plain DIB, the two short mask rows cannot hold two colour rows.
  EXPECT_THROW(readDib(dib), PictureError);
}

TEST(Bmp, MalformedFilesGiveAPictureErrorAndNeverCrash) {
  BmpFile ok;
  ok.width = 4;
  ok.height = 2;
  ok.bitCount = 8;
  ok.palette = kFour;
  ok.colorsUsed = 4;
  ok.bits.assign(8, 1);
  ASSERT_NO_THROW(readBmp(ok.bytes()));
  const auto variant = [&](auto change) {
    BmpFile f = ok;
    change(f);
    return f.bytes();
  };
  const ErrorKind bad = ErrorKind::InvalidPicture;
  expectPictureError({}, bad, "empty");
  expectPictureError({'B', 'M', 0, 0}, bad, "only a signature");
  expectPictureError(variant([](BmpFile& f) {
                       f.width = 60000;
                       f.height = 60000;
                     }),
                     ErrorKind::TooLarge, "huge dimensions");
  expectPictureError(variant([](BmpFile& f) {
                       f.width = 200;
                       f.height = 200;
                     }),
                     bad, "rows missing");
  expectPictureError(variant([](BmpFile& f) { f.offBits = 0x7FFFFFF0; }), bad,
                     "offset past the end");
  expectPictureError(variant([](BmpFile& f) { f.offBits = 20; }), bad, "offset into header");
  expectPictureError(variant([](BmpFile& f) { f.planes = 0; }), bad, "zero planes");
  expectPictureError(variant([](BmpFile& f) { f.width = 0; }), bad, "zero width");
  expectPictureError(variant([](BmpFile& f) { f.width = -4; }), bad, "negative width");
  expectPictureError(variant([](BmpFile& f) { f.height = 0; }), bad, "zero height");
  expectPictureError(variant([](BmpFile& f) { f.height = std::int32_t(0x80000000u); }),
                     ErrorKind::TooLarge, "most negative height");
  expectPictureError(variant([](BmpFile& f) { f.colorsUsed = 0xFFFFFFFF; }), bad,
                     "absurd palette count");
  expectPictureError(variant([](BmpFile& f) { f.colorsUsed = 200; }), bad,
                     "palette longer than the file");
  expectPictureError(variant([](BmpFile& f) { f.bitCount = 7; }), bad, "7 bits");
  expectPictureError(variant([](BmpFile& f) { f.headerSize = 30; }), bad, "header size");
  expectPictureError(variant([](BmpFile& f) { f.compression = 9; }), bad, "compression");
  expectPictureError(variant([](BmpFile& f) { f.compression = BI_PNG; }), bad, "PNG inside");
  expectPictureError(variant([](BmpFile& f) { f.compression = BI_RLE4; }), bad, "RLE4 at 8 bits");
  expectPictureError(variant([](BmpFile& f) { f.compression = BI_BITFIELDS; }), bad,
                     "bit fields at 8 bits");
  expectPictureError(variant([](BmpFile& f) {
                       f.bitCount = 16;
                       f.palette.clear();
                       f.colorsUsed = 0;
                       f.compression = BI_BITFIELDS;
                       f.masks = {0, 0, 0};
                     }),
                     bad, "empty masks");
  const auto rle = [&](std::vector<std::uint8_t> codes, std::int32_t height = 2) {
    return variant([&](BmpFile& f) {
      f.compression = BI_RLE8;
      f.height = height;
      f.bits = codes;
    });
  };
  expectPictureError(rle({0, 0, 0, 0, 2, 1, 0, 1}), bad, "run past the last row");
  expectPictureError(rle({0, 2, 9, 0, 0, 1}), bad, "move out of the picture");
  expectPictureError(rle({0, 2, 0, 9, 0, 1}), bad, "move above the picture");
  expectPictureError(rle({2, 1, 0}), bad, "cut off code");
  expectPictureError(rle({0, 4, 1, 1}), bad, "cut off literal");
  expectPictureError(rle({2, 1}), bad, "no end of bitmap before the last row");
  expectPictureError(rle({0, 1}, -2), bad, "top-down RLE");
  expectPictureError(variant([](BmpFile& f) {
                       f.compression = BI_RLE8;
                       f.width = 8000;
                       f.height = 8000;
                       f.bits = {0, 1};
                     }),
                     bad, "RLE data far too short for its size");

  // Every prefix of a valid file is refused cleanly (or read, when only the
  // last row's padding is missing).
  const std::vector<std::uint8_t> whole = ok.bytes();
  for (std::size_t n = 0; n < whole.size(); ++n) {
    const std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + std::ptrdiff_t(n));
    try {
      (void)readBmp(cut);
    } catch (const PictureError&) {
    }
  }
}

TEST(Bmp, RandomDamageNeverEscapesAsAnythingButAPictureError) {
  std::vector<std::vector<std::uint8_t>> seeds;
  seeds.push_back(writeBmp(noiseBitmap(5, 3, 1)));
  Bitmap pal = noiseBitmap(9, 4, 2);
  pal.setPalette(gdi::vgaPalette());
  pal.setPixelFormat(PixelFormat::Bits4);
  seeds.push_back(writeBmp(pal));
  BmpFile rle;
  rle.width = 6;
  rle.height = 3;
  rle.bitCount = 8;
  rle.compression = BI_RLE8;
  rle.palette = kFour;
  rle.colorsUsed = 4;
  rle.bits = {3, 1, 0, 3, 2, 3, 2, 0, 0, 0, 0, 2, 2, 1, 2, 3, 0, 1};
  seeds.push_back(rle.bytes());
  std::uint32_t s = 12345;
  auto next = [&] {
    s ^= s << 13;
    s ^= s >> 17;
    s ^= s << 5;
    return s;
  };
  int decoded = 0;
  for (int round = 0; round < 3000; ++round) {
    std::vector<std::uint8_t> f = seeds[std::size_t(round) % seeds.size()];
    const int flips = 1 + int(next() % 4);
    for (int k = 0; k < flips; ++k) f[next() % f.size()] = std::uint8_t(next());
    try {
      const Bitmap b = readBmp(f);
      decoded += !b.empty();
    } catch (const PictureError&) {
    }
  }
  EXPECT_GT(decoded, 0);
}

TEST(Bmp, FilesOnDisk) {
  codec_test::TempDir dir;
  const Bitmap b = gridBitmap({"rg", "b#"});
  writeBmpFile(dir / "a.bmp", b);
  EXPECT_TRUE(readBmpFile(dir / "a.bmp") == b);
  try {
    (void)readBmpFile(dir / "missing.bmp");
    ADD_FAILURE() << "read a missing file";
  } catch (const PictureError& e) {
    EXPECT_EQ(e.kind(), ErrorKind::Io);
  }
  EXPECT_THROW(writeBmp(Bitmap()), PictureError);
}

TEST(Bmp, AgreesWithQtsReaderAndWriter) {
  // Our files open in another decoder with the same pixels...
  Bitmap pal = noiseBitmap(21, 6, 8);
  pal.setPalette(gdi::halftonePalette());
  pal.setPixelFormat(PixelFormat::Bits8);
  Bitmap mono = noiseBitmap(13, 5, 9);
  mono.setPixelFormat(PixelFormat::Bits1);
  for (const Bitmap& b : {noiseBitmap(23, 7, 4), pal, mono}) {
    const std::vector<std::uint8_t> file = writeBmp(b);
    const QImage image = QImage::fromData(file.data(), int(file.size()), "BMP");
    ASSERT_FALSE(image.isNull());
    int wrong = 0;
    for (int y = 0; y < b.height(); ++y)
      for (int x = 0; x < b.width(); ++x) {
        const QRgb q = image.pixel(x, y);
        wrong += b.pixel(x, y) != gdi::RGB(qRed(q), qGreen(q), qBlue(q));
      }
    EXPECT_EQ(wrong, 0);
  }
  // ...and theirs in ours.
  QImage image(9, 4, QImage::Format_RGB32);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 9; ++x) image.setPixel(x, y, qRgb(x * 25, y * 60, 255 - x * 9));
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(image.save(&buffer, "BMP"));
  const Bitmap b = readBmp(
      std::span(reinterpret_cast<const std::uint8_t*>(data.constData()), std::size_t(data.size())));
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 9; ++x) EXPECT_EQ(b.pixel(x, y), gdi::RGB(x * 25, y * 60, 255 - x * 9));
}
