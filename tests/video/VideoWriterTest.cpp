// Files the video writer makes, read back by ffprobe.
#include <gtest/gtest.h>

#include "codecs/CodecTestSupport.h"
#include "platform/video/VideoError.h"
#include "platform/video/VideoWriter.h"
#include "support/media/TestMedia.h"

using codec_test::TempDir;
using media_test::ffprobe;
using media_test::TestVideo;
using media_test::writeTestVideo;

TEST(VideoWriter, FfprobeReadsMjpegAndRawAviWithAndWithoutSound) {
  TempDir dir;
  TestVideo mjpeg;
  mjpeg.codec = video::VideoCodec::Mjpeg;
  mjpeg.width = 320;
  mjpeg.height = 240;
  mjpeg.frames = 12;
  mjpeg.sampleRate = 22050;
  writeTestVideo(dir / "mjpeg.avi", mjpeg);
  EXPECT_EQ(ffprobe("-count_frames -select_streams v -show_entries "
                    "stream=codec_name,width,height,r_frame_rate,nb_read_frames -of default=nw=1",
                    dir / "mjpeg.avi"),
            "codec_name=mjpeg\nwidth=320\nheight=240\nr_frame_rate=30/1\nnb_read_frames=12\n");
  EXPECT_EQ(ffprobe("-select_streams a -show_entries stream=codec_name,sample_rate,channels "
                    "-of default=nw=1",
                    dir / "mjpeg.avi"),
            "codec_name=pcm_s16le\nsample_rate=22050\nchannels=2\n");

  TestVideo raw;
  raw.rate = 30000;
  raw.scale = 1001;
  raw.frames = 5;
  writeTestVideo(dir / "raw.avi", raw);
  EXPECT_EQ(ffprobe("-count_frames -show_entries "
                    "stream=codec_type,codec_name,width,height,r_frame_rate,nb_read_frames "
                    "-of default=nw=1",
                    dir / "raw.avi"),
            "codec_name=rawvideo\ncodec_type=video\nwidth=64\nheight=48\n"
            "r_frame_rate=30000/1001\nnb_read_frames=5\n");
  EXPECT_EQ(dir.entries(), (std::vector<std::string>{"mjpeg.avi", "raw.avi"}));
}

TEST(VideoWriter, AnAbandonedWriteLeavesTheOldFileAndNoTemporary) {
  TempDir dir;
  const auto target = dir / "clip.avi";
  codec_test::writeBytes(target, {'o', 'l', 'd'});
  {
    video::VideoWriterSettings s;
    s.width = 32;
    s.height = 32;
    video::VideoWriter writer(target, s);
    writer.writeFrame(media_test::framePicture(0, 32, 32));
    // No finish(): the writer goes away, as when an export is stopped.
  }
  EXPECT_EQ(codec_test::fileBytes(target), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"clip.avi"});
}

TEST(VideoWriter, RefusesWhatItCannotWrite) {
  TempDir dir;
  video::VideoWriterSettings s;
  s.width = 32;
  s.height = 32;
  EXPECT_THROW(video::VideoWriter(dir / "clip.nosuchformat", s), video::VideoError);
  EXPECT_THROW(video::VideoWriter(dir / "missing" / "clip.avi", s), video::VideoError);
  video::VideoWriter writer(dir / "clip.avi", s);
  EXPECT_THROW(writer.writeFrame(gdi::Bitmap(16, 16)), video::VideoError);
  EXPECT_THROW(writer.writeAudio(std::vector<std::int16_t>(10)), video::VideoError);
  s.width = 0;
  EXPECT_THROW(video::VideoWriter(dir / "bad.avi", s), video::VideoError);
}
