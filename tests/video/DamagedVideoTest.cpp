// Files that are missing, not videos, cut short or damaged: a clear error,
// never a crash, and what can be read is read.
#include <gtest/gtest.h>

#include "codecs/CodecTestSupport.h"
#include "platform/video/AudioReader.h"
#include "platform/video/VideoError.h"
#include "platform/video/VideoReader.h"
#include "support/media/TestMedia.h"

using codec_test::fileBytes;
using codec_test::TempDir;
using codec_test::writeBytes;
using media_test::frameOf;
using media_test::TestVideo;
using media_test::writeTestVideo;
using video::VideoErrorKind;

namespace {

VideoErrorKind openError(const std::filesystem::path& path) {
  try {
    video::VideoReader reader(path);
  } catch (const video::VideoError& e) {
    EXPECT_NE(std::string(e.what()).find(path.filename().string()), std::string::npos) << e.what();
    return e.kind();
  }
  ADD_FAILURE() << path << " opened";
  return VideoErrorKind::Io;
}

// Reads every frame; returns how many showed their own number. Errors must
// be VideoErrors; anything else fails the test.
int readableFrames(video::VideoReader& reader) {
  int good = 0;
  for (int n = 0; n < reader.info().length; ++n) {
    try {
      if (frameOf(reader.frame(n)) == n) ++good;
    } catch (const video::VideoError& e) {
      EXPECT_EQ(e.kind(), VideoErrorKind::Damaged) << e.what();
    }
  }
  return good;
}

TestVideo mjpegWithSound() {
  TestVideo v;
  v.codec = video::VideoCodec::Mjpeg;
  v.width = 160;
  v.height = 120;
  v.frames = 20;
  v.sampleRate = 8000;
  return v;
}

}  // namespace

TEST(DamagedVideo, MissingFilesNonVideosAndSoundOnlyFilesAreNamedErrors) {
  TempDir dir;
  EXPECT_EQ(openError(dir / "missing.avi"), VideoErrorKind::Io);
  EXPECT_EQ(openError(dir.path()), VideoErrorKind::Io);
  writeBytes(dir / "empty.avi", {});
  EXPECT_EQ(openError(dir / "empty.avi"), VideoErrorKind::NotMedia);
  writeBytes(dir / "text.avi", std::vector<std::uint8_t>(5000, 'x'));
  EXPECT_EQ(openError(dir / "text.avi"), VideoErrorKind::NotMedia);
  TestVideo sound;
  sound.width = sound.height = 0;
  sound.sampleRate = 8000;
  writeTestVideo(dir / "sound.wav", sound);
  EXPECT_EQ(openError(dir / "sound.wav"), VideoErrorKind::NoVideo);
}

TEST(DamagedVideo, AFileCutShortReadsUpToTheCutAndNamesTheMissingFrames) {
  TempDir dir;
  writeTestVideo(dir / "full.avi", mjpegWithSound());
  const std::vector<std::uint8_t> bytes = fileBytes(dir / "full.avi");
  // Cut inside the header, in the middle of the frames, and just before the index.
  for (const double part : {0.02, 0.2, 0.5, 0.8, 0.97}) {
    SCOPED_TRACE(part);
    const auto cut = std::vector<std::uint8_t>(bytes.begin(),
                                               bytes.begin() + std::ptrdiff_t(double(bytes.size()) * part));
    writeBytes(dir / "cut.avi", cut);
    try {
      video::VideoReader reader(dir / "cut.avi");
      const int good = readableFrames(reader);
      EXPECT_LE(good, 20);
      if (part >= 0.5) {
        EXPECT_GE(good, int(20 * part) - 4);
      }
      // Past the cut: a named error, and again on a second try.
      if (good < reader.info().length) {
        try {
          reader.frame(reader.info().length - 1);
        } catch (const video::VideoError& e) {
          EXPECT_NE(std::string(e.what()).find("cut.avi"), std::string::npos);
        }
      }
    } catch (const video::VideoError& e) {
      EXPECT_NE(std::string(e.what()).find("cut.avi"), std::string::npos) << e.what();
    }
    try {
      video::AudioReader sound(dir / "cut.avi");
      std::vector<std::int16_t> samples;
      EXPECT_LE(sound.read(0, 1 << 20, samples), 1 << 20);
    } catch (const video::VideoError&) {
    }
  }
}

// AVI numbers frames by counting chunks; a lost chunk must not shift the
// frames after it, reading in sequence or seeking.
TEST(DamagedVideo, DamagedBytesInTheMiddleSpoilOnlyTheFramesTheyHit) {
  TempDir dir;
  writeTestVideo(dir / "full.avi", mjpegWithSound());
  std::vector<std::uint8_t> bytes = fileBytes(dir / "full.avi");
  const std::size_t from = bytes.size() / 2;
  for (std::size_t i = from; i < from + 3000 && i < bytes.size(); ++i) bytes[i] = std::uint8_t(i * 31);
  writeBytes(dir / "bad.avi", bytes);
  video::VideoReader forward(dir / "bad.avi");
  video::VideoReader backward(dir / "bad.avi");
  std::vector<int> shown(20), shownBackward(20);
  for (int n = 0; n < 20; ++n) shown[std::size_t(n)] = frameOf(forward.frame(n));
  for (int n = 19; n >= 0; --n) shownBackward[std::size_t(n)] = frameOf(backward.frame(n));
  EXPECT_EQ(shown, shownBackward);
  int good = 0;
  for (int n = 0; n < 20; ++n) {
    if (shown[std::size_t(n)] == n) {
      ++good;
    } else {
      // A lost frame shows the one before it.
      EXPECT_LT(shown[std::size_t(n)], n);
    }
  }
  EXPECT_GE(good, 17);
  EXPECT_LT(good, 20);
}

TEST(DamagedVideo, EveryCutOfASmallFileIsHandled) {
  TempDir dir;
  TestVideo v;
  v.frames = 3;
  v.width = 16;
  v.height = 16;
  v.sampleRate = 8000;
  writeTestVideo(dir / "small.avi", v);
  const std::vector<std::uint8_t> bytes = fileBytes(dir / "small.avi");
  for (std::size_t size = 0; size < bytes.size(); size += 97) {
    const std::span<const std::uint8_t> cut(bytes.data(), size);
    try {
      video::VideoReader reader(cut, "cut");
      (void)readableFrames(reader);
    } catch (const video::VideoError&) {
    }
  }
}
