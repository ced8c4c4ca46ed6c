// The resize dialog and the main window's resize: presets, doubling and
// halving, the JPEG halving path and the stretch, Cancel, JPEG quality.
#include <gtest/gtest.h>

#include <QAbstractSlider>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QToolButton>

#include "document/windows/TResizeForm.h"
#include "document/windows/Tjpop1.h"
#include "document/windows/Tpicform1.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/SpinEdit.h"
#include "support/windows/StudioFixture.h"
#include "windows/PictureForms.h"

using testing_support::Studio;
using testing_support::StudioOptions;

namespace {

constexpr gdi::TColor kRed = 0x0000FF;
constexpr gdi::TColor kBlue = 0xFF0000;

// A studio whose program folder is a fresh folder, so the scratch JPEG file
// of the resize lands where the test can look for it.
class ResizeDialog : public ::testing::Test {
 protected:
  ResizeDialog() : studio_(StudioOptions{.programFolder = folder_.path()}) {}

  TPbook1& main() { return studio_.main(); }
  TResizeForm& form() { return *app::windows().ResizeForm; }
  QString scratchFile() const { return QDir(folder_.path()).filePath("Bin/$TE$MP$.JPG"); }

  void setPicture(gdi::Bitmap b) {
    main().picture() = std::move(b);
    main().ptbox1->refresh();
    ASSERT_TRUE(main().initpages());
  }

  // Left half red, right half blue.
  static gdi::Bitmap halves(int w, int h) {
    gdi::Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) b.setPixel(x, y, x < w / 2 ? kRed : kBlue);
    return b;
  }

  // Answers the dialog with a size and a method, then OK.
  void resizeTo(int w, int h, int method = 0) {
    testing_support::answerResize(studio_.dialogs(), w, h, method);
    main().resizebut1->click();
  }

  // The JPEG options' quality track bar (made here while that window has none).
  QAbstractSlider* qualityBar() {
    Tjpop1* options = app::windows().jpop1;
    auto* bar = options->findChild<QAbstractSlider*>("TrackBar1");
    if (!bar) {
      bar = new QSlider(options);
      bar->setObjectName("TrackBar1");
      bar->setRange(10, 100);
    }
    return bar;
  }

  QTemporaryDir folder_;
  Studio studio_;
};

bool near(gdi::TColor a, gdi::TColor b) {
  for (int shift : {0, 8, 16})
    if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 12) return false;
  return true;
}

}  // namespace

TEST_F(ResizeDialog, ShowingItStartsFromThePictureAndTheNeutralPreset) {
  setPicture(gdi::Bitmap(321, 123));
  form().RadioGroup1->setItemIndex(3);
  form().resized = true;
  studio_.dialogs().answerForm("TResizeForm", [](QDialog& d) {
    auto& f = static_cast<TResizeForm&>(d);
    EXPECT_EQ(f.SpinEdit1->value(), 321);
    EXPECT_EQ(f.SpinEdit2->value(), 123);
    EXPECT_EQ(f.RadioGroup1->itemIndex(), 8);
    EXPECT_FALSE(f.resized);
    return int(QDialog::Rejected);
  });
  main().Resize1->trigger();
  EXPECT_EQ(studio_.dialogs().questions().size(), 1u);
}

TEST_F(ResizeDialog, PresetsDoublingAndHalvingSetTheSpins) {
  TResizeForm& f = form();
  ASSERT_EQ(f.RadioGroup1->items().size(), 9);
  const std::pair<int, int> sizes[] = {{176, 144}, {320, 240}, {400, 400},  {468, 60},
                                       {640, 480}, {800, 600}, {1024, 768}, {1100, 850}};
  for (int i = 0; i < 8; ++i) {
    f.RadioGroup1->setItemIndex(i);
    EXPECT_EQ(f.SpinEdit1->value(), sizes[i].first) << i;
    EXPECT_EQ(f.SpinEdit2->value(), sizes[i].second) << i;
  }
  f.RadioGroup1->setItemIndex(8);  // sets nothing
  EXPECT_EQ(f.SpinEdit1->value(), 1100);

  f.SpinEdit1->setValue(321);
  f.SpinEdit2->setValue(0);
  f.SpeedButton2->click();
  EXPECT_EQ(f.SpinEdit1->value(), 160);
  EXPECT_EQ(f.SpinEdit2->value(), 0);
  f.SpeedButton1->click();
  EXPECT_EQ(f.SpinEdit1->value(), 320);
  EXPECT_EQ(f.SpinEdit2->value(), 0);
}

TEST_F(ResizeDialog, HalvingGoesThroughJpegWithoutAStretch) {
  setPicture(halves(800, 600));
  qualityBar()->setValue(40);
  resizeTo(400, 300);
  const gdi::Bitmap& pic = main().picture();
  ASSERT_EQ(pic.width(), 400);
  ASSERT_EQ(pic.height(), 300);
  EXPECT_FALSE(form().resized);
  EXPECT_TRUE(QFile::exists(scratchFile()));
  EXPECT_TRUE(near(pic.pixel(100, 150), kRed));
  EXPECT_TRUE(near(pic.pixel(300, 150), kBlue));
  // The scratch file has its own quality: the user's choice stays.
  EXPECT_EQ(qualityBar()->value(), 40);
  // The page set-up ran: the undo copy is the resized picture.
  EXPECT_EQ(main().image2->bitmap(), pic);
  EXPECT_EQ(main().ptbox1->size(), QSize(400, 300));
}

