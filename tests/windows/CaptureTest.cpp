// Capturing clips with the palette's capture tools, driven through the
// picture's mouse events.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QToolButton>
#include <cmath>

#include "app/Tclpform1.h"
#include "app/Toptions1.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/RadioGroup.h"
#include "support/PixelGrid.h"
#include "support/windows/StudioFixture.h"
#include "tools/windows/TForm3.h"
#include "windows/CanvasMouse.h"

using testing_support::Studio;

namespace {

// The picture set to deterministic noise (no white, no RGB(1, 1, 1)).
gdi::Bitmap& noisePicture(Studio& studio) {
  gdi::Bitmap pic = testing_support::noiseBitmap(400, 400, 11);
  for (int y = 0; y < 400; ++y)
    for (int x = 0; x < 400; ++x)
      if (pic.pixel(x, y) == gdi::clWhite || pic.pixel(x, y) == gdi::RGB(1, 1, 1))
        pic.setPixel(x, y, gdi::clRed);
  studio.main().ptbox1->setBitmap(pic);
  return studio.main().picture();
}

gdi::Bitmap& redPicture(Studio& studio) {
  gdi::Bitmap pic(400, 400);
  pic.fill(gdi::clRed);
  studio.main().ptbox1->setBitmap(pic);
  return studio.main().picture();
}

// A tool button of the palette (the main window has buttons of the same names).
void pick(const char* button) {
  app::windows().Form3->findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
}

TForm3& state() { return *app::windows().Form3; }

gdi::Bitmap region(const gdi::Bitmap& b, gdi::Rect r) {
  gdi::Bitmap out(r.width(), r.height());
  for (int y = 0; y < r.height(); ++y)
    for (int x = 0; x < r.width(); ++x) out.setPixel(x, y, b.pixel(r.left + x, r.top + y));
  return out;
}

// A lasso: a left click at each vertex but the last, a right click there.
void lasso(QWidget* ptbox1, std::initializer_list<QPoint> vertices) {
  const QPoint* last = vertices.end() - 1;
  for (const QPoint* p = vertices.begin(); p != last; ++p) testing_support::click(ptbox1, *p);
  testing_support::click(ptbox1, *last, Qt::RightButton);
}

}  // namespace

TEST(CaptureBox, DraggedEitherWayCapturesTheInsideOfTheBox) {
  Studio studio;
  TPbook1& main = studio.main();
  const gdi::Bitmap before = noisePicture(studio);
  pick("BitBtn20");  // "Rectangle Outline"
  ASSERT_EQ(state().CurTool, 22);

  testing_support::drag(main.ptbox1, {10, 12}, {50, 40});
  const gdi::Bitmap expected = region(before, {11, 13, 50, 40});
  EXPECT_TRUE(main.clpmap1->bitmap().samePixels(expected));
  EXPECT_EQ(main.CaptureOrigin, (gdi::Point{11, 13}));
  // The clip reaches the clipboard and the paste buttons.
  EXPECT_TRUE(studio.clipboard().bitmap().samePixels(expected));
  EXPECT_TRUE(main.pbpastebut1->isEnabled());
  EXPECT_TRUE(main.pbpastetobut1->isEnabled());
  // The rubber bands are gone from the picture; the tool stays.
  EXPECT_TRUE(main.picture().samePixels(before));
  EXPECT_EQ(state().CurTool, 22);
  EXPECT_EQ(main.PolyCount, 1);
  EXPECT_FALSE(main.StrokeOn);

  studio.clipboard().clear();
  testing_support::drag(main.ptbox1, {50, 40}, {10, 12});
  EXPECT_TRUE(main.clpmap1->bitmap().samePixels(expected));
  EXPECT_TRUE(studio.clipboard().bitmap().samePixels(expected));
  EXPECT_TRUE(main.picture().samePixels(before));
}

TEST(CaptureBox, ASingleClickCapturesTheTenByTenArea) {
  Studio studio;
  TPbook1& main = studio.main();
  const gdi::Bitmap before = noisePicture(studio);
  main.pbcapbxbut1->click();
  ASSERT_EQ(state().CurTool, 22);
  testing_support::click(main.ptbox1, {100, 200});
  EXPECT_TRUE(main.clpmap1->bitmap().samePixels(region(before, {101, 201, 110, 210})));
  EXPECT_EQ(main.CaptureOrigin, (gdi::Point{101, 201}));
  EXPECT_TRUE(main.picture().samePixels(before));
}

