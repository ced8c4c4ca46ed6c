#include "support/JpegReadBack.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "platform/codecs/FileBytes.h"
#include "platform/codecs/Jpeg.h"
#include "support/ExternalTool.h"

namespace testing_support {
namespace {

std::uint32_t next(std::uint32_t& s) {
  s ^= s << 13;
  s ^= s >> 17;
  s ^= s << 5;
  return s;
}

int clampByte(int v) { return v < 0 ? 0 : v > 255 ? 255 : v; }

struct Disc {
  int cx, cy, r;
  int red, green, blue;
};

// The width and height of a binary PNM header ("P6\n<w> <h>\n255\n").
gdi::Size pnmSize(const QByteArray& pnm) {
  const QList<QByteArray> fields = pnm.left(64).simplified().split(' ');
  if (fields.size() < 3 || (fields[0] != "P6" && fields[0] != "P5")) return {};
  return {fields[1].toInt(), fields[2].toInt()};
}

}  // namespace

gdi::Bitmap photoLikePicture(int width, int height, int noise, std::uint32_t seed) {
  gdi::Bitmap b(width, height);
  std::uint32_t s = seed ? seed : 1;
  Disc discs[40];
  for (Disc& d : discs) {
    d.cx = int(next(s) % std::uint32_t(width));
    d.cy = int(next(s) % std::uint32_t(height));
    d.r = 1 + int(next(s) % std::uint32_t(std::max(1, std::min(width, height) / 6)));
    d.red = int(next(s) & 255);
    d.green = int(next(s) & 255);
    d.blue = int(next(s) & 255);
  }
  // Waves of assorted directions and lengths: texture such as foliage or
  // fabric, the detail that makes photographs large files.
  struct Wave {
    double fx, fy, phase;
  } waves[8];
  for (Wave& v : waves) {
    v.fx = (int(next(s) % 160) - 80) / 100.0;
    v.fy = (int(next(s) % 160) - 80) / 100.0;
    v.phase = int(next(s) % 628) / 100.0;
  }
  const int w = std::max(1, width - 1), h = std::max(1, height - 1);
  for (int y = 0; y < height; ++y) {
    std::uint32_t* row = b.row(y);
    for (int x = 0; x < width; ++x) {
      int r = 40 + x * 160 / w, g = 30 + y * 180 / h, bl = 200 - (x + y) * 150 / (w + h);
      for (const Disc& d : discs) {
        const int dx = x - d.cx, dy = y - d.cy;
        if (dx * dx + dy * dy <= d.r * d.r) {
          r = (r + d.red) / 2;
          g = (g + d.green) / 2;
          bl = (bl + d.blue) / 2;
        }
      }
      double texture = 0;
      for (const Wave& v : waves) texture += std::sin(x * v.fx + y * v.fy + v.phase);
      const int stripe = int(24 * texture);
      r += stripe;
      g -= stripe / 2;
      bl += stripe / 3;
      if (noise > 0) {
        const std::uint32_t n = next(s);
        r += int(n % std::uint32_t(noise + 1)) - noise / 2;
        g += int((n >> 10) % std::uint32_t(noise + 1)) - noise / 2;
        bl += int((n >> 20) % std::uint32_t(noise + 1)) - noise / 2;
      }
      row[x] = std::uint32_t(gdi::RGB(clampByte(r), clampByte(g), clampByte(bl)));
    }
  }
  return b;
}

::testing::AssertionResult decodesCleanly(std::span<const std::uint8_t> bytes,
                                          gdi::Bitmap* picture) {
  try {
    codecs::JpegPicture p = codecs::decodeJpeg(bytes);
    if (p.warnings != 0)
      return ::testing::AssertionFailure()
             << "libjpeg raised " << p.warnings << " warning(s) on " << bytes.size() << " bytes";
    if (picture) *picture = std::move(p.bitmap);
    return ::testing::AssertionSuccess();
  } catch (const std::exception& e) {
    return ::testing::AssertionFailure()
           << "libjpeg cannot decode " << bytes.size() << " bytes: " << e.what();
  }
}

::testing::AssertionResult fileDecodesCleanly(const std::filesystem::path& file,
                                              gdi::Bitmap* picture) {
  std::vector<std::uint8_t> bytes;
  try {
    bytes = codecs::readFileBytes(file);
  } catch (const std::exception& e) {
    return ::testing::AssertionFailure() << e.what();
  }
  return decodesCleanly(bytes, picture) << " (" << file.string() << ")";
}

::testing::AssertionResult djpegReads(const std::filesystem::path& file, gdi::Size expected) {
  const ToolRun djpeg = runTool(QStringLiteral("djpeg"),
                                {QStringLiteral("-pnm"), QString::fromStdString(file.string())});
  if (!djpeg.ok() || !djpeg.errors.isEmpty())
    return ::testing::AssertionFailure()
           << "djpeg exit status " << djpeg.exitCode << " on " << file.string() << ": "
           << djpeg.errors.trimmed().toStdString();
  const gdi::Size size = pnmSize(djpeg.output);
  if (size != expected)
    return ::testing::AssertionFailure() << "djpeg gives " << size.cx << " x " << size.cy
                                         << ", expected " << expected.cx << " x " << expected.cy;
  return ::testing::AssertionSuccess();
}

}  // namespace testing_support
