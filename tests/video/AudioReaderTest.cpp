// The sound of a file as samples: in sequence, from any sample, to the end.
#include <gtest/gtest.h>

#include "codecs/CodecTestSupport.h"
#include "platform/video/AudioReader.h"
#include "platform/video/VideoError.h"
#include "support/media/TestMedia.h"

using codec_test::TempDir;
using media_test::soundMark;
using media_test::TestVideo;
using media_test::writeTestVideo;

namespace {

// 10 frames per second with 8000 samples per second: 800 samples per frame.
TestVideo tenFramesWithSound(int channels) {
  TestVideo v;
  v.frames = 10;
  v.rate = 10;
  v.sampleRate = 8000;
  v.channels = channels;
  return v;
}

}  // namespace

TEST(AudioReader, ReportsTheStreamAndReadsItInSequenceWithoutSeeking) {
  TempDir dir;
  writeTestVideo(dir / "s.avi", tenFramesWithSound(2));
  video::AudioReader sound(dir / "s.avi");
  EXPECT_EQ(sound.info().sampleRate, 8000);
  EXPECT_EQ(sound.info().channels, 2);
  EXPECT_EQ(sound.info().length, 8000);
  std::vector<std::int16_t> all;
  std::int64_t at = 0;
  while (const int got = sound.read(at, 333, all)) at += got;
  EXPECT_EQ(at, 8000);
  EXPECT_EQ(sound.seekCount(), 0);
  ASSERT_EQ(all.size(), 16000u);
  for (std::size_t i = 0; i < all.size(); ++i) ASSERT_EQ(all[i], soundMark(int(i / 1600))) << i;
}

TEST(AudioReader, StartsExactlyOnAnySampleForwardOrBack) {
  TempDir dir;
  writeTestVideo(dir / "s.avi", tenFramesWithSound(1));
  video::AudioReader sound(dir / "s.avi");
  EXPECT_EQ(sound.info().channels, 1);
  for (std::int64_t first : {4000, 799, 800, 7999, 0, 6401}) {
    std::vector<std::int16_t> got;
    ASSERT_EQ(sound.read(first, 2, got), first == 7999 ? 1 : 2);
    EXPECT_EQ(got[0], soundMark(int(first / 800))) << first;
  }
  std::vector<std::int16_t> none;
  EXPECT_EQ(sound.read(8000, 10, none), 0);
  EXPECT_EQ(sound.read(-5, 10, none), 0);
}

TEST(AudioReader, FilesWithoutSoundSaySo) {
  TempDir dir;
  writeTestVideo(dir / "v.avi", TestVideo{});
  try {
    video::AudioReader sound(dir / "v.avi");
    ADD_FAILURE();
  } catch (const video::VideoError& e) {
    EXPECT_EQ(e.kind(), video::VideoErrorKind::NoAudio);
  }
}
