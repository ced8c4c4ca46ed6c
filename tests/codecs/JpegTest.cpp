#include <gtest/gtest.h>

#include <jpeglib.h>

#include <cstdio>
#include <random>
#include <set>
#include <span>

#include "CodecTestSupport.h"
#include "platform/codecs/Jpeg.h"
#include "platform/codecs/PictureError.h"
#include "support/JpegReadBack.h"
#include "support/PictureErrors.h"
#include "support/PixelGrid.h"

using namespace codecs;
using codec_test::meanChannelDifference;
using codec_test::smoothPicture;

namespace {

JpegEncodeOptions enc(std::optional<int> quality, bool progressive = true) {
  JpegEncodeOptions o;
  o.quality = quality;
  o.progressive = progressive;
  return o;
}

// A JPEG made directly with libjpeg's own memory destination from raw samples
// of any colour space (grey and CMYK sources, which the studio itself never
// writes, and our own pixels as the reference for the encoder).
std::vector<std::uint8_t> rawJpeg(int w, int h, J_COLOR_SPACE space, int components,
                                  std::span<const std::uint8_t> samples, int quality = 95,
                                  bool progressive = false) {
  jpeg_compress_struct c;
  jpeg_error_mgr err;
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  unsigned char* buf = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&c, &buf, &size);
  c.image_width = JDIMENSION(w);
  c.image_height = JDIMENSION(h);
  c.in_color_space = space;
  c.input_components = components;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, quality, TRUE);
  if (progressive) jpeg_simple_progression(&c);
  jpeg_start_compress(&c, TRUE);
  while (int(c.next_scanline) < h) {
    JSAMPROW row =
        const_cast<JSAMPROW>(samples.data() + std::size_t(c.next_scanline) * w * components);
    jpeg_write_scanlines(&c, &row, 1);
  }
  jpeg_finish_compress(&c);
  std::vector<std::uint8_t> out(buf, buf + size);
  jpeg_destroy_compress(&c);
  std::free(buf);
  return out;
}

using testing_support::kindOf;

// Offset of the frame header's height field (SOF0..SOF2).
std::size_t frameSizeOffset(const std::vector<std::uint8_t>& j) {
  for (std::size_t i = 2; i + 9 < j.size(); ++i)
    if (j[i] == 0xFF && (j[i + 1] == 0xC0 || j[i + 1] == 0xC1 || j[i + 1] == 0xC2)) return i + 5;
  ADD_FAILURE() << "no frame header";
  return 0;
}

bool allGrey(const gdi::Bitmap& b) {
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x) {
      const gdi::TColor c = b.pixel(x, y);
      if (gdi::GetRValue(c) != gdi::GetGValue(c) || gdi::GetGValue(c) != gdi::GetBValue(c))
        return false;
    }
  return true;
}

// What libjpeg's own memory destination makes of our pixels with the same settings.
std::vector<std::uint8_t> libjpegReference(const gdi::Bitmap& b, int quality, bool progressive) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(b.bits());
  const std::size_t size = std::size_t(b.width()) * std::size_t(b.height()) * 4;
  return rawJpeg(b.width(), b.height(), JCS_EXT_RGBX, 4, {bytes, size}, quality, progressive);
}

}  // namespace

TEST(Jpeg, DecodesAtEachScaleRoundingOddSizesUp) {
  const auto bytes = encodeJpeg(smoothPicture(101, 57), enc(90, false));
  const JpegInfo info = readJpegInfo(bytes);
  EXPECT_EQ(info.width, 101);
  EXPECT_EQ(info.height, 57);
  const struct {
    JpegScale scale;
    int w, h;
  } cases[] = {{JpegScale::FullSize, 101, 57},
               {JpegScale::Half, 51, 29},
               {JpegScale::Quarter, 26, 15},
               {JpegScale::Eighth, 13, 8}};
  for (const auto& c : cases) {
    JpegDecodeOptions o;
    o.scale = c.scale;
    const JpegPicture p = decodeJpeg(bytes, o);
    EXPECT_EQ(p.bitmap.width(), c.w);
    EXPECT_EQ(p.bitmap.height(), c.h);
    EXPECT_EQ(jpegScaledSize(info, c.scale), (gdi::Size{c.w, c.h}));
    // A downscaled decode still looks like the picture.
    gdi::Bitmap reference = smoothPicture(c.w, c.h);
    EXPECT_LT(meanChannelDifference(p.bitmap, reference), 12.0) << int(c.scale);
  }
}

