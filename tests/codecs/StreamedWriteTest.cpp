// The writers hand a file to the disk a piece at a time while they make it.
// What can go wrong: pieces lost, repeated or out of order at their seams
// (rows that do not fit a piece evenly, row padding, packed palette rows), a
// disk that fills up in the middle of a large file, and a failing sink that
// the JPEG encoder must leave through its error manager, not through C frames.
#include <gtest/gtest.h>

#include <span>
#include <stdexcept>

#include "CodecTestSupport.h"
#include "platform/codecs/Bmp.h"
#include "platform/codecs/Jpeg.h"
#include "platform/codecs/PictureError.h"
#include "support/ExternalTool.h"
#include "support/FileSizeLimit.h"
#include "support/JpegReadBack.h"

using namespace codecs;
using codec_test::fileBytes;
using codec_test::TempDir;

namespace {

QString qpath(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

// "width height" as ImageMagick's identify reads the file.
std::string identifiedSize(const std::filesystem::path& file) {
  const testing_support::ToolRun run =
      testing_support::runTool(QStringLiteral("identify"),
                               {QStringLiteral("-format"), QStringLiteral("%w %h"), qpath(file)});
  return run.ok() ? run.output.toStdString() : "identify failed: " + run.errors.toStdString();
}

struct SinkGaveUp : std::runtime_error {
  SinkGaveUp() : std::runtime_error("sink gave up") {}
};

// A sink that takes `pieces` pieces and throws on the next one.
ByteSink failingAfter(int pieces, int& calls) {
  return [pieces, &calls](std::span<const std::uint8_t>) {
    if (++calls > pieces) throw SinkGaveUp();
  };
}

}  // namespace

TEST(StreamedWrite, FullSizePhotoFilesReadBackThroughIndependentTools) {
  const gdi::Bitmap photo = testing_support::photoLikePicture(4000, 4000);
  TempDir dir;
  const auto bmp = dir / "photo.bmp";
  writeBmpFile(bmp, photo);
  EXPECT_EQ(fileBytes(bmp), writeBmp(photo));
  EXPECT_EQ(identifiedSize(bmp), "4000 4000");
  const gdi::Bitmap seen = testing_support::readWithImageMagick(qpath(bmp));
  ASSERT_EQ(seen.width(), 4000);
  EXPECT_TRUE(seen.samePixels(photo));

  const auto jpg = dir / "photo.jpg";
  const JpegEncodeOptions options{.quality = 90, .progressive = true};
  writeJpegFile(jpg, photo, options);
  EXPECT_EQ(fileBytes(jpg), encodeJpeg(photo, options));
  EXPECT_TRUE(testing_support::djpegReads(jpg, {4000, 4000}));
  EXPECT_EQ(identifiedSize(jpg), "4000 4000");
  EXPECT_EQ(dir.entries(), (std::vector<std::string>{"photo.bmp", "photo.jpg"}));
}

TEST(StreamedWrite, OddWidthsAndPaletteDepthsKeepEveryRowAcrossThePieces) {
  // Widths whose rows need padding, and heights that no number of rows per
  // piece divides, at each depth the writer uses.
  TempDir dir;
  struct Case {
    int w, h;
    gdi::PixelFormat format;
  };
  for (const Case c :
       {Case{2999, 301, gdi::PixelFormat::Bits24}, Case{3001, 297, gdi::PixelFormat::Bits8},
        Case{4001, 303, gdi::PixelFormat::Bits4}, Case{4003, 309, gdi::PixelFormat::Bits1}}) {
    SCOPED_TRACE(testing::Message() << c.w << " x " << c.h << " format " << int(c.format));
    gdi::Bitmap picture = testing_support::photoLikePicture(c.w, c.h);
    picture.setPixelFormat(c.format);
    const auto file = dir / "odd.bmp";
    writeBmpFile(file, picture);
    EXPECT_EQ(identifiedSize(file), std::to_string(c.w) + " " + std::to_string(c.h));
    const gdi::Bitmap seen = testing_support::readWithImageMagick(qpath(file));
    ASSERT_EQ(seen.width(), c.w);
    EXPECT_TRUE(seen.samePixels(picture));
    EXPECT_TRUE(readBmpFile(file).samePixels(picture));
  }
}

TEST(StreamedWrite, ASinkThatFailsPartWayStopsTheWriterAndItsErrorIsPassedOn) {
  const gdi::Bitmap photo = testing_support::photoLikePicture(1500, 1200);
  for (bool jpeg : {false, true}) {
    SCOPED_TRACE(jpeg ? "jpeg" : "bmp");
    int calls = 0;
    const ByteSink sink = failingAfter(3, calls);
    if (jpeg)
      EXPECT_THROW(encodeJpeg(photo, {.quality = 95, .progressive = false}, sink), SinkGaveUp);
    else
      EXPECT_THROW(writeBmp(photo, sink), SinkGaveUp);
    EXPECT_EQ(calls, 4);  // nothing more once the sink failed
  }
  // The encoder is whole after an abandoned file.
  gdi::Bitmap back;
  EXPECT_TRUE(testing_support::decodesCleanly(encodeJpeg(photo), &back));
}

TEST(StreamedWrite, ADiskFullHalfWayThroughALargeFileLeavesTheOldFile) {
  const gdi::Bitmap photo = testing_support::photoLikePicture(4000, 4000);
  TempDir dir;
  const std::vector<std::uint8_t> old{'o', 'l', 'd'};
  const auto bmp = dir / "photo.bmp";
  const auto jpg = dir / "photo.jpg";
  codec_test::writeBytes(bmp, old);
  codec_test::writeBytes(jpg, old);
  {
    testing_support::FileSizeLimit nearlyFull(std::size_t(4) << 20);
    for (const auto& file : {bmp, jpg}) {
      try {
        if (file == bmp)
          writeBmpFile(file, photo);
        else
          writeJpegFile(file, photo, {.quality = 100, .progressive = false});
        ADD_FAILURE() << file << ": the save did not fail";
      } catch (const PictureError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Io);
        EXPECT_NE(std::string(e.what()).find(file.filename().string()), std::string::npos)
            << e.what();
      }
    }
  }
  EXPECT_EQ(fileBytes(bmp), old);
  EXPECT_EQ(fileBytes(jpg), old);
  EXPECT_EQ(dir.entries(), (std::vector<std::string>{"photo.bmp", "photo.jpg"}));
}

TEST(DecodedRows, RowsAFileLacksNeverShowWhatTheMemoryHeldBefore) {
  // A decoder skips making a new picture white when it writes every row;
  // the memory may then hold a picture released just before.
  gdi::Bitmap grey(2048, 1024);
  grey.fill(gdi::RGB(128, 128, 128));
  std::vector<std::uint8_t> cut = encodeJpeg(grey, {.quality = 90, .progressive = false});
  cut.resize(cut.size() / 3);
  for (int round = 0; round < 2; ++round) {
    {
      gdi::Bitmap red(2048, 1024);
      red.fill(gdi::clRed);
    }
    const JpegPicture picture = decodeJpeg(cut);
    ASSERT_EQ(picture.bitmap.width(), 2048);
    EXPECT_GT(picture.warnings, 0);
    int reddish = 0;
    for (int y = 0; y < 1024; ++y) {
      const std::uint32_t* row = picture.bitmap.constRow(y);
      for (int x = 0; x < 2048; ++x)
        if (gdi::GetRValue(gdi::TColor(row[x])) > 200 && gdi::GetGValue(gdi::TColor(row[x])) < 60)
          ++reddish;
    }
    EXPECT_EQ(reddish, 0);
  }
}
