// Photographs whose EXIF data says how they are turned open upright: every
// orientation, every decoding choice, damaged EXIF data, and a file
// ImageMagick marks.
#include <gtest/gtest.h>

#include <libexif/exif-data.h>

#include <QString>
#include <cstdlib>

#include "CodecTestSupport.h"
#include "platform/codecs/Jpeg.h"
#include "platform/codecs/PictureFile.h"
#include "support/ExifJpeg.h"
#include "support/ExternalTool.h"
#include "support/PixelGrid.h"

using namespace codecs;
using testing_support::exifPayload;
using testing_support::withApp1;

namespace {

// The picture as a viewer shows a stored picture with this orientation,
// written pixel by pixel from the EXIF definitions.
gdi::Bitmap shownAs(const gdi::Bitmap& stored, int orientation) {
  const int w = stored.width(), h = stored.height();
  const bool swap = orientation >= 5;
  gdi::Bitmap out(swap ? h : w, swap ? w : h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int u = x, v = y;
      switch (orientation) {
        case 2:
          u = w - 1 - x;
          break;
        case 3:
          u = w - 1 - x;
          v = h - 1 - y;
          break;
        case 4:
          v = h - 1 - y;
          break;
        case 5:
          u = y;
          v = x;
          break;
        case 6:
          u = h - 1 - y;
          v = x;
          break;
        case 7:
          u = h - 1 - y;
          v = w - 1 - x;
          break;
        case 8:
          u = y;
          v = w - 1 - x;
          break;
        default:
          break;
      }
      out.setPixel(u, v, stored.pixel(x, y));
    }
  return out;
}

std::vector<std::uint8_t> detailedJpeg(int w, int h, bool progressive = false) {
  gdi::Bitmap picture = codec_test::smoothPicture(w, h);
  const gdi::Bitmap noise = testing_support::noiseBitmap(w / 2, h / 2, 5);
  for (int y = 0; y < noise.height(); ++y)
    std::copy_n(noise.row(y), noise.width(), picture.row(y) + w / 4);
  JpegEncodeOptions o;
  o.quality = 90;
  o.progressive = progressive;
  return encodeJpeg(picture, o);
}

}  // namespace

TEST(JpegOrientation, EveryOrientationComesOutUpright) {
  const std::vector<std::uint8_t> stored = detailedJpeg(161, 97);
  const gdi::Bitmap upright = decodeJpeg(stored).bitmap;
  for (ExifByteOrder order : {EXIF_BYTE_ORDER_INTEL, EXIF_BYTE_ORDER_MOTOROLA}) {
    for (int o = 1; o <= 8; ++o) {
      const std::vector<std::uint8_t> file = withApp1(stored, exifPayload(o, order));
      const JpegInfo info = readJpegInfo(file);
      EXPECT_EQ(int(info.orientation), o);
      EXPECT_EQ(info.width, 161);  // the header's size stays the stored one
      const gdi::Bitmap shown = decodeJpeg(file).bitmap;
      EXPECT_TRUE(shown == shownAs(upright, o)) << "orientation " << o << " order " << order;
      EXPECT_EQ(jpegScaledSize(info, JpegScale::Half),
                (gdi::Size{o >= 5 ? 49 : 81, o >= 5 ? 81 : 49}));
    }
  }
}

TEST(JpegOrientation, EveryDecodingChoiceAndThePartialPicturesAreTurnedToo) {
  const std::vector<std::uint8_t> stored = detailedJpeg(120, 70, true);
  const std::vector<std::uint8_t> turned =
      withApp1(stored, exifPayload(int(ExifOrientation::TurnedRight), EXIF_BYTE_ORDER_INTEL));
  JpegDecodeOptions choices[4];
  choices[1].scale = JpegScale::Quarter;
  choices[2].pixelFormat = JpegPixelFormat::Bits8;
  choices[3].colorSpace = JpegColorSpace::Grayscale;
  for (JpegDecodeOptions& o : choices) {
    o.progressiveDisplay = true;
    o.incrementalDisplay = true;
    const gdi::Bitmap upright = decodeJpeg(stored, o).bitmap;
    int partials = 0, wrongSize = 0;
    const JpegPicture p = decodeJpeg(turned, o, [&](int, const gdi::Bitmap* partial) {
      if (!partial) return;
      ++partials;
      wrongSize += partial->width() != upright.height() || partial->height() != upright.width();
    });
    EXPECT_TRUE(p.bitmap == shownAs(upright, 6)) << int(o.scale);
    EXPECT_EQ(p.bitmap.pixelFormat(), upright.pixelFormat());
    EXPECT_GT(partials, 0);
    EXPECT_EQ(wrongSize, 0);
  }
}

