// How a paste ends: a tool choice leaves the clip where it is, a sized
// template captures what it showed, a 256-colour clip takes the picture's
// palette, and the frame that showed the clip never stays in the picture.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>

#include "PasteSupport.h"
#include "platform/ui/Services.h"
#include "support/ExternalTool.h"
#include "support/PixelGrid.h"

using namespace paste_test;
using testing_support::countColor;
using testing_support::Studio;

TEST(PasteEnd, ChoosingAToolLeavesTheClipAndSendsTheMouseToTheTool) {
  Studio studio;
  TPbook1& m = studio.main();
  const gdi::Bitmap before = coordinatePicture(200, 200);
  setPicture(m, before);
  paste(studio, solidClip(20, 20, gdi::clRed));
  m.LRedit1->clickDown();  // drawn at (11, 1)
  auto* pen = studio.find<QToolButton>("BitBtn2");
  ASSERT_NE(pen, nullptr);
  pen->click();
  QApplication::processEvents();
  EXPECT_FALSE(maskMode());
  EXPECT_FALSE(m.pastepanel1->isVisible());
  EXPECT_EQ(m.clpmap1->pos(), QPoint(0, 0));
  EXPECT_EQ(countColor(m.picture(), gdi::clRed), 400);
  EXPECT_EQ(m.picture().pixel(11, 1), gdi::clRed);
  // A press on the clip is now the tool's, not a drag.
  press(m, 20, 10);
  moveTo(m, 60, 10);
  release(m, 60, 10);
  EXPECT_FALSE(m.ClipDragging);
  EXPECT_EQ(m.picture().pixel(11, 1), gdi::clRed);
}

TEST(PasteEnd, ASizedTemplateCapturesTheAreaItShowed) {
  Studio studio;
  TPbook1& m = studio.main();
  const gdi::Bitmap picture = coordinatePicture(300, 300);
  setPicture(m, picture);
  studio.clipboard().setBitmap(solidClip(40, 40, gdi::clBlack));
  m.pastecap();
  m.SpeedButton5->click();  // drawn 50 x 50 at (1, 1)
  m.SpeedButton3->click();  // "OK"
  const gdi::Bitmap captured = studio.clipboard().bitmap();
  ASSERT_EQ(captured.width(), 50);
  ASSERT_EQ(captured.height(), 50);
  EXPECT_EQ(captured.pixel(0, 0), picture.pixel(1, 1));
  EXPECT_EQ(captured.pixel(49, 49), picture.pixel(50, 50));
  EXPECT_EQ(m.image2->bitmap(), picture);  // the template is gone from the backdrop
}

TEST(PasteEnd, AClipWithAnotherPaletteTakesThePicturesColours) {
  Studio studio;
  TPbook1& m = studio.main();
  gdi::Palette greys(256);
  for (int i = 0; i < 256; ++i) greys[i] = gdi::RGB(i, i, i);
  gdi::Bitmap picture(100, 100);
  picture.setPixelFormat(gdi::PixelFormat::Bits8);
  picture.setPalette(greys);
  setPicture(m, picture);

  gdi::Palette reds = greys;
  reds[1] = gdi::RGB(200, 10, 10);
  gdi::Bitmap clip(10, 10);
  clip.setPixelFormat(gdi::PixelFormat::Bits8);
  clip.setPalette(reds);
  clip.fill(gdi::RGB(200, 10, 10));
  paste(studio, clip);
  // The clip's red became the nearest grey of the picture's palette, in the
  // clip itself and not only where it was written into the picture.
  EXPECT_EQ(m.clpmap1->bitmap().palette(), greys);
  const gdi::TColor drawn = m.picture().pixel(5, 5);
  EXPECT_NE(drawn, gdi::RGB(200, 10, 10));
  EXPECT_EQ(gdi::GetRValue(drawn), gdi::GetGValue(drawn));
  EXPECT_EQ(gdi::GetGValue(drawn), gdi::GetBValue(drawn));
  EXPECT_NE(m.clpmap1->bitmap().pixel(5, 5), gdi::RGB(200, 10, 10));
}