TEST(CaptureBox, ReleaseAwayFromTheLastMoveLeavesNoBand) {
  Studio studio;
  TPbook1& main = studio.main();
  const gdi::Bitmap before = noisePicture(studio);
  main.pbcapbxbut1->click();
  testing_support::press(main.ptbox1, {20, 20});
  testing_support::moveTo(main.ptbox1, {70, 60});
  testing_support::release(main.ptbox1, {50, 40});
  // The band shown at (70, 60) is gone; the clip is the released box.
  EXPECT_TRUE(main.picture().samePixels(before));
  EXPECT_TRUE(main.clpmap1->bitmap().samePixels(region(before, {21, 21, 50, 40})));
}

TEST(CaptureBox, CutWithASingleClickClearsTheAreaItCaptured) {
  Studio studio;
  TPbook1& main = studio.main();
  const gdi::Bitmap before = noisePicture(studio);
  pick("BitBtn21");  // "Cut"
  state().BackColor = gdi::clBlue;
  testing_support::click(main.ptbox1, {100, 200});
  EXPECT_TRUE(main.clpmap1->bitmap().samePixels(region(before, {101, 201, 110, 210})));
  EXPECT_EQ(testing_support::countColor(region(main.picture(), {100, 200, 110, 210}), gdi::clBlue),
            10 * 10);
  EXPECT_EQ(testing_support::countColor(main.picture(), gdi::clBlue), 10 * 10);
}

TEST(CaptureBox, CutLeavesTheAreaInTheBackgroundColour) {
  Studio studio;
  TPbook1& main = studio.main();
  const gdi::Bitmap before = noisePicture(studio);
  studio.clipboard().setBitmap(gdi::Bitmap(5, 5));
  pick("BitBtn21");  // "Cut"
  ASSERT_EQ(state().CurTool, 23);
  state().BackColor = gdi::clBlue;
  testing_support::drag(main.ptbox1, {30, 30}, {60, 50});
  EXPECT_TRUE(studio.clipboard().bitmap().samePixels(region(before, {31, 31, 60, 50})));
  EXPECT_EQ(testing_support::countColor(region(main.picture(), {30, 30, 60, 50}), gdi::clBlue),
            30 * 20);
  EXPECT_EQ(main.picture().pixel(60, 50), before.pixel(60, 50));
  EXPECT_EQ(main.picture().pixel(29, 30), before.pixel(29, 30));
}

TEST(CaptureBox, CutClearsNothingWhenTheClipCannotReachTheClipboard) {
  Studio studio;
  TPbook1& main = studio.main();
  const gdi::Bitmap before = noisePicture(studio);
  pick("BitBtn21");  // "Cut"
  state().BackColor = gdi::clBlue;
  studio.clipboard().setAvailable(false);
  testing_support::drag(main.ptbox1, {30, 30}, {60, 50});
  // The cut content is still in the picture, and the user is told.
  EXPECT_TRUE(main.picture().samePixels(before));
  EXPECT_TRUE(app::windows().clpform1->isVisible());
  // Once the clipboard takes the clip, the same cut clears the area.
  studio.clipboard().setAvailable(true);
  testing_support::drag(main.ptbox1, {30, 30}, {60, 50});
  EXPECT_TRUE(studio.clipboard().bitmap().samePixels(region(before, {31, 31, 60, 50})));
  EXPECT_EQ(testing_support::countColor(main.picture(), gdi::clBlue), 30 * 20);
}

TEST(CaptureTools, ChoosingCutOrTheColourReplacerPolygonLeavesTheClipboardAlone) {
  Studio studio;
  TPbook1& main = studio.main();
  const gdi::Bitmap before = noisePicture(studio);
  gdi::Bitmap theirs(16, 12);
  theirs.fill(gdi::clLime);
  studio.clipboard().setBitmap(theirs);
  pick("BitBtn21");  // "Cut"
  EXPECT_TRUE(studio.clipboard().bitmap().samePixels(theirs));
  pick("BitBtn31");  // "Color Replacer Polygon"
  EXPECT_TRUE(studio.clipboard().bitmap().samePixels(theirs));
  // Its replacement captures nothing, so the clipboard keeps its content.
  state().ForeColor = before.pixel(100, 100);
  state().BackColor = gdi::clLime;
  lasso(main.ptbox1, {{100, 20}, {180, 100}, {100, 180}, {20, 100}});
  EXPECT_TRUE(studio.clipboard().bitmap().samePixels(theirs));
  // A cut replaces it.
  pick("BitBtn21");
  testing_support::drag(main.ptbox1, {200, 200}, {240, 230});
  EXPECT_TRUE(studio.clipboard().bitmap().samePixels(region(before, {201, 201, 240, 230})));
}

