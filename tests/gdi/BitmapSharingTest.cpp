// Copies of a bitmap share its pixels until one of them is written. Whatever
// writes, the other copies must keep their pixels, and the write must land in
// full, exactly as it would on a bitmap nobody shares.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/gdi/Blit.h"
#include "platform/gdi/Canvas.h"
#include "support/PixelGrid.h"

using namespace gdi;
using testing_support::noiseBitmap;
using testing_support::pixelHash;

namespace {

struct WritePath {
  std::string name;
  std::function<void(Bitmap&)> write;
};

std::vector<WritePath> writePaths() {
  static const std::vector<Point> star{{5, 5}, {60, 50}, {10, 55}, {55, 8}, {30, 70}};
  return {
      {"row", [](Bitmap& b) { b.row(7)[3] = 0x123456; }},
      {"bits", [](Bitmap& b) { b.bits()[b.width() * 2 + 9] = 0x654321; }},
      {"setPixel", [](Bitmap& b) { b.setPixel(4, 4, clRed); }},
      {"fill", [](Bitmap& b) { b.fill(clBlue); }},
      {"setSize", [](Bitmap& b) { b.setSize(b.width() + 3, b.height() - 2); }},
      {"setPalette",
       [](Bitmap& b) {
         b.setPalette({clBlack, clWhite, clRed});
       }},
      {"setPixelFormat", [](Bitmap& b) { b.setPixelFormat(PixelFormat::Bits4); }},
      {"snapSpan",
       [](Bitmap& b) {
         b.setPalette({clBlack, clWhite});
         b.row(3)[1] = 0x0000FF;
         b.snapSpan(b.row(3), b.width());
       }},
      {"canvas line",
       [](Bitmap& b) {
         b.canvas().pen.width = 5;
         b.canvas().moveTo(-3, 10);
         b.canvas().lineTo(70, 40);
       }},
      {"canvas xor rectangle",
       [](Bitmap& b) {
         b.canvas().pen.mode = PenMode::Xor;
         b.canvas().brush.setStyle(BrushStyle::DiagCross);
         b.canvas().rectangle(4, 6, 50, 33);
       }},
      {"canvas ellipse with pattern brush",
       [](Bitmap& b) {
         b.canvas().brush.setBitmap(noiseBitmap(8, 8, 3));
         b.canvas().ellipse(2, 2, 61, 47);
       }},
      {"canvas polygon", [](Bitmap& b) { b.canvas().polygon(star); }},
      {"canvas flood fill",
       [](Bitmap& b) {
         b.canvas().brush.setColor(clLime);
         b.canvas().floodFill(10, 10, b.pixel(10, 10), FillStyle::Surface);
       }},
      {"canvas text",
       [](Bitmap& b) {
         b.canvas().font.setSize(14);
         b.canvas().textOut(3, 3, "Shared?");
       }},
      {"canvas drawText",
       [](Bitmap& b) {
         Rect r{2, 20, 60, 60};
         b.canvas().drawText("words that wrap over lines", r, DT_WORDBREAK | DT_CENTER);
       }},
      {"canvas draw of another bitmap",
       [](Bitmap& b) { b.canvas().draw(9, 4, noiseBitmap(20, 15, 8)); }},
      {"canvas stretchDraw",
       [](Bitmap& b) {
         b.canvas().stretchDraw({0, 0, 40, 30}, noiseBitmap(9, 7, 2));
       }},
      {"canvas blit onto itself",
       [](Bitmap& b) { b.canvas().bitBlt(5, 9, 40, 30, &b, 0, 0, SRCCOPY); }},
      {"canvas stretch onto itself",
       [](Bitmap& b) {
         b.canvas().copyRect({0, 0, 64, 48}, b, {10, 10, 30, 25});
       }},
      {"canvas invert pattern blit",
       [](Bitmap& b) { b.canvas().bitBlt(0, 0, 30, 30, nullptr, 0, 0, DSTINVERT); }},
      {"a canvas of its own",
       [](Bitmap& b) {
         Canvas c(b);
         c.pen.color = clYellow;
         c.moveTo(0, 0);
         c.lineTo(60, 45);
       }},
      {"transparent blit",
       [](Bitmap& b) {
         Bitmap src = noiseBitmap(16, 16, 4);
         transparentBlt(b, 1, 1, 32, 32, src, 0, 0, 16, 16, src.pixel(0, 0));
       }},
  };
}

Bitmap picture() { return noiseBitmap(64, 48, 77); }

class BitmapSharing : public ::testing::TestWithParam<WritePath> {};

TEST_P(BitmapSharing, WritingACopyLeavesTheOriginalAndLandsInFull) {
  Bitmap alone = picture();
  GetParam().write(alone);

  Bitmap original = picture();
  Bitmap copy = original;
  ASSERT_TRUE(copy.sharesPixelsWith(original));
  GetParam().write(copy);
  EXPECT_EQ(pixelHash(original), pixelHash(picture()));
  EXPECT_EQ(pixelHash(copy), pixelHash(alone));
  EXPECT_FALSE(copy.sharesPixelsWith(original));
}

TEST_P(BitmapSharing, WritingTheOriginalLeavesItsCopies) {
  Bitmap alone = picture();
  GetParam().write(alone);

  Bitmap original = picture();
  original.canvas();  // the persistent canvas exists before the copies are taken
  Bitmap copy = original;
  Bitmap assigned(3, 3);
  assigned = original;
  GetParam().write(original);
  EXPECT_EQ(pixelHash(copy), pixelHash(picture()));
  EXPECT_EQ(pixelHash(assigned), pixelHash(picture()));
  EXPECT_EQ(pixelHash(original), pixelHash(alone));
}

INSTANTIATE_TEST_SUITE_P(EveryWritePath, BitmapSharing, ::testing::ValuesIn(writePaths()),
                         [](const ::testing::TestParamInfo<WritePath>& param) {
                           std::string name;
                           for (char ch : param.param.name)
                             if (std::isalnum(static_cast<unsigned char>(ch))) name += ch;
                           return name;
                         });

TEST(BitmapSharingRules, ReadingNeverCopiesAndWritingCopiesOnlyWhenShared) {
  const Bitmap original = picture();
  Bitmap copy = original;
  // Reads through the const accessors, comparison and blitting from it keep
  // the pixels shared.
  EXPECT_EQ(copy.pixel(3, 3), original.pixel(3, 3));
  EXPECT_EQ(copy.constRow(5), original.row(5));
  EXPECT_EQ(std::as_const(copy).bits(), original.bits());
  EXPECT_TRUE(copy == original);
  Bitmap target(64, 48);
  target.canvas().draw(0, 0, copy);
  EXPECT_TRUE(copy.sharesPixelsWith(original));
  EXPECT_FALSE(copy.isDetached());

  // The first write gives the copy pixels of its own; later ones reuse them.
  std::uint32_t* own = copy.row(0);
  EXPECT_NE(own, original.row(0));
  EXPECT_TRUE(copy.isDetached());
  EXPECT_TRUE(original.isDetached());
  copy.setPixel(1, 1, clBlack);
  EXPECT_EQ(copy.row(0), own);
}

TEST(BitmapSharingRules, MovingAndSelfAssignmentKeepThePixels) {
  Bitmap original = picture();
  Bitmap copy = original;
  Bitmap moved = std::move(copy);
  EXPECT_TRUE(moved.sharesPixelsWith(original));
  const Bitmap& same = moved;
  moved = same;
  moved = std::as_const(original);
  EXPECT_TRUE(moved.sharesPixelsWith(original));
  // The last owner of pixels left behind frees them; the others keep theirs.
  {
    Bitmap last = original;
    original = Bitmap(2, 2);
    EXPECT_EQ(pixelHash(last), pixelHash(picture()));
  }
  EXPECT_EQ(pixelHash(moved), pixelHash(picture()));
}

TEST(BitmapSharingRules, AssignmentKeepsEachObjectsCanvasOnItsOwnPixels) {
  Bitmap a = picture();
  a.canvas().pen.color = clRed;
  Bitmap b(5, 5);
  b.canvas().pen.color = clLime;
  b = a;
  b.canvas().moveTo(0, 0);
  b.canvas().lineTo(40, 0);
  EXPECT_EQ(b.pixel(10, 0), clLime);
  EXPECT_EQ(a.pixel(10, 0), picture().pixel(10, 0));
  EXPECT_EQ(&b.canvas().bitmap(), &b);
}

TEST(BitmapSharingRules, APatternBrushKeepsThePatternItWasGiven) {
  Bitmap pattern = noiseBitmap(8, 8, 5);
  Bitmap target(16, 16);
  target.canvas().brush.setBitmap(pattern);
  pattern.fill(clBlack);
  target.canvas().fillRect(target.rect());
  EXPECT_EQ(target.pixel(3, 2), noiseBitmap(8, 8, 5).pixel(3, 2));
}

TEST(BitmapSharingRules, LargeBitmapsAreNewAndWhiteWhereverTheirMemoryWasBefore) {
  // Large pixel memory is handed on from a released bitmap to the next one
  // of its size; the new one must not show the old pixels.
  for (int round = 0; round < 3; ++round) {
    {
      Bitmap old(2048, 1024);
      old.fill(clRed);
      Bitmap copy = old;
      copy.setPixel(0, 0, clBlue);  // a second buffer of the size
    }
    const Bitmap fresh(1024, 2048);
    EXPECT_EQ(testing_support::countColor(fresh, clWhite), 1024 * 2048);
    Bitmap shared = fresh;
    shared.setPixel(5, 5, clBlack);
    EXPECT_EQ(testing_support::countColor(shared, clWhite), 1024 * 2048 - 1);
    EXPECT_EQ(testing_support::countColor(fresh, clWhite), 1024 * 2048);
  }
}

TEST(BitmapSharingRules, ABitmapForOverwriteHoldsWhatIsWritten) {
  Bitmap b = Bitmap::forOverwrite(33, 17);
  ASSERT_EQ(b.width(), 33);
  ASSERT_EQ(b.height(), 17);
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x) b.row(y)[x] = std::uint32_t(x * 31 + y) & 0xFFFFFF;
  EXPECT_EQ(b.pixel(32, 16), TColor(32 * 31 + 16));
  EXPECT_EQ(b.dirty(), b.rect());
  EXPECT_THROW(Bitmap::forOverwrite(Bitmap::kMaxSide + 1, 1), ResourceError);
  EXPECT_TRUE(Bitmap::forOverwrite(0, 0).empty());
}

}  // namespace
