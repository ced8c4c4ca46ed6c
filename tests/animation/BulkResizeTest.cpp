#include <gtest/gtest.h>

#include "FrameFiles.h"
#include "animation/engine/BulkResize.h"
#include "platform/codecs/Jpeg.h"
#include "support/FileSizeLimit.h"
#include "support/ReadOnlyMount.h"

using animation::BulkResizeResult;
using animation::BulkResizeStep;
using animation::FrameList;
using animation::resizedFrame;
using animation::resizeMarkedFrames;
using testing_support::Grid;
using testing_support::grid;
using testing_support::gridBitmap;
using Lines = std::vector<std::string>;

namespace {

bool mentions(const std::string& text, const std::string& file) {
  return text.find(file) != std::string::npos;
}

// The message for `file` among the errors, or empty.
std::string errorFor(const BulkResizeResult& r, const std::string& file) {
  for (const std::string& e : r.errors)
    if (mentions(e, file)) return e;
  return {};
}

// The frame failed: it is named among the errors and its file is as it was.
void expectReportedAndKept(const BulkResizeResult& r, const std::string& file,
                           const std::vector<char>& before) {
  EXPECT_NE(errorFor(r, file), "") << file << " not reported";
  EXPECT_EQ(animation_test::FrameFolder::bytesOf(file), before) << file << " changed";
}

}  // namespace

TEST(FrameResize, SidesBelowTenBecomeTen) {
  EXPECT_EQ(animation::frameResizeSize(3, 0), (gdi::Size{10, 10}));
  EXPECT_EQ(animation::frameResizeSize(-5, 11), (gdi::Size{10, 11}));
  EXPECT_EQ(animation::frameResizeSize(320, 240), (gdi::Size{320, 240}));
}

// Shrinking drops rows and columns; as soon as either side grows, the rows
// and columns that are squeezed together are ANDed, so thin dark lines stay.
TEST(FrameResize, GrowingEitherSideSwitchesToBlackOnWhite) {
  const gdi::Bitmap frame = gridBitmap({"....",  //
                                        "####",  //
                                        "....",  //
                                        "...."});
  EXPECT_EQ(animation::frameResizeMode({4, 4}, {4, 2}), gdi::StretchMode::ColorOnColor);
  EXPECT_EQ(grid(resizedFrame(frame, {4, 2})), (Grid{"....", "...."}));
  EXPECT_EQ(animation::frameResizeMode({4, 4}, {8, 2}), gdi::StretchMode::BlackOnWhite);
  EXPECT_EQ(grid(resizedFrame(frame, {8, 2})), (Grid{"########", "........"}));
  EXPECT_EQ(animation::frameResizeMode({4, 4}, {2, 5}), gdi::StretchMode::BlackOnWhite);
  EXPECT_EQ(animation::frameResizeMode({4, 4}, {4, 4}), gdi::StretchMode::ColorOnColor);
}

TEST(FrameResize, APaletteFrameKeepsItsPalette) {
  gdi::Bitmap frame = testing_support::noiseBitmap(64, 48, 3);
  frame.setPixelFormat(gdi::PixelFormat::Bits8);
  const gdi::Bitmap out = resizedFrame(frame, {33, 100});
  EXPECT_EQ(out.pixelFormat(), gdi::PixelFormat::Bits8);
  EXPECT_EQ(out.palette(), frame.palette());
  EXPECT_EQ(out.width(), 33);
  EXPECT_EQ(out.height(), 100);
}

using BulkResizeFiles = animation_test::FrameFolder;