TEST_F(ResizeDialog, OtherFactorsAndTheStretchMethodAreStretched) {
  // 900 x 600 to 300 x 200: a factor of 3.
  setPicture(halves(900, 600));
  qualityBar()->setValue(55);
  resizeTo(300, 200);
  EXPECT_EQ(main().picture().width(), 300);
  EXPECT_EQ(main().picture().height(), 200);
  EXPECT_TRUE(form().resized);
  EXPECT_FALSE(QFile::exists(scratchFile()));
  EXPECT_EQ(main().picture().pixel(149, 100), kRed);
  EXPECT_EQ(main().picture().pixel(150, 100), kBlue);
  EXPECT_EQ(qualityBar()->value(), 55);

  // A factor of 2 with the stretch method never writes the scratch file.
  setPicture(halves(800, 600));
  resizeTo(400, 300, 1);
  EXPECT_EQ(main().picture().width(), 400);
  EXPECT_TRUE(form().resized);
  EXPECT_FALSE(QFile::exists(scratchFile()));
}

TEST_F(ResizeDialog, ANarrowerPictureKeepsEveryRowOfDetail) {
  // 800 x 600 to 100 x 600: the height stays, so no row may be lost to a
  // decoder scaled for the width.
  gdi::Bitmap rows(800, 600);
  for (int y = 0; y < 600; ++y)
    for (int x = 0; x < 800; ++x) rows.setPixel(x, y, gdi::RGB(y % 256, (y * 7) % 256, x % 256));
  setPicture(rows);
  resizeTo(100, 600);
  const gdi::Bitmap& pic = main().picture();
  ASSERT_EQ(pic.width(), 100);
  ASSERT_EQ(pic.height(), 600);
  EXPECT_FALSE(QFile::exists(scratchFile()));
  for (int y = 0; y < 600; ++y)
    ASSERT_EQ(pic.pixel(0, y) & 0x00FFFF, rows.pixel(0, y) & 0x00FFFF) << y;
}

TEST_F(ResizeDialog, TheFastPathTakesTheSmallerRatio) {
  // 800 x 600 to 400 x 200: decoded at half, then stretched to 200 rows.
  setPicture(halves(800, 600));
  resizeTo(400, 200);
  EXPECT_EQ(main().picture().width(), 400);
  EXPECT_EQ(main().picture().height(), 200);
  EXPECT_TRUE(form().resized);
  EXPECT_TRUE(QFile::exists(scratchFile()));
}

TEST_F(ResizeDialog, JpegHalvingIsStretchedToTheExactSize) {
  // 810 x 600 to 400 x 300: factor 2.025 rounds to 2, JPEG gives 405 x 300.
  setPicture(halves(810, 600));
  resizeTo(400, 300);
  EXPECT_EQ(main().picture().width(), 400);
  EXPECT_EQ(main().picture().height(), 300);
  EXPECT_TRUE(form().resized);
  EXPECT_TRUE(QFile::exists(scratchFile()));
}

TEST_F(ResizeDialog, TinySizesBecomeTenByTen) {
  resizeTo(5, 5);
  EXPECT_EQ(main().picture().width(), 10);
  EXPECT_EQ(main().picture().height(), 10);
  EXPECT_EQ(form().SpinEdit1->value(), 10);
  EXPECT_EQ(form().SpinEdit2->value(), 10);
}

TEST_F(ResizeDialog, CancelLeavesEverythingAsItWas) {
  gdi::Bitmap b = halves(800, 600);
  setPicture(b);
  qualityBar()->setValue(40);
  studio_.dialogs().answerForm("TResizeForm", [](QDialog& d) {
    auto& f = static_cast<TResizeForm&>(d);
    f.SpinEdit1->setValue(400);
    f.SpinEdit2->setValue(300);
    f.BitBtn2->click();
    return f.result();
  });
  main().resizebut1->click();
  EXPECT_EQ(main().picture(), b);
  EXPECT_EQ(qualityBar()->value(), 40);
  EXPECT_FALSE(QFile::exists(scratchFile()));
}

TEST_F(ResizeDialog, TheImageBrowserKeepsItsOwnPicture) {
  Tpicform1& browser = *app::windows().picform1;
  gdi::Bitmap shown(33, 22);
  shown.setPixel(1, 1, kRed);
  browser.Image1->setBitmap(shown);
  browser.shownName = "holiday.jpg";
  auto* scale = browser.findChild<QComboBox*>("Scale");
  if (scale) scale->setCurrentIndex(0);

  setPicture(halves(800, 600));
  resizeTo(200, 150);  // a quarter
  EXPECT_EQ(main().picture().width(), 200);
  EXPECT_EQ(main().picture().height(), 150);
  EXPECT_EQ(browser.Image1->bitmap(), shown);
  EXPECT_EQ(browser.shownName, "holiday.jpg");
  if (scale) {
    EXPECT_EQ(scale->currentIndex(), 0);
  }
}
