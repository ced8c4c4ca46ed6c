// Reading frames: stream info, exact pixels, sequential and random access.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "codecs/CodecTestSupport.h"
#include "platform/video/VideoError.h"
#include "platform/video/VideoReader.h"
#include "support/media/TestMedia.h"

using codec_test::TempDir;
using media_test::frameOf;
using media_test::framePicture;
using media_test::TestVideo;
using media_test::writeTestVideo;

TEST(VideoReader, ReportsLengthRateScaleAndFrameSize) {
  TempDir dir;
  TestVideo v;
  v.width = 80;
  v.height = 60;
  v.frames = 7;
  v.rate = 30000;
  v.scale = 1001;
  writeTestVideo(dir / "a.avi", v);
  video::VideoReader reader(dir / "a.avi");
  EXPECT_EQ(reader.info().length, 7);
  EXPECT_EQ(reader.info().rate, 30000);
  EXPECT_EQ(reader.info().scale, 1001);
  EXPECT_EQ(reader.info().start, 0);
  EXPECT_EQ(reader.info().width, 80);
  EXPECT_EQ(reader.info().height, 60);
  EXPECT_FALSE(reader.hasAudio());
}

TEST(VideoReader, RawFramesComeBackPixelForPixelWithTheXByteClear) {
  TempDir dir;
  TestVideo v;
  v.width = 96;
  v.height = 70;
  writeTestVideo(dir / "raw.avi", v);
  video::VideoReader reader(dir / "raw.avi");
  for (int n : {0, 1, 2, 9, 5, 5, 6, 3}) {
    const gdi::Bitmap& frame = reader.frame(n);
    ASSERT_TRUE(frame.samePixels(framePicture(n, 96, 70))) << "frame " << n;
    for (int y = 0; y < frame.height(); ++y)
      for (int x = 0; x < frame.width(); ++x) ASSERT_EQ(frame.row(y)[x] >> 24, 0u);
  }
}

// MJPEG at a real size: every frame, in any order, shows its own number,
// and random access gives the same picture as reading in sequence.
TEST(VideoReader, SeekingGivesTheSameFramesAsReadingInSequence) {
  TempDir dir;
  TestVideo v;
  v.codec = video::VideoCodec::Mjpeg;
  v.width = 320;
  v.height = 240;
  v.frames = 40;
  writeTestVideo(dir / "m.avi", v);
  video::VideoReader sequential(dir / "m.avi");
  std::vector<gdi::Bitmap> frames;
  for (int n = 0; n < v.frames; ++n) {
    frames.push_back(sequential.frame(n));
    ASSERT_EQ(frameOf(frames.back()), n);
  }
  std::vector<int> order(std::size_t(v.frames));
  for (int n = 0; n < v.frames; ++n) order[std::size_t(n)] = n;
  std::shuffle(order.begin(), order.end(), std::mt19937(7));
  video::VideoReader random(dir / "m.avi");
  for (int n : order) ASSERT_TRUE(random.frame(n).samePixels(frames[std::size_t(n)])) << n;
}

TEST(VideoReader, SequentialFramesCostOneDecodeAndARepeatCostsNone) {
  TempDir dir;
  TestVideo v;
  v.codec = video::VideoCodec::Mjpeg;
  v.frames = 30;
  writeTestVideo(dir / "m.avi", v);
  video::VideoReader reader(dir / "m.avi");
  reader.frame(10);
  const auto decodes = reader.decodeCount();
  const auto seeks = reader.seekCount();
  for (int n = 11; n < 30; ++n) ASSERT_EQ(frameOf(reader.frame(n)), n);
  EXPECT_EQ(reader.decodeCount() - decodes, 19);
  EXPECT_EQ(reader.seekCount(), seeks);
  reader.frame(29);
  EXPECT_EQ(reader.decodeCount() - decodes, 19);
  // Going back seeks to the key frame (every MJPEG frame is one) and decodes once.
  EXPECT_EQ(frameOf(reader.frame(4)), 4);
  EXPECT_EQ(reader.decodeCount() - decodes, 20);
  EXPECT_EQ(reader.seekCount(), seeks + 1);
}

TEST(VideoReader, FramesOutsideTheStreamAreAClearError) {
  TempDir dir;
  writeTestVideo(dir / "a.avi", TestVideo{});
  video::VideoReader reader(dir / "a.avi");
  for (int n : {-1, 10, 1 << 20}) {
    try {
      reader.frame(n);
      ADD_FAILURE() << "frame " << n << " was read";
    } catch (const video::VideoError& e) {
      EXPECT_EQ(e.kind(), video::VideoErrorKind::Damaged);
      EXPECT_NE(std::string(e.what()).find("outside"), std::string::npos) << e.what();
    }
  }
  // The reader is still usable.
  EXPECT_EQ(frameOf(reader.frame(3)), 3);
}

TEST(VideoReader, ReadsFromMemoryAsFromAFile) {
  TempDir dir;
  TestVideo v;
  v.codec = video::VideoCodec::Mjpeg;
  writeTestVideo(dir / "m.avi", v);
  const std::vector<std::uint8_t> bytes = codec_test::fileBytes(dir / "m.avi");
  video::VideoReader fromFile(dir / "m.avi");
  video::VideoReader fromMemory(bytes, "m.avi");
  EXPECT_EQ(fromMemory.info().length, 10);
  for (int n : {9, 0, 4, 5})
    EXPECT_TRUE(fromMemory.frame(n).samePixels(fromFile.frame(n))) << n;
}