TEST(CaptureBox, NoClipboardShowsTheMessageAndKeepsTheClip) {
  Studio studio;
  TPbook1& main = studio.main();
  const gdi::Bitmap before = noisePicture(studio);
  main.pbpastebut1->setEnabled(false);
  studio.clipboard().setAvailable(false);
  main.pbcapbxbut1->click();
  testing_support::drag(main.ptbox1, {10, 10}, {30, 30});
  EXPECT_TRUE(main.clpmap1->bitmap().samePixels(region(before, {11, 11, 30, 30})));
  auto* message = app::windows().clpform1;
  EXPECT_TRUE(message->isVisible());
  EXPECT_EQ(message->Label1->text(), "Clipboard Not Available or Empty");
  EXPECT_FALSE(main.pbpastebut1->isEnabled());
}

TEST(OutlineCapture, LassoMasksTheOutsideAndLeavesThePictureAsItWas) {
  Studio studio;
  TPbook1& main = studio.main();
  const gdi::Bitmap before = redPicture(studio);
  pick("BitBtn19");  // "Lasso Outline"
  ASSERT_EQ(state().CurTool, 21);
  lasso(main.ptbox1, {{100, 20}, {180, 100}, {100, 180}, {20, 100}});

  const gdi::Bitmap& clip = main.clpmap1->bitmap();
  ASSERT_EQ(clip.width(), 160);
  ASSERT_EQ(clip.height(), 160);
  EXPECT_EQ(main.CaptureOrigin, (gdi::Point{21, 21}));
  EXPECT_EQ(clip.pixel(80, 80), gdi::clRed);
  EXPECT_EQ(clip.pixel(5, 5), gdi::clWhite);
  EXPECT_EQ(clip.pixel(150, 150), gdi::clWhite);
  EXPECT_EQ(clip.pixel(80, 0), gdi::clWhite);  // the outline itself
  EXPECT_TRUE(studio.clipboard().bitmap().samePixels(clip));
  // The not-xor outline drawn while clicking is taken off again.
  EXPECT_TRUE(main.picture().samePixels(before));
  EXPECT_EQ(main.PolyCount, 1);
  EXPECT_FALSE(main.PolyActive);
}

TEST(OutlineCapture, OutlineShowsWhileCollectedAndCountsItsVertices) {
  Studio studio;
  TPbook1& main = studio.main();
  const gdi::Bitmap before = redPicture(studio);
  main.pblassoobut1->click();
  testing_support::click(main.ptbox1, {50, 50});
  EXPECT_EQ(main.PolyCount, 3);  // press and release both at (50, 50)
  testing_support::click(main.ptbox1, {120, 60});
  EXPECT_EQ(main.PolyCount, 4);
  EXPECT_FALSE(main.picture().samePixels(before));  // the edge so far
  EXPECT_EQ(main.PolyPoints[3], (gdi::Point{120, 60}));
}

TEST(OutlineCapture, ChoosingAnotherToolTakesAnOpenOutlineOff) {
  Studio studio;
  TPbook1& main = studio.main();
  const gdi::Bitmap before = redPicture(studio);
  main.pblassoobut1->click();
  testing_support::click(main.ptbox1, {50, 50});
  testing_support::click(main.ptbox1, {120, 60});
  testing_support::click(main.ptbox1, {90, 140});
  ASSERT_FALSE(main.picture().samePixels(before));
  pick("BitBtn2");  // "Rectangle"
  EXPECT_TRUE(main.picture().samePixels(before));
  // The undo copy taken by the choice is clean too.
  EXPECT_TRUE(main.image2->bitmap().samePixels(before));
}

TEST(OutlineCapture, AFullVertexListStillTakesItsOutlineOff) {
  Studio studio;
  TPbook1& main = studio.main();
  const gdi::Bitmap before = redPicture(studio);
  pick("BitBtn19");  // "Lasso Outline"
  // 510 vertices on a ring: past 499 the last vertex keeps moving.
  for (int i = 0; i < 510; ++i) {
    const int x = 200 + int(150 * std::cos(i * 0.0123));
    const int y = 200 + int(150 * std::sin(i * 0.0123));
    testing_support::click(main.ptbox1, {x, y});
    ASSERT_LE(main.PolyCount, 500);
  }
  EXPECT_EQ(main.PolyCount, 500);
  testing_support::click(main.ptbox1, {60, 300}, Qt::RightButton);
  EXPECT_TRUE(main.picture().samePixels(before));
  EXPECT_EQ(main.PolyCount, 1);
  EXPECT_TRUE(studio.clipboard().hasBitmap());
}

