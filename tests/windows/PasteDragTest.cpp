// The floating clip under the mouse: drags, drops, and colour replacement
// by the clipboard picture (tool 217).
#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>

#include "PasteSupport.h"
#include "support/PixelGrid.h"

using namespace paste_test;
using testing_support::countColor;
using testing_support::Studio;

TEST(PasteDrag, DraggingMovesTheClipAndPutsTheBackdropBack) {
  Studio studio;
  TPbook1& m = studio.main();
  const gdi::Bitmap before = coordinatePicture(400, 400);
  setPicture(m, before);
  paste(studio, solidClip(20, 20, gdi::clRed));
  m.paste1right->click();  // drawn at (2, 1)
  press(m, 10, 10);
  EXPECT_TRUE(m.ClipDragging);
  for (int i = 1; i <= 10; ++i) moveTo(m, 10 + 5 * i, 10 + 3 * i);
  release(m, 60, 40);
  EXPECT_FALSE(m.ClipDragging);
  EXPECT_TRUE(maskMode());
  EXPECT_EQ(m.clipPlacement().pos, (gdi::Point{52, 31}));
  EXPECT_EQ(m.coord1->text(), "60:40");
  EXPECT_TRUE(m.coord1->isVisible());
  gdi::Bitmap expected = before;
  for (int y = 31; y < 51; ++y)
    for (int x = 52; x < 72; ++x) expected.setPixel(x, y, gdi::clRed);
  EXPECT_EQ(m.picture(), expected);
}

TEST(PasteDrag, AMouseDragErasesTheTrailEvenWithDragTicked) {
  Studio studio;
  TPbook1& m = studio.main();
  paste(studio, solidClip(10, 10, gdi::clRed));
  m.dragbox1->setChecked(true);
  m.LRedit1->clickDown();
  m.LRedit1->clickDown();  // copies at 11 and 21
  press(m, 25, 5);
  moveTo(m, 25, 45);
  release(m, 25, 45);
  EXPECT_EQ(countColor(m.picture(), gdi::clRed), 100);
  EXPECT_EQ(m.picture().pixel(21, 41), gdi::clRed);
}

TEST(PasteDrag, APressOnTheBorderDropsTheClipAndTheButtonsTakeItUp) {
  Studio studio;
  TPbook1& m = studio.main();
  paste(studio, solidClip(20, 20, gdi::clRed));
  m.paste1right->click();  // the clip covers (2, 1) .. (21, 20)
  press(m, 2, 10);         // its left edge
  release(m, 2, 10);
  EXPECT_FALSE(maskMode());
  EXPECT_FALSE(m.ClipDragging);
  EXPECT_TRUE(m.pastepanel1->isVisible());
  EXPECT_EQ(m.picture().pixel(3, 3), gdi::clRed);  // dropped where it was
  m.paste1dn->click();
  EXPECT_TRUE(maskMode());
  EXPECT_EQ(m.picture().pixel(3, 1), gdi::clWhite);
  EXPECT_EQ(countColor(m.picture(), gdi::clRed), 400);
}

TEST(PasteDrag, AnAllWhiteClipIsInvisibleButCanBeDraggedByItsArea) {
  Studio studio;
  TPbook1& m = studio.main();
  const gdi::Bitmap before = coordinatePicture(400, 400);
  setPicture(m, before);
  paste(studio, solidClip(30, 30, gdi::clWhite));
  m.paste1right->click();
  EXPECT_EQ(m.picture(), before);
  press(m, 15, 15);
  EXPECT_TRUE(m.ClipDragging);
  moveTo(m, 115, 15);
  release(m, 115, 15);
  EXPECT_TRUE(maskMode());
  EXPECT_EQ(m.clipPlacement().pos, (gdi::Point{102, 1}));
  EXPECT_EQ(m.picture(), before);
}

TEST(PasteDrag, ASizedClipIsHitOverItsDrawnSize) {
  Studio studio;
  TPbook1& m = studio.main();
  paste(studio, solidClip(20, 20, gdi::clRed));
  m.SpeedButton5->click();
  m.SpeedButton5->click();  // drawn 30 x 30 at (1, 1)
  press(m, 28, 28);
  EXPECT_TRUE(m.ClipDragging);
  moveTo(m, 48, 28);
  release(m, 48, 28);
  EXPECT_EQ(countColor(m.picture(), gdi::clRed), 30 * 30);
  EXPECT_EQ(m.picture().pixel(21, 1), gdi::clRed);
}

TEST(PasteDrag, TheDragImageTakesWhatIsDroppedOnItAndCanBeDraggedAway) {
  Studio studio;
  TPbook1& m = studio.main();
  ASSERT_NE(m.dragimage1, nullptr);
  EXPECT_TRUE(m.dragimage1->dragSource());
  EXPECT_EQ(m.dragimage1->toolTip(), "Drag Image From Here to Animation Manager Save Drop Site");
  const gdi::Bitmap undo = coordinatePicture(30, 20);
  m.image2->setBitmap(undo);
  emit m.dragimage1->dropped(m.image2, 5, 5);
  EXPECT_EQ(m.dragimage1->bitmap(), undo);
  emit m.dragimage1->dropped(m.dragimage1, 5, 5);  // onto itself: nothing changes
  EXPECT_EQ(m.dragimage1->bitmap(), undo);
}

// On a big picture a drag must not copy the whole backdrop at every move:
// after the first move only the old and the new place of the clip are
// touched. A pixel changed far away from the clip shows which.
TEST(PasteDrag, AfterTheFirstMoveADragTouchesOnlyTheOldAndNewPlaces) {
  Studio studio;
  TPbook1& m = studio.main();
  const gdi::Bitmap before = coordinatePicture(1000, 1000);
  setPicture(m, before);
  paste(studio, solidClip(40, 40, gdi::clRed));
  press(m, 20, 20);
  moveTo(m, 30, 20);  // the first move puts the whole backdrop back
  m.picture().setPixel(900, 900, gdi::clBlue);
  moveTo(m, 230, 320);
  moveTo(m, 430, 520);
  release(m, 430, 520);
  EXPECT_EQ(m.picture().pixel(900, 900), gdi::clBlue);
  gdi::Bitmap expected = before;
  expected.setPixel(900, 900, gdi::clBlue);
  const gdi::Point at = m.clipPlacement().pos;
  EXPECT_EQ(at, (gdi::Point{411, 501}));
  for (int y = at.y; y < at.y + 40; ++y)
    for (int x = at.x; x < at.x + 40; ++x) expected.setPixel(x, y, gdi::clRed);
  EXPECT_EQ(m.picture(), expected);
}
