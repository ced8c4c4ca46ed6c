// Dumping frames to numbered bitmap files: numbering, held last frame,
// files read back by ImageMagick, write errors and stopping.
#include <gtest/gtest.h>

#include "codecs/CodecTestSupport.h"
#include "media/engine/FrameDump.h"
#include "platform/codecs/Bmp.h"
#include "platform/video/VideoReader.h"
#include "support/ExternalTool.h"
#include "support/FileSizeLimit.h"
#include "support/media/TestMedia.h"

using codec_test::TempDir;
using media::dumpFrameNumbers;
using media::dumpFrames;
using media_test::framePicture;
using media_test::TestVideo;

namespace {

std::vector<std::string> names(std::initializer_list<const char*> list) {
  return {list.begin(), list.end()};
}

}  // namespace

TEST(FrameDump, EachRoundStepsOneFrameBeforeWritingSoOneToThreeWritesTwoToFour) {
  EXPECT_EQ(dumpFrameNumbers(1, 3, 10, 0), (std::vector<int>{2, 3, 4}));
  // Near the end the step is held at the last frame.
  EXPECT_EQ(dumpFrameNumbers(7, 10, 10, 0), (std::vector<int>{8, 9, 9, 9}));
  EXPECT_EQ(dumpFrameNumbers(1, 10, 4, 0), (std::vector<int>{2, 3, 3, 3}));
  // First frame 0 (or at or past the end) does not seek: steps start from
  // where the player is.
  EXPECT_EQ(dumpFrameNumbers(0, 3, 10, 5), (std::vector<int>{6, 7, 8}));
  EXPECT_EQ(dumpFrameNumbers(10, 12, 10, 0), (std::vector<int>{1}));
  EXPECT_TRUE(dumpFrameNumbers(5, 3, 10, 0).empty());
  EXPECT_TRUE(dumpFrameNumbers(1, 3, 0, 0).empty());
}

TEST(FrameDump, WritesTheFramesTheirNumbersNameAsBitmapsOtherToolsRead) {
  TempDir dir;
  TestVideo v;
  v.width = 120;
  v.height = 90;
  v.frames = 6;
  media_test::writeTestVideo(dir / "in.avi", v);
  video::VideoReader reader(dir / "in.avi");
  const std::string prefix = (dir / "shot").string();
  const auto frames = dumpFrameNumbers(3, 6, 6, 0);
  const media::DumpResult result =
      dumpFrames(prefix, frames, [&](int n) -> const gdi::Bitmap& { return reader.frame(n); }, {});
  EXPECT_EQ(result.written, 4);
  EXPECT_TRUE(result.error.empty());
  EXPECT_EQ(dir.entries(), names({"in.avi", "shot004.bmp", "shot005.bmp"}));
  for (int n : {4, 5}) {
    const auto file = dir / ("shot00" + std::to_string(n) + ".bmp");
    EXPECT_TRUE(codecs::readBmpFile(file).samePixels(framePicture(n, 120, 90))) << n;
    // An independent reader sees the same picture.
    EXPECT_TRUE(testing_support::readWithImageMagick(QString::fromStdString(file.string()))
                    .samePixels(framePicture(n, 120, 90)))
        << n;
  }
}

TEST(FrameDump, AWriteErrorEndsTheDumpNamingTheFileAndLeavesNoPartialFile) {
  TempDir dir;
  // The second frame is too large for what is left on the "disk".
  const gdi::Bitmap small = framePicture(1, 64, 48);
  const gdi::Bitmap large = framePicture(2, 320, 240);
  int grabs = 0;
  const media::FrameGrab grab = [&](int n) -> const gdi::Bitmap& {
    ++grabs;
    return n == 1 ? small : large;
  };
  media::DumpResult r;
  {
    testing_support::FileSizeLimit limit(64 * 1024);
    r = dumpFrames((dir / "f").string(), {1, 2, 3}, grab, {});
  }
  EXPECT_EQ(r.written, 1);
  EXPECT_NE(r.error.find("f002.bmp"), std::string::npos) << r.error;
  EXPECT_EQ(grabs, 2);
  EXPECT_EQ(dir.entries(), names({"f001.bmp"}));
  EXPECT_TRUE(codecs::readBmpFile(dir / "f001.bmp").samePixels(small));
  // A folder that does not exist fails on the first file.
  r = dumpFrames((dir / "missing" / "f").string(), {1, 2}, grab, {});
  EXPECT_EQ(r.written, 0);
  EXPECT_NE(r.error.find("f001.bmp"), std::string::npos) << r.error;
}

TEST(FrameDump, AFrameThatCannotBeReadEndsTheDumpWithItsMessage) {
  TempDir dir;
  media_test::writeTestVideo(dir / "in.avi", TestVideo{});
  video::VideoReader reader(dir / "in.avi");
  const media::DumpResult r = dumpFrames(
      (dir / "f").string(), {8, 9, 10, 11},
      [&](int n) -> const gdi::Bitmap& { return reader.frame(n); }, {});
  EXPECT_EQ(r.written, 2);
  EXPECT_NE(r.error.find("frame 10"), std::string::npos) << r.error;
  EXPECT_EQ(dir.entries(), names({"f008.bmp", "f009.bmp", "in.avi"}));
}

TEST(FrameDump, StoppingEndsTheDumpBeforeTheNextRound) {
  TempDir dir;
  const gdi::Bitmap picture = framePicture(0, 32, 32);
  std::vector<std::pair<int, int>> calls;
  const media::DumpResult r = dumpFrames(
      (dir / "f").string(), {1, 2, 3, 4},
      [&](int) -> const gdi::Bitmap& { return picture; },
      [&](int done, int total) {
        calls.emplace_back(done, total);
        return done < 2;
      });
  EXPECT_TRUE(r.stopped);
  EXPECT_EQ(r.written, 2);
  EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{0, 4}, {1, 4}, {2, 4}}));
  EXPECT_EQ(dir.entries(), names({"f001.bmp", "f002.bmp"}));
}