TEST(OutlineCapture, OnePixelWideOutlineCapturesNothing) {
  Studio studio;
  TPbook1& main = studio.main();
  redPicture(studio);
  const gdi::Bitmap clipBefore = main.clpmap1->bitmap();
  main.pblassoobut1->click();
  lasso(main.ptbox1, {{60, 20}, {60, 90}});
  EXPECT_TRUE(main.clpmap1->bitmap().samePixels(clipBefore));
  EXPECT_FALSE(studio.clipboard().hasBitmap());
  EXPECT_EQ(main.PolyCount, 1);
}

TEST(ColorReplacerPolygon, ReplacesTheForegroundColourInsideTheOutlineOnly) {
  Studio studio;
  TPbook1& main = studio.main();
  gdi::Bitmap pic(400, 400);
  pic.fill(gdi::clRed);
  pic.setPixel(100, 100, gdi::clWhite);
  main.ptbox1->setBitmap(pic);
  pick("BitBtn31");  // "Color Replacer Polygon"
  ASSERT_EQ(state().CurTool, 19);
  state().ForeColor = gdi::clRed;
  state().BackColor = gdi::clLime;
  lasso(main.ptbox1, {{100, 20}, {180, 100}, {100, 180}, {20, 100}});

  const gdi::Bitmap& after = main.picture();
  EXPECT_EQ(after.pixel(100, 90), gdi::clLime);
  EXPECT_EQ(after.pixel(100, 100), gdi::clWhite);
  EXPECT_EQ(after.pixel(25, 25), gdi::clRed);
  EXPECT_EQ(after.pixel(175, 175), gdi::clRed);
  EXPECT_EQ(after.pixel(300, 300), gdi::clRed);
  EXPECT_EQ(after.pixel(100, 20), gdi::clRed);  // the outline
  // A colour replacement is no capture: nothing reaches the clipboard.
  EXPECT_FALSE(studio.clipboard().hasBitmap());
}

TEST(ColorReplacerPolygon, WhiteIsRefused) {
  Studio studio;
  TPbook1& main = studio.main();
  const gdi::Bitmap before = redPicture(studio);
  pick("BitBtn31");
  state().ForeColor = gdi::clWhite;
  studio.dialogs().answerMessage("Cannot replace with white using this tool.", ui::MsgResult::Ok);
  lasso(main.ptbox1, {{100, 20}, {180, 100}, {100, 180}, {20, 100}});
  ASSERT_EQ(studio.dialogs().messages().size(), 1u);
  EXPECT_EQ(studio.dialogs().messages()[0].caption, "error");
  EXPECT_TRUE(main.picture().samePixels(before));
}

TEST(CircleCapture, AtThePictureEdgeTheClipIsClamped) {
  Studio studio;
  TPbook1& main = studio.main();
  const gdi::Bitmap before = redPicture(studio);
  pick("BitBtn28");  // "Capture Circular Area"
  ASSERT_EQ(state().CurTool, 24);
  testing_support::drag(main.ptbox1, {20, 35}, {-10, 5});
  const gdi::Bitmap& clip = main.clpmap1->bitmap();
  EXPECT_EQ(clip.width(), 22);
  EXPECT_EQ(clip.height(), 34);
  EXPECT_EQ(main.CaptureOrigin, (gdi::Point{1, 4}));
  EXPECT_EQ(clip.pixel(1, 17), gdi::clRed);
  EXPECT_EQ(clip.pixel(20, 1), gdi::clWhite);
  EXPECT_TRUE(studio.clipboard().bitmap().samePixels(clip));
  EXPECT_TRUE(main.picture().samePixels(before));
}

TEST(SpecialCapture, HandsTheClipToTheOptionsThenPastesTheNextShape) {
  Studio studio;
  TPbook1& main = studio.main();
  noisePicture(studio);
  pick("BitBtn25");  // "Special Rectangle "
  ASSERT_EQ(state().CurTool, 229);
  app::windows().options1->RadioGroup1->setItemIndex(3);
  testing_support::drag(main.ptbox1, {10, 10}, {40, 30});
  EXPECT_TRUE(main.MorphPending);
  EXPECT_TRUE(main.morfimage1->bitmap().samePixels(main.clpmap1->bitmap()));
  EXPECT_TRUE(main.Panel3->isVisible());
  EXPECT_TRUE(app::windows().options1->isVisible());
  EXPECT_TRUE(app::windows().options1->Panel5->isVisible());

  // With the morph pending, the next special capture is pasted at once.
  testing_support::drag(main.ptbox1, {100, 100}, {150, 160});
  EXPECT_FALSE(main.MorphPending);
  EXPECT_TRUE(main.pastepanel1->isVisible());
  EXPECT_EQ(state().CurTool, 0);
}

