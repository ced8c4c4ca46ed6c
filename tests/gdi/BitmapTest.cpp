#include <gtest/gtest.h>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Canvas.h"
#include "support/PixelGrid.h"

using namespace gdi;
using testing_support::Grid;
using testing_support::grid;
using testing_support::gridBitmap;

TEST(Bitmap, NewBitmapIsWhiteAndOutsideReadsMinusOne) {
  Bitmap b(3, 2);
  EXPECT_EQ(grid(b), (Grid{"...", "..."}));
  EXPECT_EQ(b.pixel(-1, 0), -1);
  EXPECT_EQ(b.pixel(3, 0), -1);
  EXPECT_EQ(b.pixel(0, 2), -1);
  b.setPixel(5, 5, clBlack);  // ignored
  EXPECT_EQ(grid(b), (Grid{"...", "..."}));
}

TEST(Bitmap, ResizeKeepsTopLeftAndAddsWhite) {
  Bitmap b = gridBitmap({"#r", "gb"});
  b.setSize(3, 3);
  EXPECT_EQ(grid(b), (Grid{"#r.", "gb.", "..."}));
  b.setSize(1, 2);
  EXPECT_EQ(grid(b), (Grid{"#", "g"}));
  b.setSize(0, 0);
  EXPECT_TRUE(b.empty());
}

TEST(Bitmap, AbsurdSizesAreRefusedBeforeAllocatingAndLeaveTheBitmapAlone) {
  Bitmap b = gridBitmap({"#"});
  EXPECT_THROW(b.setSize(100000, 100000), ResourceError);
  EXPECT_THROW(b.setSize(-1, 5), ResourceError);
  EXPECT_THROW(Bitmap(Bitmap::kMaxSide + 1, 1), ResourceError);
  EXPECT_EQ(grid(b), (Grid{"#"}));
}

TEST(Bitmap, CopiesAreDeepAndAssignmentKeepsTheCanvasState) {
  Bitmap a = gridBitmap({"#."});
  a.canvas().pen.color = clRed;
  Bitmap b = a;
  b.setPixel(1, 0, clBlack);
  EXPECT_EQ(grid(a), (Grid{"#."}));
  Bitmap c(1, 1);
  c.canvas().pen.width = 7;
  c = a;
  EXPECT_EQ(c.canvas().pen.width, 7);
  EXPECT_EQ(&c.canvas().bitmap(), &c);
  Bitmap moved = std::move(b);
  EXPECT_EQ(grid(moved), (Grid{"##"}));
  EXPECT_TRUE(b.empty());  // NOLINT(bugprone-use-after-move): moved-from is empty by design
}

TEST(Bitmap, PaletteSnapsExistingAndWrittenPixels) {
  Bitmap b = gridBitmap({"#."});
  b.setPalette({clBlack, clRed});
  EXPECT_EQ(b.pixel(1, 0), clRed);  // white is nearer red than black
  b.setPixel(0, 0, RGB(200, 10, 10));
  EXPECT_EQ(b.pixel(0, 0), clRed);
  b.setPixelFormat(PixelFormat::Bits24);
  EXPECT_FALSE(b.hasPalette());
  b.setPixel(0, 0, RGB(200, 10, 10));
  EXPECT_EQ(b.pixel(0, 0), RGB(200, 10, 10));
}

TEST(Bitmap, EightBitFormatGetsAStandardPalette) {
  Bitmap b(2, 1);
  b.setPixel(0, 0, RGB(3, 2, 1));
  b.setPixelFormat(PixelFormat::Bits8);
  ASSERT_EQ(b.palette().size(), 256u);
  EXPECT_EQ(b.pixel(0, 0), clBlack);
  EXPECT_EQ(b.pixel(1, 0), clWhite);
}

TEST(Bitmap, TransparentColorDefaultsToBottomLeftPixel) {
  Bitmap b = gridBitmap({"..", "r."});
  EXPECT_EQ(b.transparentColor(), clRed);
  b.setTransparentColor(clBlue);
  EXPECT_EQ(b.transparentColor(), clBlue);
}

TEST(Bitmap, DirtyAreaCollectsWritesUntilTaken) {
  Bitmap b(10, 10);
  b.takeDirty();
  b.setPixel(2, 3, clBlack);
  b.setPixel(5, 1, clBlack);
  EXPECT_EQ(b.takeDirty(), (Rect{2, 1, 6, 4}));
  EXPECT_TRUE(b.dirty().isEmpty());
}
