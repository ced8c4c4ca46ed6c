// Reading and writing the picture's files: what counts as "not a picture",
// what each save writes, and that a failed save loses nothing.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include "DocumentTestSupport.h"
#include "document/engine/PictureFiles.h"
#include "platform/codecs/Bmp.h"
#include "platform/codecs/FileBytes.h"
#include "platform/codecs/PictureError.h"
#include "support/FileSizeLimit.h"
#include "support/PixelGrid.h"

using namespace document;
using document_test::TempDir;
namespace fs = std::filesystem;

using testing_support::FileSizeLimit;

namespace {

void expectIoErrorNaming(const std::function<void()>& f, const std::string& name) {
  try {
    f();
    ADD_FAILURE() << "no error";
  } catch (const codecs::PictureError& e) {
    EXPECT_EQ(e.kind(), codecs::ErrorKind::Io);
    EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
  }
}

}  // namespace

TEST(PictureFiles, DamagedFilesReadAsEmptyMissingOnesAreErrorsNamingTheFile) {
  TempDir dir;
  document_test::writeText(dir / "junk.bmp", "BM\x10\0\0\0 short");
  document_test::writeText(dir / "junk.ico", std::string(3, '\0'));
  document_test::writeText(dir / "empty.jpg", "");
  EXPECT_TRUE(readPictureFile(dir / "junk.bmp").bitmap.empty());
  EXPECT_TRUE(readPictureFile(dir / "junk.ico").bitmap.empty());
  EXPECT_TRUE(readPictureFile(dir / "empty.jpg").bitmap.empty());
  expectIoErrorNaming([&] { readPictureFile(dir / "missing.bmp"); }, "missing.bmp");
  expectIoErrorNaming([&] { readPictureFile(dir.path()); }, dir.path().filename().string());
}

TEST(PictureFiles, JpegsBecomePlainBitmapsBitmapFilesKeepTheirPalette) {
  TempDir dir;
  document_test::writeJpegPicture(dir / "q.jpg", 64, 48);
  LoadedPicture jpeg =
      readPictureFile(dir / "q.jpg", {.pixelFormat = codecs::JpegPixelFormat::Bits8});
  ASSERT_TRUE(jpeg.isJpeg());
  const gdi::Bitmap quantized = jpeg.bitmap;
  makePlainBitmap(jpeg);
  EXPECT_EQ(jpeg.bitmap.pixelFormat(), gdi::PixelFormat::Device);
  EXPECT_FALSE(jpeg.bitmap.hasPalette());
  EXPECT_TRUE(jpeg.bitmap.samePixels(quantized));

  gdi::Bitmap eight(4, 4);
  eight.setPixelFormat(gdi::PixelFormat::Bits8);
  codecs::writeBmpFile(dir / "p.bmp", eight);
  LoadedPicture bmp = readPictureFile(dir / "p.bmp");
  makePlainBitmap(bmp);
  EXPECT_EQ(bmp.bitmap.pixelFormat(), gdi::PixelFormat::Bits8);
  EXPECT_TRUE(bmp.bitmap.hasPalette());
}

TEST(PictureFiles, JpegSavesAreProgressiveAtTheQualityGiven) {
  TempDir dir;
  const gdi::Bitmap picture = testing_support::noiseBitmap(120, 90, 7);
  writeJpeg(dir / "low.jpg", picture, 10);
  writeJpeg(dir / "high.jpg", picture, 100);
  writeJpeg(dir / "default.jpg", picture, std::nullopt);
  const auto info = [&](const char* name) {
    return codecs::readJpegInfo(codecs::readFileBytes(dir / name));
  };
  EXPECT_TRUE(info("low.jpg").progressive);
  EXPECT_TRUE(info("default.jpg").progressive);
  EXPECT_EQ(info("high.jpg").width, 120);
  const auto size = [&](const char* name) { return fs::file_size(dir / name); };
  EXPECT_LT(size("low.jpg"), size("default.jpg"));
  EXPECT_LT(size("default.jpg"), size("high.jpg"));
}

TEST(PictureFiles, AFailedSaveLeavesTheOldFileAsItWas) {
  TempDir dir;
  const fs::path target = dir / "pic.bmp";
  document_test::writeText(target, "the old picture");
  const gdi::Bitmap picture(300, 300);
  {
    FileSizeLimit nearlyFull(1000);
    expectIoErrorNaming([&] { writeBmp(target, picture); }, "pic.bmp");
    expectIoErrorNaming([&] { writeJpeg(target, testing_support::noiseBitmap(300, 300, 1), 90); },
                        "pic.bmp");
  }
  EXPECT_EQ(document_test::readText(target), "the old picture");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(PictureFiles, AReadOnlyFolderIsAnErrorNamingTheFile) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not stop the superuser";
  TempDir dir;
  const fs::path target = dir / "pic.bmp";
  document_test::writeText(target, "the old picture");
  fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
  expectIoErrorNaming([&] { writeBmp(target, gdi::Bitmap(10, 10)); }, "pic.bmp");
  fs::permissions(dir.path(), fs::perms::owner_all);
  EXPECT_EQ(document_test::readText(target), "the old picture");
}