TEST(SpecialCapture, OutlineAndCircleHandOverAsTheRectangleDoes) {
  Studio studio;
  TPbook1& main = studio.main();
  redPicture(studio);
  auto* options = app::windows().options1;
  options->RadioGroup1->setItemIndex(0);
  pick("BitBtn8");  // "Special Outline an Area"
  ASSERT_EQ(state().CurTool, 109);
  lasso(main.ptbox1, {{100, 20}, {180, 100}, {100, 180}, {20, 100}});
  EXPECT_TRUE(main.MorphPending);
  EXPECT_TRUE(main.morfimage1->bitmap().samePixels(main.clpmap1->bitmap()));
  EXPECT_TRUE(options->isVisible());
  EXPECT_FALSE(options->Panel5->isVisible());  // choices below 2 have no steps

  pick("BitBtn34");  // "Special Outline Circlular Area"
  ASSERT_EQ(state().CurTool, 25);
  testing_support::drag(main.ptbox1, {200, 200}, {260, 240});
  EXPECT_FALSE(main.MorphPending);
  EXPECT_TRUE(main.pastepanel1->isVisible());
  EXPECT_EQ(state().CurTool, 0);
  EXPECT_EQ(main.PageControl1->currentWidget(), main.TabSheet1);
}

TEST(CopyEntireImage, PutsThePictureOnTheClipboard) {
  Studio studio;
  TPbook1& main = studio.main();
  const gdi::Bitmap before = noisePicture(studio);
  main.ToolButton7->click();
  EXPECT_TRUE(studio.clipboard().bitmap().samePixels(before));
}

TEST(CopyEntireImage, UnavailableClipboardSaysSo) {
  Studio studio;
  studio.clipboard().setAvailable(false);
  studio.dialogs().answerMessage("Clipboard Unavailable.", ui::MsgResult::Ok);
  studio.main().ToolButton7->click();
  ASSERT_EQ(studio.dialogs().messages().size(), 1u);
  EXPECT_EQ(studio.dialogs().messages()[0].caption, "Clipboard Error");
  EXPECT_FALSE(studio.clipboard().hasBitmap());
}

TEST(CutEntireImage, CopiesThePictureThenClearsItToTheFillColour) {
  Studio studio;
  TPbook1& main = studio.main();
  const gdi::Bitmap before = noisePicture(studio);
  state().BackColor = gdi::clYellow;
  main.Cut1->trigger();
  EXPECT_TRUE(studio.clipboard().bitmap().samePixels(before));
  EXPECT_EQ(testing_support::countColor(main.picture(), gdi::clYellow), 400 * 400);
}

TEST(CutEntireImage, AnUnavailableClipboardLeavesThePictureAsItWas) {
  Studio studio;
  TPbook1& main = studio.main();
  const gdi::Bitmap before = noisePicture(studio);
  state().BackColor = gdi::clYellow;
  studio.clipboard().setAvailable(false);
  studio.dialogs().answerMessage("Clipboard Unavailable.", ui::MsgResult::Ok);
  main.Cut1->trigger();
  ASSERT_EQ(studio.dialogs().messages().size(), 1u);
  EXPECT_TRUE(main.picture().samePixels(before));
}

TEST(CaptureBox, FromAnEmptyClipboardTheClipEndsThereAndInClpmap1) {
  Studio studio;
  TPbook1& main = studio.main();
  const gdi::Bitmap before = noisePicture(studio);
  studio.clipboard().clear();
  const int writes = studio.clipboard().writes();
  main.pbcapbxbut1->click();
  testing_support::drag(main.ptbox1, {200, 150}, {260, 190});
  const gdi::Bitmap expected = region(before, {201, 151, 260, 190});
  // The format is claimed first, then the clip itself is written once.
  EXPECT_FALSE(studio.clipboard().claimed());
  EXPECT_EQ(studio.clipboard().writes(), writes + 1);
  EXPECT_TRUE(studio.clipboard().bitmap().samePixels(expected));
  EXPECT_TRUE(main.clpmap1->bitmap().samePixels(expected));
  EXPECT_FALSE(main.clpmap1->isVisible());
}
