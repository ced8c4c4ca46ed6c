// Every seed of the fuzzers and every input that once crashed or hung a
// reader goes through the readers again. Errors are fine; crashes, sanitizer
// reports and hangs are not.
#include <gtest/gtest.h>

#include <filesystem>

#include "CodecTestSupport.h"
#include "platform/codecs/Bmp.h"
#include "platform/codecs/Icon.h"
#include "platform/codecs/Jpeg.h"
#include "platform/codecs/Metafile.h"
#include "platform/codecs/PictureError.h"
#include "platform/codecs/PictureFile.h"

namespace fs = std::filesystem;
using codec_test::fileBytes;
using codec_test::testData;

namespace {

// The committed inputs of one reader: fuzz/corpus/<reader> and
// tests/codecs/data/crashes/<reader>.
std::vector<fs::path> inputs(const std::string& reader) {
  const fs::path root = testData().parent_path().parent_path().parent_path();
  std::vector<fs::path> files;
  for (const fs::path& dir : {root / "fuzz" / "corpus" / reader, testData() / "crashes" / reader}) {
    if (!fs::is_directory(dir)) continue;
    for (const auto& e : fs::directory_iterator(dir))
      if (e.is_regular_file()) files.push_back(e.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

template <class F>
void replay(const std::string& reader, F&& read) {
  const auto files = inputs(reader);
  EXPECT_FALSE(files.empty()) << "no inputs for " << reader;
  for (const fs::path& p : files) {
    SCOPED_TRACE(p.string());
    const std::vector<std::uint8_t> bytes = fileBytes(p);
    try {
      read(std::span<const std::uint8_t>(bytes));
    } catch (const codecs::PictureError&) {
    }
    // Any other exception fails the test.
  }
}

}  // namespace

TEST(Replay, Bmp) {
  replay("bmp", [](std::span<const std::uint8_t> b) {
    (void)codecs::readBmp(b);
    if (b.size() > 14) (void)codecs::readDib(b.subspan(14), codecs::DibHeight::HalfForIconMask);
  });
}

TEST(Replay, Jpeg) {
  replay("jpeg", [](std::span<const std::uint8_t> b) {
    for (int scale = 0; scale < 4; ++scale) {
      codecs::JpegDecodeOptions o;
      o.scale = codecs::JpegScale(scale);
      o.pixelFormat = codecs::JpegPixelFormat(scale % 2);
      o.progressiveDisplay = scale >= 2;
      try {
        (void)codecs::decodeJpeg(b, o, [](int, const gdi::Bitmap*) {});
      } catch (const codecs::PictureError&) {
      }
    }
  });
}

TEST(Replay, Icon) {
  replay("ico", [](std::span<const std::uint8_t> b) { (void)codecs::readIcon(b); });
}

TEST(Replay, Wmf) {
  replay("wmf", [](std::span<const std::uint8_t> b) { (void)codecs::readMetafile(b); });
}

TEST(Replay, Emf) {
  replay("emf", [](std::span<const std::uint8_t> b) { (void)codecs::decodePicture(b); });
}
