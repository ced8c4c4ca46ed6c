// The colour replacer square and the "Move Pixels" tools.
#include <gtest/gtest.h>

#include "support/PixelGrid.h"
#include "tools/engine/ColorReplacer.h"
#include "tools/engine/PictureCopy.h"
#include "tools/engine/PixelMover.h"

using namespace gdi;
using testing_support::Grid;
using testing_support::grid;
using testing_support::gridBitmap;

TEST(ColorReplacer, OnlyTheSquareRightAndBelowTheMouseIsTouched) {
  Bitmap b = gridBitmap({"rrrrr", "rrrrr", "rrrrr", "rrrrr", "rrrrr"});
  tools::replaceSquare(b, 1, 1, 2, clRed, clBlue);
  EXPECT_EQ(grid(b), (Grid{"rrrrr", "rrrrr", "rrbbr", "rrbbr", "rrrrr"}));
}

TEST(ColorReplacer, OnlyTheExactColourIsReplaced) {
  const TColor nearRed = RGB(254, 0, 0);
  Bitmap b(6, 6);
  b.fill(nearRed);
  b.setPixel(2, 2, clRed);
  b.takeDirty();
  tools::replaceSquare(b, 0, 0, 4, clRed, clLime);
  EXPECT_EQ(b.pixel(2, 2), clLime);
  EXPECT_EQ(testing_support::countColor(b, nearRed), 35);
  // Nothing of the colour in the square: nothing changes, nothing is dirty.
  b.takeDirty();
  tools::replaceSquare(b, 0, 0, 4, clBlue, clLime);
  EXPECT_TRUE(b.dirty().isEmpty());
}

TEST(ColorReplacer, TheSquareIsClippedToThePicture) {
  Bitmap b(4, 4);
  b.fill(clRed);
  EXPECT_EQ(tools::replaceSquare(b, 2, 2, 10, clRed, clBlue), (Rect{3, 3, 4, 4}));
  EXPECT_EQ(b.pixel(3, 3), clBlue);
  EXPECT_TRUE(tools::replaceSquare(b, -30, -30, 5, clRed, clBlue).isEmpty());
}

TEST(MovePixels, RightLeavesTheTrailingColumn) {
  Bitmap b = gridBitmap({"......", ".rgb..", ".ybk..", ".kgr..", "......"});
  Bitmap scratch(3, 3);
  tools::movePixels(b, scratch, 1, 1, 101, 3, 3);
  EXPECT_EQ(grid(b), (Grid{"......", ".rrgb.", ".yybk.", ".kkgr.", "......"}));
}

TEST(MovePixels, EveryDirectionShiftsTheBlockOneStep) {
  const Grid start{".......", ".......", "..rgb..", "..ybk..", "..kgr..", ".......", "......."};
  struct Way {
    int code, dx, dy;
  };
  for (const Way& w : {Way{101, 1, 0}, Way{102, -1, 0}, Way{103, 0, -1}, Way{104, 0, 1},
                       Way{105, -1, 1}, Way{106, 1, 1}, Way{107, -1, -1}, Way{108, 1, -1}}) {
    EXPECT_EQ(tools::moveDirection(w.code), (Point{w.dx, w.dy}));
    const Bitmap before = gridBitmap(start);
    Bitmap b = before;
    Bitmap scratch(3, 3);
    tools::movePixels(b, scratch, 2, 2, w.code, 3, 3);
    for (int y = 0; y < 7; ++y)
      for (int x = 0; x < 7; ++x) {
        const bool inMoved = x - w.dx >= 2 && x - w.dx < 5 && y - w.dy >= 2 && y - w.dy < 5;
        const TColor want = inMoved ? before.pixel(x - w.dx, y - w.dy) : before.pixel(x, y);
        EXPECT_EQ(b.pixel(x, y), want) << w.code << " at " << x << "," << y;
      }
  }
}

TEST(MovePixels, ABlockOverTheEdgeMovesOnlyItsPixelsInside) {
  Bitmap b = gridBitmap({"....", "..rg", "..yb"});
  // A stale scratch bitmap must not leak into the picture.
  Bitmap scratch(4, 4);
  scratch.fill(clSilver);
  tools::movePixels(b, scratch, 2, 1, 102, 4, 4);
  EXPECT_EQ(grid(b), (Grid{"....", ".rgg", ".ybb"}));
  // A scratch bitmap smaller than the block grows.
  Bitmap small(1, 1);
  tools::movePixels(b, small, 0, 0, 104, 4, 3);
  EXPECT_EQ(grid(b), (Grid{"....", "....", ".rgg"}));
}

TEST(PictureCopy, TakesPixelsAndKindWhateverTheCopyHeldBefore) {
  Bitmap picture = testing_support::noiseBitmap(8, 6, 1);
  Bitmap copy(8, 6);
  const std::uint32_t* buffer = copy.bits();
  tools::copyPicture(copy, picture);
  EXPECT_TRUE(copy == picture);
  EXPECT_EQ(copy.bits(), buffer);  // same size: the buffer is reused
  // Another size or a palette: a full copy.
  Bitmap small(2, 2);
  tools::copyPicture(small, picture);
  EXPECT_TRUE(small == picture);
  picture.setPixelFormat(PixelFormat::Bits8);
  tools::copyPicture(copy, picture);
  EXPECT_TRUE(copy.hasPalette());
  EXPECT_TRUE(copy == picture);
}