TEST(Jpeg, RoundTripStaysCloseAndKeepsTheUnusedByteZero) {
  const gdi::Bitmap original = smoothPicture(64, 48);
  for (bool progressive : {false, true}) {
    const auto bytes = encodeJpeg(original, enc(95, progressive));
    const JpegPicture p = decodeJpeg(bytes);
    EXPECT_EQ(p.warnings, 0);
    EXPECT_EQ(p.bitmap.pixelFormat(), gdi::PixelFormat::Bits24);
    EXPECT_LT(meanChannelDifference(p.bitmap, original), 2.5);
    for (int y = 0; y < p.bitmap.height(); ++y)
      for (int x = 0; x < p.bitmap.width(); ++x) ASSERT_EQ(p.bitmap.row(y)[x] >> 24, 0u);
    // The fast DCT is a little less exact but still the same picture.
    JpegDecodeOptions fast;
    fast.performance = JpegPerformance::BestSpeed;
    EXPECT_LT(meanChannelDifference(decodeJpeg(bytes, fast).bitmap, original), 5.0);
  }
}

TEST(Jpeg, QualityControlsTheFileSizeAndNoneMeansTheLibraryDefault) {
  const gdi::Bitmap picture = testing_support::noiseBitmap(96, 96, 7);
  const auto q10 = encodeJpeg(picture, enc(10));
  const auto q50 = encodeJpeg(picture, enc(50));
  const auto q100 = encodeJpeg(picture, enc(100));
  EXPECT_LT(q10.size(), q50.size());
  EXPECT_LT(q50.size(), q100.size());
  EXPECT_EQ(encodeJpeg(picture, {}), encodeJpeg(picture, enc(kJpegDefaultQuality)));
  // Out-of-range qualities are clamped, not rejected.
  EXPECT_EQ(encodeJpeg(picture, enc(400)), q100);
}

TEST(Jpeg, ReportsProgressiveFiles) {
  const gdi::Bitmap picture = smoothPicture(40, 30);
  EXPECT_TRUE(readJpegInfo(encodeJpeg(picture, enc({}, true))).progressive);
  EXPECT_FALSE(readJpegInfo(encodeJpeg(picture, enc({}, false))).progressive);
  EXPECT_TRUE(decodeJpeg(encodeJpeg(picture, enc({}, true))).info.progressive);
}

TEST(Jpeg, ProgressRisesFromZeroToOneHundred) {
  const gdi::Bitmap picture = smoothPicture(200, 160);
  for (bool progressive : {false, true}) {
    const auto bytes = encodeJpeg(picture, enc(90, progressive));
    std::vector<int> seen;
    int pictures = 0;
    const JpegPicture p = decodeJpeg(bytes, {}, [&](int percent, const gdi::Bitmap* partial) {
      seen.push_back(percent);
      if (partial) ++pictures;
    });
    ASSERT_GE(seen.size(), 3u);
    EXPECT_EQ(seen.front(), 0);
    EXPECT_EQ(seen.back(), 100);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_EQ(pictures, 0) << "no display asked for, so no partial pictures";
    EXPECT_EQ(p.bitmap.width(), 200);
  }
}