TEST(JpegOrientation, MissingOrDamagedExifDataLeavesThePictureAsStored) {
  const std::vector<std::uint8_t> stored = detailedJpeg(40, 24);
  const gdi::Bitmap upright = decodeJpeg(stored).bitmap;
  std::vector<std::uint8_t> good = exifPayload(6, EXIF_BYTE_ORDER_INTEL);
  std::vector<std::vector<std::uint8_t>> payloads = {
      exifPayload(9, EXIF_BYTE_ORDER_INTEL),  // no such orientation
      exifPayload(0, EXIF_BYTE_ORDER_MOTOROLA),
      {'E', 'x', 'i', 'f', 0, 0},                                           // header only
      {'E', 'x', 'i', 'f', 0, 0, 'I', 'I', 42, 0, 0xFF, 0xFF, 0xFF, 0x7F},  // IFD far away
      {'X', 'M', 'P', 0, 1, 2, 3},                                          // another kind of APP1
  };
  // Every cut of a good block, and random damage to it.
  for (std::size_t n = 0; n < good.size(); n += 3)
    payloads.emplace_back(good.begin(), good.begin() + std::ptrdiff_t(n));
  std::uint32_t seed = 99;
  for (int round = 0; round < 200; ++round) {
    std::vector<std::uint8_t> damaged = good;
    for (int k = 0; k < 3; ++k) {
      seed = seed * 1103515245u + 12345u;
      damaged[6 + (seed >> 8) % (damaged.size() - 6)] = std::uint8_t(seed >> 24);
    }
    payloads.push_back(damaged);
  }
  for (const auto& payload : payloads) {
    const JpegPicture p = decodeJpeg(withApp1(stored, payload));
    // Damage may leave another valid orientation; the picture is then that
    // turn of the stored one, never anything else.
    EXPECT_TRUE(p.bitmap == shownAs(upright, int(p.info.orientation)));
  }
  EXPECT_EQ(decodeJpeg(withApp1(stored, payloads[0])).info.orientation, ExifOrientation::Upright);
}

TEST(JpegOrientation, AnotherProgramsPhotoMarkedAsTurnedOpensUpright) {
  codec_test::TempDir dir;
  const QString plain = QString::fromStdString((dir / "plain.jpg").string());
  const QString file = QString::fromStdString((dir / "turned.jpg").string());
  // Red at the top, blue at the bottom as stored (written by ImageMagick);
  // the EXIF block says it is shown turned a quarter clockwise, so red is
  // on the right.
  ASSERT_TRUE(
      testing_support::runTool("convert", {"-size", "64x32", "gradient:red-blue", plain}).ok());
  codec_test::writeBytes(file.toStdString(), withApp1(codec_test::fileBytes(plain.toStdString()),
                                                      exifPayload(6, EXIF_BYTE_ORDER_MOTOROLA)));
  // ImageMagick reads the block as a camera's.
  const testing_support::ToolRun identify =
      testing_support::runTool("identify", {"-format", "%[orientation]", file});
  ASSERT_TRUE(identify.ok());
  EXPECT_EQ(identify.output.trimmed(), "RightTop");

  const Picture p = loadPicture(file.toStdString());
  ASSERT_EQ(p.bitmap.width(), 32);
  ASSERT_EQ(p.bitmap.height(), 64);
  for (int y : {0, 31, 63}) {
    EXPECT_GT(gdi::GetRValue(p.bitmap.pixel(31, y)), 200) << y;
    EXPECT_LT(gdi::GetBValue(p.bitmap.pixel(31, y)), 55) << y;
    EXPECT_GT(gdi::GetBValue(p.bitmap.pixel(0, y)), 200) << y;
    EXPECT_LT(gdi::GetRValue(p.bitmap.pixel(0, y)), 55) << y;
  }
}
