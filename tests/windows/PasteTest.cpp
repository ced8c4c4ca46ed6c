// Pasting a clip: the first draw, the panel's size and move buttons, "OK",
// the undo copy, scrolling and template capture.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolButton>

#include "PasteSupport.h"
#include "app/Tclpform1.h"
#include "platform/ui/SpinButton.h"
#include "support/PixelGrid.h"

using namespace paste_test;
using testing_support::countColor;
using testing_support::Studio;

TEST(Paste, TheClipFloatsOverTheBackdropWithItsWhiteTransparent) {
  Studio studio;
  TPbook1& m = studio.main();
  const gdi::Bitmap before = coordinatePicture(400, 400);
  setPicture(m, before);
  gdi::Bitmap clip = solidClip(30, 20, gdi::clRed);
  clip.setPixel(15, 10, gdi::clWhite);
  paste(studio, clip);

  EXPECT_TRUE(maskMode());
  EXPECT_TRUE(m.pastepanel1->isVisible());
  EXPECT_TRUE(m.isModified());
  EXPECT_EQ(m.image2->bitmap(), before);  // the backdrop
  // The first draw is at the anchor (the top left of the view), with the
  // not-copy frame round it; the offset is (1, 1).
  const gdi::Point a = m.PasteAnchor();
  EXPECT_EQ(a, (gdi::Point{0, 0}));
  EXPECT_EQ(m.clipOffset(), (gdi::Point{1, 1}));
  EXPECT_EQ(m.picture().pixel(5, 5), gdi::clRed);
  EXPECT_EQ(m.picture().pixel(15, 10), before.pixel(15, 10));       // transparent
  EXPECT_GT(countColor(m.picture(), gdi::clBlack), 2 * (30 + 20));  // the frame
  EXPECT_EQ(m.picture().pixel(60, 60), before.pixel(60, 60));
  EXPECT_EQ(m.mask1->bitmap().pixel(15, 10), gdi::clWhite);
  EXPECT_EQ(m.mask1->bitmap().pixel(0, 0), gdi::clBlack);
  EXPECT_EQ(m.maskback->bitmap(), m.mask1->bitmap());
}

TEST(Paste, AnEmptyClipboardShowsTheMessageAndStartsNoPaste) {
  Studio studio;
  TPbook1& m = studio.main();
  const gdi::Bitmap before = m.picture();
  studio.clipboard().clear();
  m.pbpastebut1->click();
  auto* message = studio.find<Tclpform1>("Tclpform1");
  EXPECT_TRUE(message->isVisible());
  EXPECT_EQ(message->Label1->text(), "Clipboard Not Available or Empty");
  EXPECT_FALSE(m.pastepanel1->isVisible());
  EXPECT_FALSE(maskMode());
  EXPECT_EQ(m.picture(), before);
}

TEST(Paste, OkLeavesTheClipAndTheUndoCopyTakesThePasteBack) {
  Studio studio;
  TPbook1& m = studio.main();
  const gdi::Bitmap before = coordinatePicture(400, 400);
  setPicture(m, before);
  paste(studio, solidClip(20, 20, gdi::clBlue));
  m.LRedit1->clickDown();   // 10 to the right
  m.SpeedButton3->click();  // "OK"
  EXPECT_FALSE(maskMode());
  EXPECT_FALSE(m.pastepanel1->isVisible());
  EXPECT_EQ(m.picture().pixel(12, 2), gdi::clBlue);
  EXPECT_EQ(m.picture().pixel(5, 5), before.pixel(5, 5));  // the first draw is gone
  EXPECT_EQ(m.image2->bitmap(), before);
  m.undoptb1->click();
  EXPECT_EQ(m.picture(), before);
}

TEST(Paste, MoveButtonsAndSpinStepsMoveTheClip) {
  Studio studio;
  TPbook1& m = studio.main();
  paste(studio, solidClip(10, 10, gdi::clRed));
  m.paste1right->click();
  m.paste1right->click();
  m.paste1dn->click();
  m.UDedit1->clickDown();
  m.LRedit1->clickDown();
  m.paste1left->click();
  m.paste1up->click();
  EXPECT_EQ(m.clipOffset(), (gdi::Point{1 + 2 + 10 - 1, 1 + 1 + 10 - 1}));
  EXPECT_EQ(m.mask1->pos(), m.clpmap1->pos());
  EXPECT_EQ(countColor(m.picture(), gdi::clRed), 100);  // one copy, at the offset
  EXPECT_EQ(m.picture().pixel(12, 11), gdi::clRed);
  EXPECT_EQ(m.picture().pixel(11, 11), gdi::clWhite);
}

TEST(Paste, DragBoxKeepsATrailOfCopiesWhileTheButtonsMoveTheClip) {
  Studio studio;
  TPbook1& m = studio.main();
  paste(studio, solidClip(10, 10, gdi::clRed));
  m.dragbox1->setChecked(true);
  for (int i = 0; i < 3; ++i) m.LRedit1->clickDown();
  // Three copies side by side stay, and the first draw at the anchor: its
  // frame went before the next copy was drawn.
  EXPECT_EQ(countColor(m.picture(), gdi::clRed), 4 * 100);
  m.dragbox1->setChecked(false);
  m.LRedit1->clickDown();
  EXPECT_EQ(countColor(m.picture(), gdi::clRed), 100);
}

