// JPEG files of real size: every file the encoder writes must read back
// without a single libjpeg warning and through djpeg, and be exactly what
// libjpeg's own memory destination makes of the same picture.
#include <gtest/gtest.h>

#include <jpeglib.h>

#include <cstdlib>
#include <random>

#include "CodecTestSupport.h"
#include "platform/codecs/Jpeg.h"
#include "support/JpegReadBack.h"

using codec_test::meanChannelDifference;
using testing_support::decodesCleanly;
using testing_support::djpegReads;
using testing_support::photoLikePicture;

namespace {

// The same picture coded with libjpeg's jpeg_mem_dest and the same settings.
std::vector<std::uint8_t> libjpegReference(const gdi::Bitmap& b, int quality, bool progressive) {
  jpeg_compress_struct c;
  jpeg_error_mgr err;
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  unsigned char* buf = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&c, &buf, &size);
  c.image_width = JDIMENSION(b.width());
  c.image_height = JDIMENSION(b.height());
  c.in_color_space = JCS_EXT_RGBX;
  c.input_components = 4;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, quality, TRUE);
  if (progressive) jpeg_simple_progression(&c);
  jpeg_start_compress(&c, TRUE);
  while (int(c.next_scanline) < b.height()) {
    JSAMPROW row = const_cast<JSAMPROW>(reinterpret_cast<const JSAMPLE*>(b.row(int(c.next_scanline))));
    jpeg_write_scanlines(&c, &row, 1);
  }
  jpeg_finish_compress(&c);
  std::vector<std::uint8_t> out(buf, buf + size);
  jpeg_destroy_compress(&c);
  std::free(buf);
  return out;
}

}  // namespace

TEST(JpegWrite, DetailedPicturesReadBackCleanlyAtEachQualityAndMode) {
  const gdi::Bitmap original = photoLikePicture(800, 600);
  codec_test::TempDir dir;
  for (int quality : {50, 90})
    for (bool progressive : {false, true}) {
      SCOPED_TRACE(testing::Message() << "quality " << quality << (progressive ? " progressive" : " baseline"));
      const std::vector<std::uint8_t> bytes =
          codecs::encodeJpeg(original, {.quality = quality, .progressive = progressive});
      // Larger than the encoder's first output buffer.
      EXPECT_GT(bytes.size(), std::size_t(1) << 16);
      EXPECT_EQ(bytes, libjpegReference(original, quality, progressive));
      gdi::Bitmap back;
      ASSERT_TRUE(decodesCleanly(bytes, &back));
      // Much of the noise is lost, but no block is out of place.
      EXPECT_LT(meanChannelDifference(back, original), quality == 50 ? 20.0 : 16.0);

      const auto file = dir / ("photo" + std::to_string(quality) + (progressive ? "p" : "b") + ".jpg");
      codecs::writeJpegFile(file, original, {.quality = quality, .progressive = progressive});
      EXPECT_EQ(codec_test::fileBytes(file), bytes);
      EXPECT_TRUE(djpegReads(file, {800, 600}));
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
  std::vector<Case> cases = {{1, 1, 0, 75, false}, {1, 1, 64, 100, true}, {2000, 1500, 64, 100, true}};
  for (int i = 0; i < 13; ++i) {
    cases.push_back({std::uniform_int_distribution(1, 2000)(random),
                     std::uniform_int_distribution(1, 1500)(random),
                     std::uniform_int_distribution(0, 4)(random) * 16,
                     std::uniform_int_distribution(1, 100)(random), bool(random() & 1)});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.w << " x " << c.h << " noise " << c.noise << " quality "
                                    << c.quality << (c.progressive ? " progressive" : " baseline"));
    const gdi::Bitmap picture = photoLikePicture(c.w, c.h, c.noise, std::uint32_t(c.w * 7919 + c.h));
    const std::vector<std::uint8_t> bytes =
        codecs::encodeJpeg(picture, {.quality = c.quality, .progressive = c.progressive});
    EXPECT_EQ(bytes, libjpegReference(picture, c.quality, c.progressive));
    gdi::Bitmap back;
    ASSERT_TRUE(decodesCleanly(bytes, &back));
    EXPECT_EQ(back.width(), c.w);
    EXPECT_EQ(back.height(), c.h);
  }
}
