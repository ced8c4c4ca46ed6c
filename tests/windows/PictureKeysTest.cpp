// Keys on the picture: Escape cancels a rubber-band drag and ends a paste,
// the arrow keys move a floating clip, Delete clears a captured box; what
// they change, Undo takes back.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>

#include "PasteSupport.h"
#include "support/PixelGrid.h"
#include "windows/CanvasMouse.h"

using namespace paste_test;
using testing_support::countColor;
using testing_support::Studio;

namespace {

// A key pressed while the picture has the focus.
void key(TPbook1& m, int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent e(QEvent::KeyPress, k, modifiers);
  QCoreApplication::sendEvent(m.ptbox1, &e);
}

void pick(const char* button) {
  app::windows().Form3->findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
}

TForm3& state() { return *app::windows().Form3; }

}  // namespace

TEST(PictureKeys, EscapeCancelsEveryRubberBandDragAndItsRelease) {
  struct Case {
    const char* button;
    int tool;
  } cases[] = {{"BitBtn2", 5},     // rectangle
               {"BitBtn11", 14},   // filled circle
               {"BitBtn7", 9},     // rounded rectangle
               {"BitBtn15", 11},   // line
               {"BitBtn20", 22}};  // capture box
  for (const Case& c : cases) {
    Studio studio;
    TPbook1& m = studio.main();
    setPicture(m, coordinatePicture(300, 200));
    pick(c.button);
    ASSERT_EQ(state().CurTool, c.tool) << c.button;
    const gdi::Bitmap before = m.picture();
    studio.clipboard().clear();

    press(m, 20, 30);
    moveTo(m, 90, 80);
    moveTo(m, 120, 100);
    ASSERT_FALSE(m.picture() == before) << c.button << ": no band shown";
    key(m, Qt::Key_Escape);
    EXPECT_TRUE(m.picture() == before) << c.button << ": the band stayed";
    // The mouse is still held: moves and the release do nothing.
    moveTo(m, 150, 120);
    release(m, 150, 120);
    EXPECT_TRUE(m.picture() == before) << c.button << ": a figure was drawn";
    EXPECT_TRUE(studio.clipboard().bitmap().empty()) << c.button << ": something was captured";
    EXPECT_FALSE(m.MouseIsDown);

    // The next drag works as ever.
    testing_support::drag(m.ptbox1, {40, 40}, {100, 90});
    if (c.tool == 22) {
      EXPECT_FALSE(studio.clipboard().bitmap().empty());
    } else {
      EXPECT_FALSE(m.picture() == before) << c.button;
    }
  }
}

TEST(PictureKeys, EscapeWithNothingToCancelIsNotTaken) {
  Studio studio;
  TPbook1& m = studio.main();
  pick("BitBtn2");
  // Not taken: the keys go on to the scroll box and the window.
  EXPECT_FALSE(m.ptbox1KeyDown(Qt::Key_Escape, Qt::NoModifier));
  EXPECT_FALSE(m.ptbox1KeyDown(Qt::Key_Left, Qt::NoModifier));
  EXPECT_FALSE(m.ptbox1KeyDown(Qt::Key_Delete, Qt::NoModifier));
}

TEST(PictureKeys, ArrowsMoveAFloatingClipByOneAndWithShiftByTen) {
  Studio studio;
  TPbook1& m = studio.main();
  const gdi::Bitmap backdrop = coordinatePicture(200, 150);
  setPicture(m, backdrop);
  paste(studio, solidClip(10, 10, gdi::clRed));
  const gdi::Point start = m.clipPlacement().pos;
  key(m, Qt::Key_Right);
  key(m, Qt::Key_Down, Qt::ShiftModifier);
  key(m, Qt::Key_Down);
  key(m, Qt::Key_Right, Qt::ShiftModifier);
  key(m, Qt::Key_Left);
  key(m, Qt::Key_Up);
  const gdi::Point at = m.clipPlacement().pos;
  EXPECT_EQ(at, (gdi::Point{start.x + 10, start.y + 10}));
  // The picture is the backdrop with the clip there, and nothing else.
  EXPECT_TRUE(m.picture() == withClips(backdrop, {10, 10}, gdi::clRed, {at}));
  // Undo takes the paste back, as after a move with the panel's buttons.
  key(m, Qt::Key_Escape);
  m.undoptb1->click();
  EXPECT_TRUE(m.picture() == backdrop);
}

TEST(PictureKeys, EscapeEndsAPasteAsAToolChoiceDoes) {
  Studio studio;
  TPbook1& m = studio.main();
  const gdi::Bitmap backdrop = coordinatePicture(200, 150);
  setPicture(m, backdrop);
  studio.clipboard().setBitmap(solidClip(20, 10, gdi::clRed));
  m.pastecap();  // a template: Escape abandons its capture
  const gdi::Point at = m.floatingClip.lastDrawn()->pos;
  press(m, at.x + 5, at.y + 5);  // shows the frame
  release(m, at.x + 5, at.y + 5);
  key(m, Qt::Key_Escape);
  EXPECT_FALSE(maskMode());
  EXPECT_TRUE(m.pastepanel1->isHidden());
  EXPECT_FALSE(m.TemplateCapture);
  EXPECT_EQ(m.clpmap1->pos(), QPoint(0, 0));
  const gdi::Bitmap expected = withClips(backdrop, {20, 10}, gdi::clRed, {at});
  EXPECT_TRUE(m.picture() == expected);
  EXPECT_EQ(studio.clipboard().bitmap(), solidClip(20, 10, gdi::clRed));  // nothing captured
  // The arrows no longer move anything.
  key(m, Qt::Key_Left);
  EXPECT_TRUE(m.picture() == expected);
}

TEST(PictureKeys, DeleteClearsTheCapturedBoxToTheBackgroundColourAndUndoBringsItBack) {
  Studio studio;
  TPbook1& m = studio.main();
  const gdi::Bitmap before = coordinatePicture(200, 150);
  setPicture(m, before);
  m.pbcapbxbut1->click();
  state().BackColor = gdi::clBlue;
  testing_support::drag(m.ptbox1, {30, 20}, {80, 60});
  const gdi::Bitmap clip = studio.clipboard().bitmap();
  ASSERT_FALSE(clip.empty());
  ASSERT_TRUE(m.picture() == before);

  key(m, Qt::Key_Delete);
  // As "Cut" leaves it: the box in the background colour.
  EXPECT_EQ(countColor(m.picture(), gdi::clBlue), 50 * 40);
  EXPECT_EQ(m.picture().pixel(30, 20), gdi::clBlue);
  EXPECT_EQ(m.picture().pixel(79, 59), gdi::clBlue);
  EXPECT_EQ(m.picture().pixel(80, 60), before.pixel(80, 60));
  EXPECT_EQ(studio.clipboard().bitmap(), clip);  // the clipboard is not touched
  // Once is enough: a second Delete has no box.
  EXPECT_FALSE(m.ptbox1KeyDown(Qt::Key_Delete, Qt::NoModifier));
  m.undoptb1->click();
  EXPECT_TRUE(m.picture() == before);

  // After another tool is chosen there is no captured box.
  testing_support::drag(m.ptbox1, {30, 20}, {80, 60});
  pick("BitBtn2");
  m.pbcapbxbut1->click();
  EXPECT_FALSE(m.ptbox1KeyDown(Qt::Key_Delete, Qt::NoModifier));
  EXPECT_TRUE(m.picture() == before);
}