TEST(Paste, HalfSizeTakesAQuarterOfTheClipPerPressDownToTenByTen) {
  Studio studio;
  TPbook1& m = studio.main();
  paste(studio, solidClip(40, 40, gdi::clRed));
  std::vector<int> drawn;
  for (int press = 0; press < 4; ++press) {
    m.SpeedButton4->click();
    EXPECT_TRUE(m.ClipSized);
    EXPECT_EQ(m.TargetWidth, m.TargetHeight);
    drawn.push_back(int(countColor(m.picture(), gdi::clRed)));
  }
  EXPECT_EQ(drawn, (std::vector<int>{30 * 30, 20 * 20, 10 * 10, 10 * 10}));
  m.SpeedButton5->click();  // "x2" adds a quarter again
  EXPECT_EQ(m.TargetWidth, 20);
  m.SpeedButton1->click();  // "Normal"
  EXPECT_FALSE(m.ClipSized);
  EXPECT_EQ(countColor(m.picture(), gdi::clRed), 40 * 40);
}

TEST(Paste, SizeSpinsChangeBothSidesOrOne) {
  Studio studio;
  TPbook1& m = studio.main();
  paste(studio, solidClip(20, 12, gdi::clRed));
  m.pastezoomedit1->clickUp();
  m.pwedit1->clickUp();
  m.pwedit1->clickUp();
  m.phedit1->clickDown();
  EXPECT_EQ(m.TargetWidth, 23);
  EXPECT_EQ(m.TargetHeight, 12);
  EXPECT_EQ(countColor(m.picture(), gdi::clRed), 23 * 12);
  for (int i = 0; i < 20; ++i) m.phedit1->clickDown();
  EXPECT_EQ(m.TargetHeight, 10);  // never below 10
}

TEST(Paste, ScrollingKeepsTheClipOverTheSamePicturePixels) {
  Studio studio;
  TPbook1& m = studio.main();
  setPicture(m, gdi::Bitmap(1500, 1500));
  paste(studio, solidClip(10, 10, gdi::clRed));
  m.paste1right->click();
  const gdi::Point at = m.clipPlacement().pos;
  m.PageControl1->setCurrentWidget(m.TabSheet1);
  QCoreApplication::processEvents();
  m.ScrollBox1->horizontalScrollBar()->setValue(300);
  m.ScrollBox1->verticalScrollBar()->setValue(200);
  ASSERT_EQ(m.PasteAnchor(), (gdi::Point{300, 200}));
  EXPECT_EQ(m.clipPlacement().pos, at);
  m.paste1right->click();
  EXPECT_EQ(m.clipPlacement().pos, (gdi::Point{at.x + 1, at.y}));
  EXPECT_EQ(m.picture().pixel(at.x + 1, at.y), gdi::clRed);
  EXPECT_EQ(countColor(m.picture(), gdi::clRed), 100);
  // A new paste starts at the top left of what is in view.
  paste(studio, solidClip(10, 10, gdi::clBlue));
  EXPECT_EQ(m.picture().pixel(305, 205), gdi::clBlue);
}

TEST(Paste, TemplateCaptureTakesThePictureUnderTheTemplate) {
  Studio studio;
  TPbook1& m = studio.main();
  const gdi::Bitmap picture = coordinatePicture(400, 400);
  setPicture(m, picture);
  gdi::Bitmap stencil(40, 30);
  for (int y = 10; y < 20; ++y)
    for (int x = 5; x < 25; ++x) stencil.setPixel(x, y, gdi::clBlack);
  studio.clipboard().setBitmap(stencil);
  m.pastecap();
  EXPECT_TRUE(m.TemplateCapture);
  m.LRedit1->clickDown();  // drawn at (11, 1)
  m.SpeedButton3->click();
  EXPECT_FALSE(m.TemplateCapture);

  const gdi::Bitmap captured = studio.clipboard().bitmap();
  ASSERT_EQ(captured.width(), 40);
  ASSERT_EQ(captured.height(), 30);
  EXPECT_EQ(captured.pixel(5, 10), picture.pixel(16, 11));
  EXPECT_EQ(captured.pixel(24, 19), picture.pixel(35, 20));
  EXPECT_EQ(captured.pixel(4, 10), gdi::clWhite);
  EXPECT_EQ(countColor(captured, gdi::clWhite), 40 * 30 - 20 * 10);
  // The captured area floats as a new paste over the picture as it was.
  EXPECT_TRUE(maskMode());
  EXPECT_TRUE(m.pastepanel1->isVisible());
  EXPECT_EQ(m.image2->bitmap(), picture);
  EXPECT_EQ(m.clpmap1->bitmap(), captured);
}

TEST(Paste, TheEffectButtonsAreOnThePanel) {
  Studio studio;
  for (const char* name : {"SpeedButton6", "SpeedButton7", "BitBtn19", "BitBtn14", "flpmirbut",
                           "SpeedButton18", "pasterotedit1", "dragbox1"})
    EXPECT_NE(studio.find(name), nullptr) << name;
  EXPECT_EQ(studio.find<QToolButton>("SpeedButton3")->toolTip(), "Done Pasteing");
  EXPECT_EQ(studio.find<QToolButton>("SpeedButton4")->text(), "1/2");
  EXPECT_EQ(studio.find<QCheckBox>("dragbox1")->toolTip(), "Don't erase Previous while dragging");
}