TEST(PasteEnd, TheFrameThatShowsTheClipIsNoPartOfThePicture) {
  // However the paste ends, the picture is the backdrop with the clip drawn
  // where it was last shown: the dashed frame round it is gone.
  enum class End { Ok, OkAfterAPressOnTheClip, OkAfterADrag, ToolChoice, ClickOutside, DragTrail };
  for (End end : {End::Ok, End::OkAfterAPressOnTheClip, End::OkAfterADrag, End::ToolChoice,
                  End::ClickOutside, End::DragTrail}) {
    Studio studio;
    TPbook1& m = studio.main();
    const gdi::Bitmap backdrop = coordinatePicture(220, 160);
    setPicture(m, backdrop);
    const gdi::Size size{30, 20};
    paste(studio, solidClip(size.cx, size.cy, gdi::clRed));
    const gdi::Point first = m.floatingClip.lastDrawn()->pos;
    gdi::Bitmap expected = withClips(backdrop, size, gdi::clRed, {first});
    switch (end) {
      case End::Ok:
        m.SpeedButton3->click();
        break;
      case End::OkAfterAPressOnTheClip:
        press(m, first.x + 5, first.y + 5);
        release(m, first.x + 5, first.y + 5);
        m.SpeedButton3->click();
        break;
      case End::OkAfterADrag:
        press(m, first.x + 5, first.y + 5);
        moveTo(m, first.x + 45, first.y + 35);
        release(m, first.x + 45, first.y + 35);
        m.SpeedButton3->click();
        // Moved by (40, 30) from where the offset (1, 1) puts it.
        expected = withClips(backdrop, size, gdi::clRed, {{first.x + 41, first.y + 31}});
        break;
      case End::ToolChoice:
        app::windows().Form3->findChild<QToolButton*>("BitBtn2")->click();
        break;
      case End::ClickOutside:
        press(m, 150, 120);
        release(m, 150, 120);
        break;
      case End::DragTrail: {
        m.dragbox1->setChecked(true);
        m.LRedit1->clickDown();
        m.UDedit1->clickDown();
        m.SpeedButton3->click();
        const gdi::Point at = m.floatingClip.lastDrawn()->pos;
        expected = withClips(backdrop, size, gdi::clRed, {first, {at.x, at.y - 10}, at});
        break;
      }
    }
    EXPECT_TRUE(m.picture() == expected) << "end " << int(end);
    if (end != End::ClickOutside) {
      EXPECT_TRUE(m.pastepanel1->isHidden()) << int(end);
    }
  }
}

TEST(PasteEnd, AQuickSaveAfterAPasteHoldsNoFrame) {
  Studio studio;
  TPbook1& m = studio.main();
  const gdi::Bitmap backdrop = coordinatePicture(120, 90);
  setPicture(m, backdrop);
  paste(studio, solidClip(16, 12, gdi::clRed));
  const gdi::Point at = m.floatingClip.lastDrawn()->pos;
  press(m, at.x + 3, at.y + 3);
  release(m, at.x + 3, at.y + 3);
  m.SpeedButton3->click();

  // The save lands in the folder of the file last chosen in a dialog.
  const QString file = studio.tempPath("shot.bmp");
  studio.dialogs().answerOpen(file);
  ui::dialogs().openFile({});
  studio.dialogs().answerMessage("Saved as TEMP.bmp", ui::MsgResult::Ok);
  m.savebutClick();
  const gdi::Bitmap saved = testing_support::readWithImageMagick(studio.tempPath("TEMP.bmp"));
  EXPECT_TRUE(saved == withClips(backdrop, {16, 12}, gdi::clRed, {at}));
}

TEST(PasteEnd, ATemplateEndedByAToolChoiceLeavesTheNextPasteOrdinary) {
  Studio studio;
  TPbook1& m = studio.main();
  setPicture(m, coordinatePicture(200, 200));
  studio.clipboard().setBitmap(solidClip(40, 40, gdi::clBlack));
  m.pastecap();
  studio.find<QToolButton>("BitBtn2")->click();  // a tool ends the template paste
  QApplication::processEvents();
  // The next paste is an ordinary one: its OK sets the clip down and captures
  // nothing onto the clipboard.
  paste(studio, solidClip(20, 20, gdi::clRed));
  m.SpeedButton3->click();
  EXPECT_EQ(studio.clipboard().bitmap().width(), 20);
  EXPECT_EQ(countColor(m.picture(), gdi::clRed), 400);
}
