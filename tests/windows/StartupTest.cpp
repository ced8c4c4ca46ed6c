// Start-up: the windows, the main window's state and geometry, the status bar.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include "platform/ui/ImageControl.h"
#include "platform/ui/ShapeControl.h"
#include "support/windows/StudioFixture.h"
#include "tools/windows/TForm3.h"

using testing_support::onScreen;
using testing_support::Studio;
using testing_support::StudioOptions;

TEST(Startup, ShowsTheMainWindowAndThePaletteOnly) {
  Studio studio;
  const std::vector<QWidget*> all = app::windows().all();
  ASSERT_EQ(all.size(), 30u);
  for (QWidget* w : all) {
    const bool shouldShow = w == app::windows().Pbook1 || w == app::windows().Form3;
    EXPECT_EQ(w->isVisible(), shouldShow) << w->objectName().toStdString();
  }
}

TEST(Startup, StartsWithAWhite400By400PictureNamedTempBmpOnTheWelcomePage) {
  Studio studio;
  TPbook1& m = studio.main();
  EXPECT_EQ(m.windowTitle(), "TEMP.BMP");
  const gdi::Bitmap& pic = m.picture();
  ASSERT_EQ(pic.width(), 400);
  ASSERT_EQ(pic.height(), 400);
  EXPECT_EQ(pic.pixel(0, 0), gdi::clWhite);
  EXPECT_EQ(pic.pixel(399, 399), gdi::clWhite);
  EXPECT_EQ(m.ptbox1->geometry(), QRect(0, 0, 400, 400));
  EXPECT_EQ(m.PageControl1->currentWidget(), m.TabSheet6);
  EXPECT_TRUE(m.Panel6->isVisible());
  EXPECT_FALSE(m.getsbut1->isVisible());
  EXPECT_FALSE(m.isModified());
  EXPECT_TRUE(m.pagesReady());
  EXPECT_FALSE(m.chk1->isChecked());
  EXPECT_EQ(m.OutlineWidth, 1);
}

TEST(Startup, CompanionImagesStartAsCopiesOfThePicture) {
  Studio studio;
  TPbook1& m = studio.main();
  EXPECT_EQ(m.image2->bitmap(), m.picture());
  EXPECT_EQ(m.clpmap1->bitmap(), m.picture());
  EXPECT_EQ(m.zmbk->bitmap(), m.picture());
  EXPECT_EQ(m.zm1->Bitmap(), m.picture());
  EXPECT_EQ(m.image2->size(), QSize(400, 400));
  EXPECT_FALSE(m.zmbk->isVisibleTo(m.TabSheet2));
  EXPECT_TRUE(m.image2->isVisibleTo(m.TabSheet2));
  EXPECT_FALSE(m.mask1->isVisibleTo(m.TabSheet1));
  EXPECT_FALSE(m.clpmap1->isVisibleTo(m.TabSheet1));
  for (auto* s : {m.s1, m.s2, m.s3, m.s4}) {
    EXPECT_FALSE(s->isVisibleTo(m.TabSheet1));
    EXPECT_EQ(s->toolTip(), "Click move then click");
  }
}

TEST(Startup, ButtonsThatNeedAPictureAreEnabledAndPanelsHidden) {
  Studio studio;
  TPbook1& m = studio.main();
  for (const char* name : {"undoptb1", "redoptb1", "zmbuton", "pbrotbut1", "pblassoobut1",
                           "pbcapbxbut1", "pbpastebut1", "resizebut1", "pbpastetobut1"})
    EXPECT_TRUE(studio.find<QToolButton>(name)->isEnabled()) << name;
  EXPECT_TRUE(m.chk1->isEnabled());
  EXPECT_FALSE(m.zmpanel1->isVisible());
  EXPECT_FALSE(m.pastepanel1->isVisible());
  EXPECT_FALSE(m.bg1->isVisible());
  EXPECT_EQ(m.bg1->maximum(), 100);
  EXPECT_FALSE(m.Shape13->isVisible());
  EXPECT_FALSE(m.verticalScrollBarShown());
  EXPECT_TRUE(m.CoolBar2->isVisible());
  EXPECT_TRUE(m.Toolbar3->isChecked());
}

TEST(Startup, NormalScreenGeometry) {
  Studio studio(onScreen(1024, 768));
  TPbook1& m = studio.main();
  EXPECT_EQ(m.pos(), QPoint(10, 43));
  EXPECT_EQ(m.width(), 640);
  EXPECT_EQ(m.height(), 400 + 140);
}

