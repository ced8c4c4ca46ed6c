// One undo copy and one redo copy, taken at the moments the program chooses.
#include <gtest/gtest.h>

#include "document/engine/UndoRedo.h"
#include "platform/gdi/Canvas.h"
#include "support/PixelGrid.h"

using namespace document;
using testing_support::Grid;
using testing_support::grid;
using testing_support::gridBitmap;

namespace {

struct Document {
  gdi::Bitmap picture = gridBitmap({"....", "....", "....", "...."});
  gdi::Bitmap undoCopy;
  gdi::Bitmap redoCopy;
  UndoButtons buttons{true, true};  // as the page set-up leaves them

  Document() { takeUndoCopy(picture, undoCopy); }
  void stroke(int y) { picture.setPixel(y, y, gdi::clBlack); }
  void undoClick() { undo(picture, undoCopy, redoCopy, buttons); }
  void redoClick() { redo(picture, redoCopy, buttons); }
};

const Grid kBlank{"....", "....", "....", "...."};
const Grid kThreeStrokes{"#...", ".#..", "..#.", "...."};

}  // namespace

TEST(UndoRedo, UndoTakesAllStrokesSinceTheToolWasPickedAndRedoBringsThemBackTwice) {
  Document d;
  d.stroke(0);
  d.stroke(1);
  d.stroke(2);
  d.undoClick();
  EXPECT_EQ(grid(d.picture), kBlank);
  EXPECT_TRUE(d.buttons.redo);

  d.redoClick();
  EXPECT_EQ(grid(d.picture), kThreeStrokes);
  EXPECT_FALSE(d.buttons.redo);
  EXPECT_TRUE(d.buttons.undo);

  // The redo copy is not used up: a second Redo gives the same picture.
  d.picture.setPixel(3, 3, gdi::clBlack);
  d.redoClick();
  EXPECT_EQ(grid(d.picture), kThreeStrokes);
  EXPECT_FALSE(d.buttons.redo);
}

TEST(UndoRedo, ASecondUndoStoresTheUndonePictureSoRedoGivesTheUndoneState) {
  Document d;
  d.stroke(0);
  d.undoClick();
  d.undoClick();
  EXPECT_EQ(grid(d.redoCopy), kBlank);
  d.redoClick();
  EXPECT_EQ(grid(d.picture), kBlank);
  // The undo copy itself never changes.
  EXPECT_EQ(grid(d.undoCopy), kBlank);
}

TEST(UndoRedo, UndoRightAfterLoadingChangesNothing) {
  Document d;
  d.picture = gridBitmap({"rg", "by"});
  takeUndoCopy(d.picture, d.undoCopy);  // the page set-up of the load
  d.undoClick();
  EXPECT_EQ(grid(d.picture), (Grid{"rg", "by"}));
  EXPECT_EQ(grid(d.redoCopy), (Grid{"rg", "by"}));
}

TEST(UndoRedo, RedoBeforeAnyUndoKeepsThePicture) {
  Document d;
  d.stroke(1);
  d.redoClick();
  EXPECT_EQ(grid(d.picture), (Grid{"....", ".#..", "....", "...."}));
  EXPECT_FALSE(d.buttons.redo);
}

TEST(UndoRedo, UndoRestoresSizeAndPaletteButKeepsThePicturesCanvas) {
  Document d;
  gdi::Palette palette = {0x000000, 0xFFFFFF, 0x0000FF};
  d.undoCopy = gdi::Bitmap(3, 2);
  d.undoCopy.setPalette(palette);
  d.picture.canvas().pen.color = 0x00FF00;
  d.picture.canvas().pen.width = 5;
  d.undoClick();
  EXPECT_EQ(d.picture.width(), 3);
  EXPECT_EQ(d.picture.height(), 2);
  EXPECT_TRUE(d.picture.hasPalette());
  EXPECT_EQ(d.picture.canvas().pen.color, 0x00FF00);
  EXPECT_EQ(d.picture.canvas().pen.width, 5);
  EXPECT_EQ(d.redoCopy.width(), 4);
}
