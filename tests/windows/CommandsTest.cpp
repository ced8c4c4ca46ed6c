// Commands that open windows, and the clipboard message window.
#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>

#include "app/Tclpform1.h"
#include "clips/windows/TRotateform.h"
#include "support/windows/StudioFixture.h"
#include "tools/windows/TForm3.h"

using testing_support::Studio;

TEST(Commands, ButtonsAndMenuItemsShowTheirWindows) {
  const std::pair<const char*, const char*> shows[] = {
      {"ToolButton4", "TTextMakerForm"}, {"ToolButton5", "TTextmemoform"},
      {"ToolButton15", "TAnimCap1"},     {"ToolButton16", "Tstation1"},
      {"ToolButton17", "Tmediaform1"},   {"ToolButton6", "TPrinfrm"}};
  for (const auto& [button, window] : shows) {
    Studio studio;
    studio.find<QToolButton>(button)->click();
    EXPECT_TRUE(studio.find(window)->isVisible()) << button;
  }
  const std::pair<const char*, const char*> menu[] = {
      {"FancyText1", "TTextMakerForm"},   {"Text1", "TTextmemoform"},
      {"AnimationManager1", "TAnimCap1"}, {"MultimediaPlayer1", "Tmediaform1"},
      {"JpegSaveOptions1", "Tjpop1"},     {"PrintOptions1", "TPrinfrm"},
      {"Movies1", "Tactivityfrm"}};
  for (const auto& [item, window] : menu) {
    Studio studio;
    studio.find<QAction>(item)->trigger();
    EXPECT_TRUE(studio.find(window)->isVisible()) << item;
  }
  const std::pair<const char*, const char*> pages[] = {{"BitBtn1", "Tmovwizfrm1"},
                                                       {"BitBtn2", "Tanwizfrm1"}};
  for (const auto& [button, window] : pages) {
    Studio studio;
    studio.find<QPushButton>(button)->click();
    EXPECT_TRUE(studio.find(window)->isVisible()) << button;
  }
}

TEST(Commands, PaintToolsShowsThePalette) {
  Studio studio;
  app::windows().Form3->hide();
  studio.main().ToolButton1->click();
  EXPECT_TRUE(app::windows().Form3->isVisible());
}

TEST(Commands, MultimediaPlayerOpens100PixelsBelowTheMainWindowsTop) {
  Studio studio;
  studio.main().move(10, 60);
  studio.main().ToolButton17->click();
  EXPECT_EQ(studio.find("Tmediaform1")->y(), 160);
}

TEST(Commands, RotateIsModalAtTheTopOfThePictureAndTheLeftOfItsButton) {
  Studio studio;
  TPbook1& m = studio.main();
  QPoint placed;
  studio.dialogs().answerForm("TRotateform", [&](QDialog& form) {
    placed = form.pos();
    return int(QDialog::Rejected);
  });
  m.pbrotbut1->click();
  EXPECT_EQ(placed.x(), m.pbrotbut1->mapToGlobal(QPoint(0, 0)).x());
  EXPECT_EQ(placed.y(), m.ScrollBox1->mapToGlobal(QPoint(0, 0)).y());
  studio.dialogs().answerForm("TRotateform", [](QDialog&) { return int(QDialog::Rejected); });
  m.Rotate1->trigger();
}

TEST(Commands, ResizeRunsItsDialogModally) {
  Studio studio;
  studio.dialogs().answerForm("TResizeForm", [](QDialog&) { return int(QDialog::Rejected); });
  studio.main().resizebut1->click();
  EXPECT_EQ(studio.dialogs().questions().size(), 1u);
}

TEST(Commands, AboutIsAFreshModalBox) {
  Studio studio;
  QDialog* seen = nullptr;
  studio.dialogs().answerForm("Taboutfrm1", [&](QDialog& form) {
    seen = &form;
    return int(QDialog::Accepted);
  });
  studio.main().About1->trigger();
  EXPECT_NE(seen, nullptr);
  EXPECT_NE(static_cast<QWidget*>(seen), app::windows().all()[14]);
}

TEST(Commands, PagesOfTheImageMapAndTheAnimationActivity) {
  Studio studio;
  TPbook1& m = studio.main();
  m.ImageMap1->trigger();
  EXPECT_EQ(m.PageControl1->currentWidget(), m.TabSheet4);
  m.Animation1->trigger();
  EXPECT_EQ(m.PageControl1->currentWidget(), m.TabSheet7);
  EXPECT_TRUE(studio.find("Tactivityfrm")->isVisible());
}

TEST(Commands, MorfPasteClearsTheSizeDeltas) {
  Studio studio;
  TPbook1& m = studio.main();
  m.SizeDelta = m.WidthDelta = m.HeightDelta = 7;
  m.ToolButton3->click();
  EXPECT_EQ(m.SizeDelta, 0);
  EXPECT_EQ(m.WidthDelta, 0);
  EXPECT_EQ(m.HeightDelta, 0);
}

TEST(Commands, CaptureButtonsResetTheOutline) {
  Studio studio;
  TPbook1& m = studio.main();
  m.FirstRubber = false;
  m.PolyCount = 9;
  m.PolyActive = true;
  m.pbcapbxbut1->click();
  EXPECT_TRUE(m.FirstRubber);
  EXPECT_EQ(m.PolyCount, 1);
  EXPECT_FALSE(m.PolyActive);
}

TEST(ClipboardMessage, ShowsTheTextWithoutBlockingAndStaysOnTop) {
  Studio studio;
  app::showClipboardMessage();
  Tclpform1* form = app::windows().clpform1;
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(form->isModal());
  EXPECT_EQ(form->Label1->text(), "Clipboard Not Available or Empty");
  EXPECT_EQ(form->windowTitle(), "Message");
  EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  form->BitBtn1->click();
  EXPECT_FALSE(form->isVisible());
}

TEST(ClipboardMessage, TryAndFreeItEmptiesTheClipboard) {
  Studio studio;
  studio.clipboard().setBitmap(gdi::Bitmap(4, 4));
  ASSERT_TRUE(studio.clipboard().hasBitmap());
  Tclpform1* form = app::windows().clpform1;
  EXPECT_EQ(form->BitBtn2->text(), "Try and Free it");
  EXPECT_EQ(form->Label1->text(), "Clipboard in use or Clipboard Format Not availilable");
  form->BitBtn2->click();
  EXPECT_FALSE(studio.clipboard().hasBitmap());
}