TEST(Jpeg, ProgressiveDisplayShowsEveryScanAtFullSize) {
  const gdi::Bitmap picture = smoothPicture(120, 90);
  const auto bytes = encodeJpeg(picture, enc(90, true));
  JpegDecodeOptions o;
  o.progressiveDisplay = true;
  std::vector<double> errors;
  int last = -1;
  const JpegPicture p = decodeJpeg(bytes, o, [&](int percent, const gdi::Bitmap* partial) {
    EXPECT_GE(percent, last);
    last = percent;
    if (!partial) return;
    EXPECT_EQ(partial->width(), 120);
    EXPECT_EQ(partial->height(), 90);
    errors.push_back(meanChannelDifference(*partial, picture));
  });
  EXPECT_EQ(last, 100);
  // libjpeg's simple progression has ten scans; most of them give a picture.
  EXPECT_GE(errors.size(), 5u);
  EXPECT_LT(errors.back(), 2.5);
  EXPECT_LE(errors.back(), errors.front());
}

TEST(Jpeg, IncrementalDisplayHandsOverRowsAsTheyArrive) {
  const auto bytes = encodeJpeg(smoothPicture(64, 256), enc(90, false));
  JpegDecodeOptions o;
  o.incrementalDisplay = true;
  std::vector<int> percents;
  decodeJpeg(bytes, o, [&](int percent, const gdi::Bitmap* partial) {
    if (partial) percents.push_back(percent);
  });
  EXPECT_GE(percents.size(), 4u);
  EXPECT_EQ(percents.back(), 100);
}

TEST(Jpeg, GrayscaleOutputOfAColourFileAndColourOutputOfAGreyFile) {
  JpegDecodeOptions gray;
  gray.colorSpace = JpegColorSpace::Grayscale;
  const auto colour = encodeJpeg(smoothPicture(32, 32), enc(90));
  const JpegPicture g = decodeJpeg(colour, gray);
  EXPECT_TRUE(allGrey(g.bitmap));

  std::vector<std::uint8_t> ramp(32 * 16);
  for (std::size_t i = 0; i < ramp.size(); ++i) ramp[i] = std::uint8_t(i % 32 * 8);
  const auto grey = rawJpeg(32, 16, JCS_GRAYSCALE, 1, ramp);
  EXPECT_EQ(readJpegInfo(grey).components, 1);
  const JpegPicture c = decodeJpeg(grey);
  EXPECT_TRUE(allGrey(c.bitmap));
  EXPECT_NEAR(gdi::GetRValue(c.bitmap.pixel(31, 5)), 248, 4);
}

TEST(Jpeg, EightBitOutputIsAPaletteBitmapWhosePixelsAreAllInThePalette) {
  for (JpegPerformance perf : {JpegPerformance::BestQuality, JpegPerformance::BestSpeed}) {
    for (JpegColorSpace space : {JpegColorSpace::Color, JpegColorSpace::Grayscale}) {
      JpegDecodeOptions o;
      o.pixelFormat = JpegPixelFormat::Bits8;
      o.performance = perf;
      o.colorSpace = space;
      const gdi::Bitmap original = smoothPicture(80, 60);
      const JpegPicture p = decodeJpeg(encodeJpeg(original, enc(90)), o);
      ASSERT_EQ(p.bitmap.pixelFormat(), gdi::PixelFormat::Bits8);
      ASSERT_TRUE(p.bitmap.hasPalette());
      EXPECT_LE(p.bitmap.palette().size(), 256u);
      const std::set<gdi::TColor> entries(p.bitmap.palette().begin(), p.bitmap.palette().end());
      for (int y = 0; y < p.bitmap.height(); ++y)
        for (int x = 0; x < p.bitmap.width(); ++x) ASSERT_TRUE(entries.count(p.bitmap.pixel(x, y)));
      if (space == JpegColorSpace::Color)
        EXPECT_LT(meanChannelDifference(p.bitmap, original), 20.0);  // dithering noise
      else
        EXPECT_TRUE(allGrey(p.bitmap));
    }
  }
}

