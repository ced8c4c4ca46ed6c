#include "support/media/TestMedia.h"

#include "support/ExternalTool.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace media_test {
namespace {

[[maybe_unused]] const bool kDummyAudio = [] {
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  return true;
}();

int level(int v) { return std::clamp((v - 16 + 16) / 32, 0, 7); }

}  // namespace

gdi::TColor frameMark(int n) {
  return gdi::RGB(16 + 32 * (n & 7), 16 + 32 * (n >> 3 & 7), 16 + 32 * (n >> 6 & 7));
}

int frameOf(const gdi::Bitmap& picture) {
  if (picture.width() < 8 || picture.height() < 8) return -1;
  // The mean of a block in the middle of the flat left half.
  const int cx = picture.width() / 4, cy = picture.height() / 2;
  int r = 0, g = 0, b = 0;
  for (int y = cy - 2; y < cy + 2; ++y)
    for (int x = cx - 2; x < cx + 2; ++x) {
      const gdi::TColor c = picture.pixel(x, y);
      r += gdi::GetRValue(c);
      g += gdi::GetGValue(c);
      b += gdi::GetBValue(c);
    }
  r /= 16, g /= 16, b /= 16;
  const int n = level(r) | level(g) << 3 | level(b) << 6;
  const gdi::TColor mark = frameMark(n);
  if (std::abs(gdi::GetRValue(mark) - r) > 10 || std::abs(gdi::GetGValue(mark) - g) > 10 ||
      std::abs(gdi::GetBValue(mark) - b) > 10)
    return -1;
  return n;
}

gdi::Bitmap framePicture(int n, int width, int height) {
  gdi::Bitmap b(width, height);
  const std::uint32_t mark = std::uint32_t(frameMark(n));
  for (int y = 0; y < height; ++y) {
    std::uint32_t* row = b.row(y);
    for (int x = 0; x < width; ++x) {
      if (x < width / 2) {
        row[x] = mark;
        continue;
      }
      // Ramps, a stripe that moves with the frame and a fine checker.
      const int r = (x * 255 / std::max(1, width - 1) + n * 7) & 0xFF;
      const int g = y * 255 / std::max(1, height - 1);
      const int bl = ((x + y + n * 3) % 24 < 4) ? 250 : (((x ^ y) & 1) ? 90 : 60);
      row[x] = std::uint32_t(gdi::RGB(r, g, bl));
    }
  }
  return b;
}

std::int16_t soundMark(int n) { return std::int16_t(100 * (n + 1)); }

void writeTestVideo(const std::filesystem::path& path, const TestVideo& v,
                    const std::function<gdi::Bitmap(int n)>& picture) {
  video::VideoWriterSettings s;
  s.codec = v.codec;
  s.width = v.width;
  s.height = v.height;
  s.rate = v.rate;
  s.scale = v.scale;
  s.quality = v.quality;
  s.sampleRate = v.sampleRate;
  s.channels = v.channels;
  video::VideoWriter writer(path, s);
  std::int64_t samplesWritten = 0;
  for (int n = 0; n < v.frames; ++n) {
    if (v.width > 0) writer.writeFrame(picture ? picture(n) : framePicture(n, v.width, v.height));
    if (v.sampleRate > 0) {
      // The samples up to the end of frame n carry its mark.
      const auto end = std::int64_t(std::llround(double(n + 1) * v.scale * v.sampleRate / v.rate));
      std::vector<std::int16_t> samples(std::size_t(end - samplesWritten) * std::size_t(v.channels),
                                        soundMark(n));
      writer.writeAudio(samples);
      samplesWritten = end;
    }
  }
  writer.finish();
}

std::string ffprobe(const std::string& options, const std::filesystem::path& path) {
  QStringList arguments{QStringLiteral("-v"), QStringLiteral("error")};
  arguments += QString::fromStdString(options).split(' ', Qt::SkipEmptyParts);
  arguments << QString::fromStdString(path.string());
  const testing_support::ToolRun run = testing_support::runTool(QStringLiteral("ffprobe"), arguments);
  return (run.output + run.errors).toStdString();
}

}  // namespace media_test