TEST(Startup, ScreenUnder500HighGetsTheVerticalScrollBarAndTheStrip) {
  Studio studio(onScreen(800, 480));
  TPbook1& m = studio.main();
  EXPECT_TRUE(m.Shape13->isVisible());
  EXPECT_TRUE(m.verticalScrollBarShown());
  EXPECT_TRUE(m.VerticalScrollBArs1->isChecked());
  EXPECT_EQ(m.width(), 640);
  EXPECT_EQ(m.height(), 480 - 80);
}

TEST(Startup, ScreenOf500HighIsNormal) {
  Studio studio(onScreen(800, 500));
  EXPECT_FALSE(studio.main().Shape13->isVisible());
  EXPECT_FALSE(studio.main().verticalScrollBarShown());
}

TEST(Startup, NinePagesWithTheirCaptionsAndHints) {
  Studio studio;
  QTabWidget* tabs = studio.main().PageControl1;
  ASSERT_EQ(tabs->count(), 9);
  const char* captions[] = {"Main",           "View Undo", "View Zoom",
                            "Drag From Main", "Drag To",   "Getting Started"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(tabs->tabText(i), captions[i]);
  for (int i = 0; i < 9; ++i)
    EXPECT_EQ(tabs->widget(i)->objectName(), QStringLiteral("TabSheet%1").arg(i + 1));
  EXPECT_EQ(tabs->tabToolTip(1), "Read Only");
  EXPECT_EQ(tabs->tabToolTip(4), "Prepare to load into main");
}

TEST(Startup, MenusCarryTheUsualShortcuts) {
  Studio studio;
  TPbook1& m = studio.main();
  for (const char* name : {"File1", "Edit1", "Tools1", "Activity1", "Window1", "HElp1"})
    EXPECT_NE(studio.find<QMenu>(name), nullptr) << name;
  EXPECT_EQ(m.New1->shortcut(), QKeySequence(QKeySequence::New));
  EXPECT_EQ(m.Browser1->shortcut(), QKeySequence(QKeySequence::Open));
  EXPECT_EQ(m.SaveMenuItem->shortcut(), QKeySequence(QKeySequence::Save));
  EXPECT_EQ(m.UndoMenuItem->shortcut(), QKeySequence(QKeySequence::Undo));
  EXPECT_EQ(m.RedoMenuItem->shortcut(), QKeySequence(QStringLiteral("Ctrl+Y")));
  EXPECT_EQ(m.CopyImageMenuItem->shortcut(), QKeySequence(QKeySequence::Copy));
}

TEST(Startup, ToolBarHintsAreToolTips) {
  Studio studio;
  const std::pair<const char*, const char*> hints[] = {{"ToolButton14", "New Image"},
                                                       {"ToolButton11", "Load Image"},
                                                       {"ToolButton12", "Save"},
                                                       {"ToolButton13", "Save As"},
                                                       {"ToolButton1", "Paint Tools"},
                                                       {"pbrotbut1", "Rotate Image"},
                                                       {"pblassoobut1", "Outline Capture"},
                                                       {"pbcapbxbut1", "Capture Box"},
                                                       {"pbpastebut1", "Paste"},
                                                       {"ToolButton7", "Copy Entire Image"},
                                                       {"resizebut1", "Resize"},
                                                       {"pbpastrefrombut1", "Paste From File"},
                                                       {"pbpastetobut1", "Paste to File"},
                                                       {"ToolButton3", "Morf Paste Clip"},
                                                       {"ToolButton4", "Rotated and 3D text"},
                                                       {"ToolButton5", "Multiple Line Text"},
                                                       {"ToolButton15", "Animation Manager"},
                                                       {"ToolButton16", "Stationery Designer"},
                                                       {"ToolButton17", "Multimedia Player"},
                                                       {"undoptb1", "Undo"},
                                                       {"redoptb1", "Redo"},
                                                       {"zmbuton", "Zoom Image Larger"},
                                                       {"zmbutoff", "Normal Size"}};
  for (const auto& [name, hint] : hints) {
    auto* b = studio.find<QToolButton>(name);
    ASSERT_NE(b, nullptr) << name;
    EXPECT_EQ(b->toolTip(), hint) << name;
  }
}

TEST(Startup, PaletteIsShownWithTheMainWindow) {
  StudioOptions options;
  options.show = false;
  Studio studio(options);
  EXPECT_FALSE(app::windows().Form3->isVisible());
  studio.main().show();
  EXPECT_TRUE(app::windows().Form3->isVisible());
}

TEST(StatusBar, WindowResizeShowsTheWindowSizeAndStatusBarResizeThePictureSize) {
  Studio studio;
  TPbook1& m = studio.main();
  m.resize(700, 500);
  EXPECT_EQ(m.statusText(), "   700x500");
  m.StatusBar1Resize();
  EXPECT_EQ(m.statusText(), "Width:400 Height:400");
}
