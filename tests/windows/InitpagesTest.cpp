// Page set-up after the picture changes: window geometry and the companion
// copies.
#include <gtest/gtest.h>

#include <QFrame>
#include <QToolButton>
#include <new>

#include "app/FaultInjection.h"
#include "platform/ui/ImageControl.h"
#include "support/windows/StudioFixture.h"

using testing_support::Studio;

namespace {

void replacePicture(TPbook1& m, gdi::Bitmap b) {
  m.picture() = std::move(b);
  m.ptbox1->refresh();
}

}  // namespace

TEST(Initpages, TinyPictureGivesA300By380Window) {
  Studio studio;
  TPbook1& m = studio.main();
  replacePicture(m, gdi::Bitmap(10, 10));
  ASSERT_TRUE(m.initpages());
  EXPECT_EQ(m.width(), 300);
  EXPECT_EQ(m.height(), 380);
  EXPECT_EQ(m.ptbox1->geometry(), QRect(0, 0, 10, 10));
}

TEST(Initpages, PictureLargerThanTheScreenGivesAWindowJustInsideIt) {
  Studio studio;  // 1024 x 768
  TPbook1& m = studio.main();
  replacePicture(m, gdi::Bitmap(3000, 2000));
  ASSERT_TRUE(m.initpages());
  EXPECT_EQ(m.width(), 1024 - 20);
  EXPECT_EQ(m.height(), 768 - 80);
  EXPECT_EQ(m.image2->size(), QSize(3000, 2000));
}

TEST(Initpages, MidSizedPictureAddsTheSidePanelAndTheBars) {
  Studio studio;
  TPbook1& m = studio.main();
  replacePicture(m, gdi::Bitmap(500, 300));
  ASSERT_TRUE(m.initpages());
  EXPECT_EQ(m.width(), 500 + m.CoolBar1->width() + 40);
  EXPECT_EQ(m.height(), 300 + 140);
}

TEST(Initpages, UndoCopyAndZoomViewFollowTheNewPicture) {
  Studio studio;
  TPbook1& m = studio.main();
  gdi::Bitmap b(30, 20);
  b.setPixel(3, 4, 0x123456);
  replacePicture(m, b);
  ASSERT_TRUE(m.initpages());
  EXPECT_EQ(m.image2->bitmap(), b);
  EXPECT_EQ(m.clpmap1->bitmap(), b);
  EXPECT_EQ(m.zmbk->bitmap(), b);
  EXPECT_EQ(m.zm1->Bitmap(), b);
  EXPECT_EQ(m.zm1->size(), QSize(30, 20));
}

TEST(Initpages, PalettePictureHandsItsPaletteToTheCompanions) {
  Studio studio;
  TPbook1& m = studio.main();
  gdi::Bitmap b(8, 8);
  b.setPixelFormat(gdi::PixelFormat::Bits8);
  replacePicture(m, b);
  ASSERT_TRUE(m.initpages());
  EXPECT_EQ(m.image2->bitmap().palette(), b.palette());
  EXPECT_EQ(m.zmbk->bitmap().palette(), b.palette());
  EXPECT_EQ(m.clpmap1->bitmap().palette(), b.palette());
  EXPECT_EQ(m.zm1->Bitmap().palette(), b.palette());
}

TEST(Initpages, FailedCopySaysNotEnoughResourcesAndKeepsTheCompanions) {
  Studio studio;
  TPbook1& m = studio.main();
  const gdi::Bitmap before = m.image2->bitmap();
  replacePicture(m, gdi::Bitmap(50, 60));
  app::faults::beforeCompanionCopies() = [] { throw std::bad_alloc(); };
  studio.dialogs().answerMessage("Not enough Resources", ui::MsgResult::Ok);
  EXPECT_FALSE(m.initpages());
  ASSERT_EQ(studio.dialogs().messages().size(), 1u);
  EXPECT_EQ(studio.dialogs().messages()[0].caption, "Error");
  EXPECT_EQ(m.image2->bitmap(), before);
  EXPECT_EQ(m.zm1->Bitmap(), before);
}

TEST(Initpages, GdiResourceErrorIsReportedTheSameWay) {
  Studio studio;
  TPbook1& m = studio.main();
  app::faults::beforeCompanionCopies() = [] { throw gdi::ResourceError("out of GDI resources"); };
  studio.dialogs().answerMessage("Not enough Resources", ui::MsgResult::Ok);
  EXPECT_FALSE(m.initpages());
}
