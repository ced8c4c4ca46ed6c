#pragma once
// Test videos made through the same FFmpeg libraries the program reads
// with: every frame shows its number as a colour (in its left half, flat,
// so MJPEG keeps it) beside detail that changes from frame to frame, and
// every frame's sound samples carry the frame number too.
//
// Linking this also selects SDL's dummy audio driver, so sound code runs
// without a sound card.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/gdi/Bitmap.h"
#include "platform/video/VideoWriter.h"

namespace media_test {

struct TestVideo {
  video::VideoCodec codec = video::VideoCodec::Raw;
  int width = 64;
  int height = 48;
  int frames = 10;
  int rate = 30;
  int scale = 1;
  int quality = 3;
  int sampleRate = 0;  // 0: no sound
  int channels = 2;
};

// The colour that marks frame n (n < 512): three levels 16 + 32 k, far
// enough apart for lossy coding.
gdi::TColor frameMark(int n);
// The frame number a picture's mark says, or -1 when it shows no mark.
int frameOf(const gdi::Bitmap& picture);
// Frame n of a w x h test video.
gdi::Bitmap framePicture(int n, int width, int height);
// The sample value of frame n's sound.
std::int16_t soundMark(int n);

// Writes a test video; `picture` replaces framePicture when given.
void writeTestVideo(const std::filesystem::path& path, const TestVideo& video,
                    const std::function<gdi::Bitmap(int n)>& picture = {});

// Runs ffprobe with `options` (separated by spaces) on the file and returns
// what it prints.
std::string ffprobe(const std::string& options, const std::filesystem::path& path);

}  // namespace media_test
