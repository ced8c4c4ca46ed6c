#include <gtest/gtest.h>

#include "CodecTestSupport.h"
#include "MetafileBuilder.h"
#include "platform/codecs/Bmp.h"
#include "platform/codecs/Jpeg.h"
#include "platform/codecs/PictureError.h"
#include "platform/codecs/PictureFile.h"
#include "support/PictureErrors.h"
#include "support/PixelGrid.h"

using namespace codecs;
using codec_test::TempDir;
using codec_test::writeBytes;

namespace {

using testing_support::kindOf;

}  // namespace

TEST(PictureFile, EveryFormatIsRecognisedByItsContentsWhateverItsName) {
  TempDir dir;
  const gdi::Bitmap picture = testing_support::noiseBitmap(9, 7, 3);
  writeBytes(dir / "a.jpg", writeBmp(picture));  // a bitmap under a JPEG name
  const Picture bmp = loadPicture(dir / "a.jpg");
  EXPECT_EQ(bmp.format, PictureFormat::Bmp);
  EXPECT_EQ(bmp.bitmap, picture);

  writeBytes(dir / "b.bmp", encodeJpeg(codec_test::smoothPicture(30, 20)));
  const Picture jpeg = loadPicture(dir / "b.bmp");
  EXPECT_EQ(jpeg.format, PictureFormat::Jpeg);
  ASSERT_TRUE(jpeg.jpeg);
  EXPECT_TRUE(jpeg.jpeg->progressive);

  JpegDecodeOptions half;
  half.scale = JpegScale::Half;
  EXPECT_EQ(loadPicture(dir / "b.bmp", half).bitmap.width(), 15);

  writeBytes(dir / "c.wmf", codec_test::EmfBuilder(2540, 2540, 1).finish());
  EXPECT_EQ(loadPicture(dir / "c.wmf").format, PictureFormat::Emf);
  writeBytes(dir / "d", codec_test::WmfBuilder(0, 96, 0, 0, 5, 4).finish());
  const Picture wmf = loadPicture(dir / "d");
  EXPECT_EQ(wmf.format, PictureFormat::Wmf);
  EXPECT_EQ(wmf.bitmap.width(), 5);
}

TEST(PictureFile, InvalidPicturesAreToldApartFromFilesThatCannotBeRead) {
  TempDir dir;
  writeBytes(dir / "text.bmp", {'h', 'e', 'l', 'l', 'o'});
  writeBytes(dir / "text.jpg", {'h', 'e', 'l', 'l', 'o'});
  writeBytes(dir / "text.xyz", {'h', 'e', 'l', 'l', 'o'});
  writeBytes(dir / "empty.bmp", {});
  writeBytes(dir / "anim.gif", {'G', 'I', 'F', '8', '9', 'a'});
  writeBytes(dir / "png.bmp", {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0});
  writeBytes(dir / "tiff.jpg", {'I', 'I', '*', 0, 8, 0, 0, 0});
  writeBytes(dir / "cut.bmp", {'B', 'M', 0x40, 0, 0, 0});
  // No picture of a kind we read, whatever the name says...
  for (const char* name : {"text.bmp", "text.jpg", "text.xyz", "anim.gif", "png.bmp", "tiff.jpg"})
    EXPECT_EQ(kindOf([&] { loadPicture(dir / name); }), ErrorKind::Unsupported) << name;
  // ...apart from a picture of ours that is damaged.
  for (const char* name : {"empty.bmp", "cut.bmp"})
    EXPECT_EQ(kindOf([&] { loadPicture(dir / name); }), ErrorKind::InvalidPicture) << name;
  EXPECT_EQ(kindOf([&] { loadPicture(dir / "missing.bmp"); }), ErrorKind::Io);
  EXPECT_EQ(kindOf([&] { loadPicture(dir.path()); }), ErrorKind::Io);
}

TEST(PictureFile, ExtensionsAreReadWithoutRegardToCase) {
  EXPECT_EQ(pictureFormatOfName("X.JPG"), PictureFormat::Jpeg);
  EXPECT_EQ(pictureFormatOfName("x.Jpeg"), PictureFormat::Jpeg);
  EXPECT_EQ(pictureFormatOfName("x.ICO"), PictureFormat::Icon);
  EXPECT_EQ(pictureFormatOfName("x.Emf"), PictureFormat::Emf);
  EXPECT_EQ(pictureFormatOfName("x.wmf"), PictureFormat::Wmf);
  EXPECT_EQ(pictureFormatOfName("x.png"), PictureFormat::Unknown);
  EXPECT_EQ(pictureFormatOfName("noext"), PictureFormat::Unknown);
}