TEST(Jpeg, EightBitProgressiveDisplayKeepsPaletteAndPixelsInStep) {
  JpegDecodeOptions o;
  o.pixelFormat = JpegPixelFormat::Bits8;
  o.progressiveDisplay = true;
  int pictures = 0;
  const JpegPicture p = decodeJpeg(encodeJpeg(smoothPicture(48, 48), enc({}, true)), o,
                                   [&](int, const gdi::Bitmap* partial) { pictures += !!partial; });
  EXPECT_GT(pictures, 1);
  EXPECT_EQ(p.bitmap.pixelFormat(), gdi::PixelFormat::Bits8);
}

TEST(Jpeg, AdobeCmykFilesComeOutInColour) {
  // Inverted CMYK as Adobe writes it: 255 is no ink.
  std::vector<std::uint8_t> cmyk(16 * 16 * 4);
  for (std::size_t i = 0; i < cmyk.size(); i += 4) {
    cmyk[i] = 255;      // no cyan
    cmyk[i + 1] = 0;    // full magenta
    cmyk[i + 2] = 0;    // full yellow
    cmyk[i + 3] = 255;  // no black
  }
  const auto bytes = rawJpeg(16, 16, JCS_CMYK, 4, cmyk);
  const JpegPicture p = decodeJpeg(bytes);
  const gdi::TColor c = p.bitmap.pixel(8, 8);
  EXPECT_GT(gdi::GetRValue(c), 230);
  EXPECT_LT(gdi::GetGValue(c), 25);
  EXPECT_LT(gdi::GetBValue(c), 25);
  JpegDecodeOptions eight;
  eight.pixelFormat = JpegPixelFormat::Bits8;
  EXPECT_EQ(decodeJpeg(bytes, eight).bitmap.pixelFormat(), gdi::PixelFormat::Bits8);
}

TEST(Jpeg, DamagedButReadableFilesGiveThePictureWithWarnings) {
  for (bool progressive : {false, true}) {
    auto bytes = encodeJpeg(smoothPicture(64, 64), enc(90, progressive));
    // Cut in the middle of the last scan's data.
    std::size_t lastScan = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
      if (bytes[i] == 0xFF && bytes[i + 1] == 0xDA) lastScan = i;
    bytes.resize((lastScan + bytes.size()) / 2);
    const JpegPicture p = decodeJpeg(bytes);
    EXPECT_GT(p.warnings, 0);
    EXPECT_EQ(p.bitmap.width(), 64);
  }
}

TEST(Jpeg, FilesThatAreNoJpegAreInvalidPictures) {
  std::vector<std::uint8_t> empty;
  std::vector<std::uint8_t> text{'h', 'e', 'l', 'l', 'o'};
  auto headerOnly = encodeJpeg(smoothPicture(8, 8));
  headerOnly.resize(20);
  for (const std::vector<std::uint8_t>* b : {&empty, &text, &headerOnly}) {
    EXPECT_EQ(kindOf([&] { decodeJpeg(*b); }), ErrorKind::InvalidPicture);
    EXPECT_EQ(kindOf([&] { readJpegInfo(*b); }), ErrorKind::InvalidPicture);
  }
  EXPECT_EQ(kindOf([] { readJpegFile("/nonexistent/folder/x.jpg"); }), ErrorKind::Io);
}

TEST(Jpeg, AbsurdSizesAreRefusedBeforeDecoding) {
  auto bytes = encodeJpeg(smoothPicture(16, 16), enc({}, false));
  const std::size_t at = frameSizeOffset(bytes);
  bytes[at] = 0xFF, bytes[at + 1] = 0xD0;      // height 65488
  bytes[at + 2] = 0xFF, bytes[at + 3] = 0xD0;  // width 65488
  EXPECT_EQ(readJpegInfo(bytes).width, 65488);
  EXPECT_EQ(kindOf([&] { decodeJpeg(bytes); }), ErrorKind::TooLarge);
}