TEST_F(BulkResizeFiles, MarkedFramesAreResizedInTheirFilesAndUnmarked) {
  FrameList list;
  std::vector<gdi::Bitmap> originals;
  for (int i = 0; i < 4; ++i) {
    const std::string name = "MyAnimation00" + std::to_string(i) + ".bmp";
    originals.push_back(testing_support::noiseBitmap(640, 480, std::uint32_t(i + 1)));
    codecs::writeBmpFile(path(name), originals.back());
    list.appendMarked({path(name)});
  }
  const std::string skipped = writeFrame("unmarked.bmp", 640, 480);
  list.append({skipped});
  const std::vector<char> skippedBytes = bytesOf(skipped);

  std::vector<int> positions;
  int shown = 0;
  const BulkResizeResult r = resizeMarkedFrames(list, 320, 240, [&](const BulkResizeStep& s) {
    positions.push_back(s.position);
    if (s.frame) {
      EXPECT_EQ(s.frame->width(), 320);
      ++shown;
    }
    return true;
  });
  EXPECT_EQ(r.resized, 4);
  EXPECT_TRUE(r.errors.empty()) << bulkResizeErrorText(r);
  EXPECT_FALSE(r.stopped);
  EXPECT_EQ(shown, 4);
  EXPECT_EQ(positions, (std::vector<int>{20, 40, 60, 80, 100}));
  EXPECT_EQ(list.markedCount(), 0);
  for (int i = 0; i < 4; ++i) {
    const std::string& file = list.entry(i);
    EXPECT_EQ(animation_test::identify(file), "320 240 DirectClass sRGB") << file;
    // ImageMagick sees exactly the stretched frame.
    EXPECT_TRUE(testing_support::readWithImageMagick(QString::fromStdString(file)) ==
                resizedFrame(originals[std::size_t(i)], {320, 240}))
        << file;
  }
  EXPECT_EQ(bytesOf(skipped), skippedBytes);
}

// A frame that is a link: the frame it points at is resized, the link stays.
TEST_F(BulkResizeFiles, ALinkedFrameIsResizedWhereItIs) {
  const std::string target = writeFrame("target.bmp", 64, 48);
  const std::string link = path("link.bmp");
  animation_test::fs::create_symlink(target, link);
  FrameList list;
  list.appendMarked({link});
  EXPECT_EQ(resizeMarkedFrames(list, 32, 24).resized, 1);
  EXPECT_TRUE(animation_test::fs::is_symlink(link));
  EXPECT_EQ(animation_test::identify(target), "32 24 DirectClass sRGB");
}

// The dialog's spin edits may hold anything: the frames still get 10 pixels.
TEST_F(BulkResizeFiles, TheSmallestFrameIsTenByTen) {
  FrameList list;
  list.appendMarked({writeFrame("a.bmp", 640, 480)});
  const BulkResizeResult r = resizeMarkedFrames(list, 3, 0);
  EXPECT_EQ(r.size, (gdi::Size{10, 10}));
  EXPECT_EQ(animation_test::identify(path("a.bmp")), "10 10 DirectClass sRGB");
}

TEST_F(BulkResizeFiles, PaletteFramesStayPaletteFiles) {
  gdi::Bitmap frame = testing_support::noiseBitmap(200, 150, 9);
  frame.setPixelFormat(gdi::PixelFormat::Bits8);
  codecs::writeBmpFile(path("p.bmp"), frame);
  FrameList list;
  list.appendMarked({path("p.bmp")});
  EXPECT_EQ(resizeMarkedFrames(list, 400, 100).resized, 1);
  EXPECT_EQ(animation_test::identify(path("p.bmp")), "400 100 PseudoClass sRGB");
}

// Bad frames are reported by name, keep their files and their marks; the
// others are resized.
TEST_F(BulkResizeFiles, BadFramesAreNamedAndLeftAlone) {
  const std::string good1 = writeFrame("good1.bmp", 64, 48);
  const std::string missing = path("missing.bmp");
  const std::string text = path("notes.bmp");
  writeText(text, "these are notes, not a picture");
  const std::string jpeg = path("photo.jpg");
  codecs::writeJpegFile(jpeg, testing_support::noiseBitmap(64, 48, 5), {});
  const std::string good2 = writeFrame("good2.bmp", 64, 48);
  const std::vector<char> textBytes = bytesOf(text), jpegBytes = bytesOf(jpeg);

  FrameList list;
  list.appendMarked({good1, missing, text, jpeg, good2});
  const BulkResizeResult r = resizeMarkedFrames(list, 32, 24);
  EXPECT_EQ(r.resized, 2);
  ASSERT_EQ(r.errors.size(), 3u);
  EXPECT_NE(errorFor(r, missing), "");
  expectReportedAndKept(r, text, textBytes);
  expectReportedAndKept(r, jpeg, jpegBytes);
  EXPECT_EQ(animation_test::identify(good1), "32 24 DirectClass sRGB");
  EXPECT_EQ(animation_test::identify(good2), "32 24 DirectClass sRGB");
  EXPECT_EQ(list.size(), 5);
  EXPECT_FALSE(list.marked(0));
  EXPECT_TRUE(list.marked(1));
  EXPECT_TRUE(list.marked(2));
  EXPECT_TRUE(list.marked(3));
  EXPECT_FALSE(list.marked(4));
  const std::string message = bulkResizeErrorText(r);
  for (const std::string& f : {missing, text, jpeg}) EXPECT_TRUE(mentions(message, f)) << message;
}

