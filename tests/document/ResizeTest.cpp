// Resizing the picture: when the JPEG fast path is taken, what it leaves for
// the stretch, where its scratch file goes, and that the picture survives.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>

#include "document/engine/Resize.h"
#include "platform/codecs/PictureError.h"
#include "support/JpegReadBack.h"
#include "support/PixelGrid.h"

namespace fs = std::filesystem;
using document::ResizeOptions;
using document::resizePicture;
using document::ResizeResult;

namespace {

class TempDir {
 public:
  TempDir() {
    std::random_device rd;
    path_ =
        fs::temp_directory_path() / ("qm-resize-" + std::to_string(rd()) + std::to_string(rd()));
    fs::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// Points the per-user cache folder somewhere else for one test.
class CacheHome {
 public:
  explicit CacheHome(const fs::path& where) {
    if (const char* old = std::getenv("XDG_CACHE_HOME")) old_ = old;
    setenv("XDG_CACHE_HOME", where.c_str(), 1);
  }
  ~CacheHome() {
    if (old_)
      setenv("XDG_CACHE_HOME", old_->c_str(), 1);
    else
      unsetenv("XDG_CACHE_HOME");
  }

 private:
  std::optional<std::string> old_;
};

// Smooth ramps in all three channels: what JPEG coding keeps well.
gdi::Bitmap gradient(int w, int h) {
  gdi::Bitmap b(w, h);
  for (int y = 0; y < h; ++y) {
    std::uint32_t* row = b.row(y);
    for (int x = 0; x < w; ++x) {
      const std::uint32_t r = std::uint32_t(x * 255 / (w - 1));
      const std::uint32_t g = std::uint32_t(y * 255 / (h - 1));
      const std::uint32_t bl = std::uint32_t((x + y) * 255 / (w + h - 2));
      row[x] = r | g << 8 | bl << 16;
    }
  }
  return b;
}

// Box average by an integer factor: the reference for a good downscale.
gdi::Bitmap boxShrink(const gdi::Bitmap& src, int f) {
  gdi::Bitmap out(src.width() / f, src.height() / f);
  for (int y = 0; y < out.height(); ++y)
    for (int x = 0; x < out.width(); ++x) {
      int sum[3] = {0, 0, 0};
      for (int dy = 0; dy < f; ++dy)
        for (int dx = 0; dx < f; ++dx) {
          const std::uint32_t v = src.row(y * f + dy)[x * f + dx];
          for (int c = 0; c < 3; ++c) sum[c] += int(v >> (8 * c) & 0xFF);
        }
      std::uint32_t v = 0;
      for (int c = 0; c < 3; ++c) v |= std::uint32_t((sum[c] + f * f / 2) / (f * f)) << (8 * c);
      out.row(y)[x] = v;
    }
  return out;
}

double meanDifference(const gdi::Bitmap& a, const gdi::Bitmap& b) {
  double total = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      for (int c = 0; c < 3; ++c)
        total += std::abs(int(a.row(y)[x] >> (8 * c) & 0xFF) - int(b.row(y)[x] >> (8 * c) & 0xFF));
  return total / (3.0 * a.width() * a.height());
}

struct Fixture : ::testing::Test {
  TempDir program;
  ResizeOptions options() const {
    ResizeOptions o;
    o.programFolder = program.path();
    return o;
  }
};

using Resize = Fixture;

TEST(ResizeRules, SidesBelowTenAreRaised) {
  EXPECT_EQ(document::resizeTargetSize(5, 5), (gdi::Size{10, 10}));
  EXPECT_EQ(document::resizeTargetSize(0, 300), (gdi::Size{10, 300}));
  EXPECT_EQ(document::resizeTargetSize(-4, 10), (gdi::Size{10, 10}));
}

TEST(ResizeRules, FactorIsTheSmallerRatioRoundedHalfToEven) {
  using document::resizeFactor;
  EXPECT_EQ(resizeFactor({800, 600}, {400, 300}), 2);
  EXPECT_EQ(resizeFactor({800, 600}, {400, 200}), 2);
  EXPECT_EQ(resizeFactor({800, 600}, {100, 600}), 1);  // a narrower picture keeps every row
  EXPECT_EQ(resizeFactor({810, 600}, {400, 300}), 2);  // 2.025
  EXPECT_EQ(resizeFactor({500, 500}, {200, 200}), 2);  // 2.5 to even
  EXPECT_EQ(resizeFactor({700, 700}, {200, 200}), 4);  // 3.5 to even
  EXPECT_EQ(resizeFactor({100, 100}, {400, 400}), 0);  // enlarging
  EXPECT_EQ(resizeFactor({0, 0}, {10, 10}), 0);
  EXPECT_EQ(document::jpegScaleForFactor(2), codecs::JpegScale::Half);
  EXPECT_EQ(document::jpegScaleForFactor(4), codecs::JpegScale::Quarter);
  EXPECT_EQ(document::jpegScaleForFactor(8), codecs::JpegScale::Eighth);
  for (int m : {0, 1, 3, 5, 6, 16}) EXPECT_FALSE(document::jpegScaleForFactor(m)) << m;
}

TEST(ResizeRules, TheFastPathNeverDecodesFewerPixelsThanTheTargetKeeps) {
  using document::fastPathScale;
  EXPECT_EQ(fastPathScale({800, 600}, {400, 300}), codecs::JpegScale::Half);
  EXPECT_EQ(fastPathScale({810, 600}, {400, 300}), codecs::JpegScale::Half);
  EXPECT_EQ(fastPathScale({801, 601}, {401, 301}), codecs::JpegScale::Half);  // decodes 401 x 301
  EXPECT_EQ(fastPathScale({800, 600}, {100, 75}), codecs::JpegScale::Eighth);
  EXPECT_FALSE(fastPathScale({800, 600}, {100, 600}));
  // Ratios that round up to a factor would decode too few pixels.
  EXPECT_FALSE(fastPathScale({500, 500}, {260, 260}));  // 1.92 rounds to 2
  EXPECT_FALSE(fastPathScale({700, 700}, {200, 200}));  // 3.5 rounds to 4
  EXPECT_FALSE(fastPathScale({900, 600}, {300, 200}));  // 3
}

TEST_F(Resize, HalfTakesTheFastPathWithoutStretch) {
  gdi::Bitmap picture = gradient(800, 600);
  const ResizeResult r = resizePicture(picture, 400, 300, options());
  EXPECT_TRUE(r.fastPath);
  EXPECT_FALSE(r.stretched);
  EXPECT_EQ(r.factor, 2);
  EXPECT_EQ(picture.width(), 400);
  EXPECT_EQ(picture.height(), 300);
  // The scratch file went to the program folder's "Bin", created for it.
  EXPECT_EQ(r.tempFile.file, program.path() / "Bin" / "$TE$MP$.JPG");
  EXPECT_FALSE(r.tempFile.inUserFolder);
  EXPECT_TRUE(fs::is_regular_file(r.tempFile.file));
  // The picture survives: close to a box-filtered reduction.
  EXPECT_LT(meanDifference(picture, boxShrink(gradient(800, 600), 2)), 2.0);
}

TEST_F(Resize, FastPathGivesWhatAProgressiveQuality100FileWould) {
  const gdi::Bitmap original = gradient(200, 120);
  const std::vector<std::uint8_t> saved =
      codecs::encodeJpeg(original, {.quality = 100, .progressive = true});
  const gdi::Bitmap expected =
      codecs::decodeJpeg(saved, {.scale = codecs::JpegScale::Quarter}).bitmap;
  gdi::Bitmap picture = original;
  ASSERT_TRUE(resizePicture(picture, 50, 30, options()).fastPath);
  EXPECT_EQ(picture, expected);
}

// A photograph-sized, detailed picture makes a scratch file far larger than
// the encoder's first buffer; halving must still give every block its place.
TEST_F(Resize, HalvingADetailedPictureComesBackWhole) {
  const gdi::Bitmap original = testing_support::photoLikePicture(800, 600);
  gdi::Bitmap picture = original;
  const ResizeResult r = resizePicture(picture, 400, 300, options());
  ASSERT_TRUE(r.fastPath);
  EXPECT_TRUE(testing_support::fileDecodesCleanly(r.tempFile.file));
  EXPECT_TRUE(testing_support::djpegReads(r.tempFile.file, {800, 600}));
  EXPECT_LT(meanDifference(picture, boxShrink(original, 2)), 3.0);
}

TEST_F(Resize, OtherFactorsAreStretched) {
  for (gdi::Size to : {gdi::Size{300, 200}, gdi::Size{100, 600}, gdi::Size{600, 450}}) {
    gdi::Bitmap picture = gradient(900, 600);
    const ResizeResult r = resizePicture(picture, to.cx, to.cy, options());
    EXPECT_FALSE(r.fastPath);
    EXPECT_TRUE(r.stretched);
    EXPECT_EQ(picture.width(), to.cx);
    EXPECT_EQ(picture.height(), to.cy);
    EXPECT_FALSE(fs::exists(program.path() / "Bin"));
  }
}

TEST_F(Resize, TheFastPathTakesTheSmallerRatioThenStretchesTheRest) {
  // 800 x 600 to 400 x 200: decoded at half (400 x 300), then 300 rows
  // stretched to 200.
  gdi::Bitmap picture = gradient(800, 600);
  const ResizeResult r = resizePicture(picture, 400, 200, options());
  EXPECT_TRUE(r.fastPath);
  EXPECT_TRUE(r.stretched);
  EXPECT_EQ(r.factor, 2);
  EXPECT_EQ(picture.width(), 400);
  EXPECT_EQ(picture.height(), 200);
}

TEST_F(Resize, FastPathResultIsStretchedToTheExactSize) {
  gdi::Bitmap picture = gradient(810, 600);
  std::optional<codecs::JpegScale> asked;
  gdi::Size decoded;
  ResizeOptions o = options();
  o.loadScaled = [&](const fs::path& file, codecs::JpegScale scale) {
    asked = scale;
    gdi::Bitmap b = codecs::readJpegFile(file, {.scale = scale}).bitmap;
    decoded = {b.width(), b.height()};
    return b;
  };
  const ResizeResult r = resizePicture(picture, 400, 300, o);
  EXPECT_EQ(asked, codecs::JpegScale::Half);
  EXPECT_EQ(decoded, (gdi::Size{405, 300}));
  EXPECT_TRUE(r.fastPath);
  EXPECT_TRUE(r.stretched);
  EXPECT_EQ(picture.width(), 400);
  EXPECT_EQ(picture.height(), 300);
}

TEST_F(Resize, StretchMethodNeverWritesTheScratchFile) {
  gdi::Bitmap picture = gradient(800, 600);
  ResizeOptions o = options();
  o.allowFastPath = false;
  const ResizeResult r = resizePicture(picture, 400, 300, o);
  EXPECT_FALSE(r.fastPath);
  EXPECT_TRUE(r.stretched);
  EXPECT_TRUE(r.tempFile.file.empty());
  // ColorOnColor by exactly 2 keeps every other pixel.
  const gdi::Bitmap original = gradient(800, 600);
  EXPECT_EQ(picture.pixel(7, 9), original.pixel(14, 18));
}

TEST_F(Resize, TinySizesBecomeTenByTen) {
  gdi::Bitmap picture = gradient(60, 50);
  const ResizeResult r = resizePicture(picture, 5, 5, options());
  EXPECT_EQ(r.size, (gdi::Size{10, 10}));
  EXPECT_EQ(picture.width(), 10);
  EXPECT_EQ(picture.height(), 10);
  EXPECT_TRUE(r.stretched);
  EXPECT_FALSE(r.fastPath);  // 5 is not a fast factor
}

TEST_F(Resize, ExistingBinFolderIsFoundWhateverItsCase) {
  fs::create_directory(program.path() / "bin");
  gdi::Bitmap picture = gradient(80, 80);
  const ResizeResult r = resizePicture(picture, 20, 20, options());
  EXPECT_TRUE(r.fastPath);
  EXPECT_EQ(r.tempFile.file, program.path() / "bin" / "$TE$MP$.JPG");
  EXPECT_FALSE(fs::exists(program.path() / "Bin"));
}

TEST_F(Resize, UnusableProgramFolderFallsBackToTheUserFolder) {
  TempDir cache;
  CacheHome home(cache.path());
  // A program "folder" that is a file: no "Bin" can be made under it.
  const fs::path notAFolder = program.path() / "program";
  std::ofstream(notAFolder) << "x";
  ResizeOptions o = options();
  o.programFolder = notAFolder;
  gdi::Bitmap picture = gradient(160, 120);
  const ResizeResult r = resizePicture(picture, 40, 30, o);
  EXPECT_TRUE(r.fastPath);
  EXPECT_TRUE(r.tempFile.inUserFolder);
  EXPECT_EQ(r.tempFile.file, cache.path() / "Quillmoor" / "Bin" / "$TE$MP$.JPG");
  EXPECT_EQ(picture.width(), 40);
}

TEST_F(Resize, NoWritableFolderReportsAnErrorAndKeepsThePicture) {
  const fs::path blocker = program.path() / "file";
  std::ofstream(blocker) << "x";
  CacheHome home(blocker / "cache");  // below a file: cannot be created
  ResizeOptions o = options();
  o.programFolder = blocker;
  const gdi::Bitmap original = gradient(160, 120);
  gdi::Bitmap picture = original;
  try {
    resizePicture(picture, 80, 60, o);
    FAIL() << "no error";
  } catch (const codecs::PictureError& e) {
    EXPECT_EQ(e.kind(), codecs::ErrorKind::Io);
    EXPECT_NE(std::string(e.what()).find("$TE$MP$.JPG"), std::string::npos) << e.what();
  }
  EXPECT_EQ(picture, original);
}

TEST_F(Resize, UnreadableScratchFileFallsBackToTheStretch) {
  gdi::Bitmap picture = gradient(800, 600);
  ResizeOptions o = options();
  o.loadScaled = [](const fs::path&, codecs::JpegScale) { return gdi::Bitmap(); };
  const ResizeResult r = resizePicture(picture, 400, 300, o);
  EXPECT_FALSE(r.fastPath);
  EXPECT_TRUE(r.stretched);
  EXPECT_EQ(picture.width(), 400);
  EXPECT_EQ(picture.pixel(7, 9), gradient(800, 600).pixel(14, 18));
}

TEST_F(Resize, PicturesTooWideForJpegAreStretched) {
  gdi::Bitmap picture(65502, 20);
  const ResizeResult r = resizePicture(picture, 32751, 10, options());
  EXPECT_EQ(r.factor, 2);
  EXPECT_FALSE(r.fastPath);
  EXPECT_TRUE(r.stretched);
  EXPECT_EQ(picture.width(), 32751);
}

TEST_F(Resize, StretchKeepsPaletteAndTransparencyFastPathGivesTrueColour) {
  gdi::Bitmap picture = gradient(64, 64);
  picture.setPixelFormat(gdi::PixelFormat::Bits8);
  picture.setTransparent(true);
  picture.setTransparentColor(gdi::clRed);
  const gdi::Palette palette = picture.palette();
  gdi::Bitmap stretched = picture;
  resizePicture(stretched, 48, 48, options());
  EXPECT_EQ(stretched.pixelFormat(), gdi::PixelFormat::Bits8);
  EXPECT_EQ(stretched.palette(), palette);
  EXPECT_TRUE(stretched.transparent());
  EXPECT_EQ(stretched.transparentColor(), gdi::clRed);

  gdi::Bitmap fast = picture;
  EXPECT_TRUE(resizePicture(fast, 16, 16, options()).fastPath);
  EXPECT_FALSE(fast.hasPalette());
  EXPECT_TRUE(fast.transparent());
  EXPECT_EQ(fast.transparentColor(), gdi::clRed);
}

}  // namespace