TEST(Jpeg, EncodingAPaletteBitmapAndAnEmptyOne) {
  gdi::Bitmap b = smoothPicture(20, 20);
  b.setPixelFormat(gdi::PixelFormat::Bits8);
  EXPECT_LT(meanChannelDifference(decodeJpeg(encodeJpeg(b, enc(95))).bitmap, b), 10.0);
  EXPECT_EQ(kindOf([] { encodeJpeg(gdi::Bitmap()); }), ErrorKind::InvalidPicture);
}

// ----- files of real size ----------------------------------------------------------
// Every file the encoder writes must read back without a single libjpeg
// warning and through djpeg, and be exactly what libjpeg's own memory
// destination makes of the same picture.

TEST(JpegWrite, DetailedPicturesReadBackCleanlyAtEachQualityAndMode) {
  const gdi::Bitmap original = testing_support::photoLikePicture(800, 600);
  codec_test::TempDir dir;
  for (int quality : {50, 90})
    for (bool progressive : {false, true}) {
      SCOPED_TRACE(testing::Message()
                   << "quality " << quality << (progressive ? " progressive" : " baseline"));
      const std::vector<std::uint8_t> bytes =
          codecs::encodeJpeg(original, {.quality = quality, .progressive = progressive});
      // Larger than the encoder's first output buffer.
      EXPECT_GT(bytes.size(), std::size_t(1) << 16);
      EXPECT_EQ(bytes, libjpegReference(original, quality, progressive));
      gdi::Bitmap back;
      ASSERT_TRUE(testing_support::decodesCleanly(bytes, &back));
      // Much of the noise is lost, but no block is out of place.
      EXPECT_LT(meanChannelDifference(back, original), quality == 50 ? 20.0 : 16.0);

      const auto file =
          dir / ("photo" + std::to_string(quality) + (progressive ? "p" : "b") + ".jpg");
      codecs::writeJpegFile(file, original, {.quality = quality, .progressive = progressive});
      EXPECT_EQ(codec_test::fileBytes(file), bytes);
      EXPECT_TRUE(testing_support::djpegReads(file, {800, 600}));
    }
}

// Random sizes from 1 x 1 to 2000 x 1500, noise, quality and mode: the file
// is byte for byte libjpeg's own and decodes without a warning.
TEST(JpegWrite, AnyPictureCodesAsLibjpegsOwnDestinationDoes) {
  std::mt19937 random(20240514);
  struct Case {
    int w, h, noise, quality;
    bool progressive;
  };
  std::vector<Case> cases = {
      {1, 1, 0, 75, false}, {1, 1, 64, 100, true}, {2000, 1500, 64, 100, true}};
  for (int i = 0; i < 13; ++i) {
    cases.push_back({std::uniform_int_distribution(1, 2000)(random),
                     std::uniform_int_distribution(1, 1500)(random),
                     std::uniform_int_distribution(0, 4)(random) * 16,
                     std::uniform_int_distribution(1, 100)(random), bool(random() & 1)});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.w << " x " << c.h << " noise " << c.noise << " quality "
                                    << c.quality << (c.progressive ? " progressive" : " baseline"));
    const gdi::Bitmap picture =
        testing_support::photoLikePicture(c.w, c.h, c.noise, std::uint32_t(c.w * 7919 + c.h));
    const std::vector<std::uint8_t> bytes =
        codecs::encodeJpeg(picture, {.quality = c.quality, .progressive = c.progressive});
    EXPECT_EQ(bytes, libjpegReference(picture, c.quality, c.progressive));
    gdi::Bitmap back;
    ASSERT_TRUE(testing_support::decodesCleanly(bytes, &back));
    EXPECT_EQ(back.width(), c.w);
    EXPECT_EQ(back.height(), c.h);
  }
}