// A full disk: the 24-bit frames no longer fit, the 8-bit one does. The
// frames that fail keep their old files whole, and no scraps are left.
TEST_F(BulkResizeFiles, AFullDiskLeavesTheOtherFramesIntact) {
  const std::string a = writeFrame("a.bmp", 320, 240, 1);
  gdi::Bitmap small = testing_support::noiseBitmap(320, 240, 2);
  small.setPixelFormat(gdi::PixelFormat::Bits8);
  const std::string b = path("b.bmp");
  codecs::writeBmpFile(b, small);
  const std::string c = writeFrame("c.bmp", 320, 240, 3);
  const std::vector<char> aBytes = bytesOf(a), cBytes = bytesOf(c);

  FrameList list;
  list.appendMarked({a, b, c});
  BulkResizeResult r;
  {
    // 640 x 480 is 921,654 bytes at 24 bits and 308,278 at 8 bits.
    testing_support::FileSizeLimit limit(500 * 1000);
    r = resizeMarkedFrames(list, 640, 480);
  }
  EXPECT_EQ(r.resized, 1);
  ASSERT_EQ(r.errors.size(), 2u) << bulkResizeErrorText(r);
  expectReportedAndKept(r, a, aBytes);
  expectReportedAndKept(r, c, cBytes);
  EXPECT_EQ(animation_test::identify(a), "320 240 DirectClass sRGB");
  EXPECT_EQ(animation_test::identify(b), "640 480 PseudoClass sRGB");
  EXPECT_EQ(strayFiles({a, b, c}), Lines{});
}

TEST_F(BulkResizeFiles, AReadOnlyFolderIsReportedByFile) {
  const std::string frameBytes = [&] {
    const std::vector<std::uint8_t> bmp = codecs::writeBmp(testing_support::noiseBitmap(64, 48, 4));
    return std::string(bmp.begin(), bmp.end());
  }();
  testing_support::ReadOnlyMount mount(QStringLiteral("frame.bmp"),
                                       QByteArray::fromStdString(frameBytes));
  if (!mount.available()) GTEST_SKIP() << "cannot mount a read-only folder here";
  const std::string locked = mount.path(QStringLiteral("frame.bmp")).toStdString();
  const std::string free = writeFrame("free.bmp", 64, 48);
  FrameList list;
  list.appendMarked({locked, free});
  const BulkResizeResult r = resizeMarkedFrames(list, 20, 20);
  ASSERT_EQ(r.errors.size(), 1u);
  EXPECT_TRUE(mentions(r.errors[0], locked)) << r.errors[0];
  EXPECT_EQ(animation_test::identify(locked), "64 48 DirectClass sRGB");
  EXPECT_EQ(animation_test::identify(free), "20 20 DirectClass sRGB");
}

TEST_F(BulkResizeFiles, StoppingLeavesTheRestMarkedAndUntouched) {
  FrameList list;
  for (const char* name : {"1.bmp", "2.bmp", "3.bmp", "4.bmp"})
    list.appendMarked({writeFrame(name, 40, 30)});
  const BulkResizeResult r =
      resizeMarkedFrames(list, 20, 15, [](const BulkResizeStep& s) { return s.entry < 1; });
  EXPECT_TRUE(r.stopped);
  EXPECT_EQ(r.resized, 2);
  EXPECT_EQ(animation_test::identify(path("2.bmp")), "20 15 DirectClass sRGB");
  EXPECT_EQ(animation_test::identify(path("3.bmp")), "40 30 DirectClass sRGB");
  EXPECT_FALSE(list.marked(1));
  EXPECT_TRUE(list.marked(2));
  EXPECT_TRUE(list.marked(3));
}

// The window lets messages run between frames, so the user may empty the
// list meanwhile: the walk must end, not read past the list.
TEST_F(BulkResizeFiles, AListEmptiedDuringTheResizeEndsIt) {
  FrameList list;
  for (const char* name : {"1.bmp", "2.bmp", "3.bmp"})
    list.appendMarked({writeFrame(name, 40, 30)});
  int steps = 0;
  const BulkResizeResult r = resizeMarkedFrames(list, 20, 15, [&](const BulkResizeStep&) {
    ++steps;
    list.replace({});
    return true;
  });
  EXPECT_EQ(steps, 1);
  EXPECT_EQ(r.resized, 1);
  EXPECT_TRUE(list.empty());
}
