// Work done while zoomed editing survives whatever comes next: saves write
// the whole picture with the edit in its place, and commands that resize,
// rotate or replace the picture first give the edit back to the full picture
// as "Normal Size" does.
#include <QAbstractButton>
#include <QAction>
#include <QDir>

#include "DocumentWindows.h"
#include "IndependentReader.h"
#include "PictureForms.h"
#include "clips/engine/RotateSquare.h"
#include "platform/codecs/Bmp.h"
#include "platform/ui/ImageControl.h"
#include "support/PixelGrid.h"
#include "tools/windows/TForm3.h"
#include "windows/CanvasMouse.h"

using namespace document_windows_test;
using testing_support::countColor;
using testing_support::identifyFile;

namespace {

constexpr gdi::TColor kStroke = 0xFF0000;  // blue

class ZoomedEditing : public DocumentWindows {
 protected:
  gdi::Bitmap& picture() { return main().picture(); }
  TForm3& palette() { return *app::windows().Form3; }

  // A detailed 400 x 300 picture (noise without the stroke's colour).
  gdi::Bitmap detailedPicture() {
    gdi::Bitmap b = testing_support::noiseBitmap(400, 300, 7);
    for (int y = 0; y < b.height(); ++y)
      for (int x = 0; x < b.width(); ++x)
        if (b.pixel(x, y) == kStroke) b.setPixel(x, y, gdi::clRed);
    main().picture() = b;
    main().ptbox1->refresh();
    EXPECT_TRUE(main().initpages());
    return b;
  }

  // Zoom on at 200 %, the brush picked (which applies the zoom), and a wide
  // blue stroke across the enlarged picture.
  void editZoomed() {
    main().zmbuton->click();
    main().zm1spin->setValue(200);
    zoomRect_ = main().zm1->visibleRect();
    palette().findChild<QAbstractButton*>("BitBtn5")->click();
    ASSERT_EQ(main().zoomStage(), app::ZoomStage::Applied);
    stroke(150);
  }
  void stroke(int y) {
    palette().ForeColor = kStroke;
    palette().LineWidth = palette().PenWidth = 12;
    testing_support::drag(main().ptbox1, {40, y}, {360, y + 10});
  }

  // Every pixel of `a` outside the zoom's rectangle is the one of `b`.
  bool sameOutsideZoom(const gdi::Bitmap& a, const gdi::Bitmap& b) const {
    if (a.width() != b.width() || a.height() != b.height()) return false;
    for (int y = 0; y < a.height(); ++y)
      for (int x = 0; x < a.width(); ++x)
        if (!zoomRect_.contains({x, y}) && a.pixel(x, y) != b.pixel(x, y)) return false;
    return true;
  }

  gdi::Bitmap readBmp(const QString& file) { return codecs::readBmpFile(file.toStdString()); }

  gdi::Rect zoomRect_;
};

}  // namespace

// ----- saves --------------------------------------------------------------------------

TEST_F(ZoomedEditing, SaveAsWritesTheWholePictureWithTheEditInPlace) {
  const gdi::Bitmap original = detailedPicture();
  editZoomed();
  const QString file = path("whole.bmp");
  dialogs().answerSave(file);
  main().ToolButton13->click();
  EXPECT_EQ(identifyFile(file), "BMP3 400x300");
  // The screen stays zoomed for more editing; the file is what "Normal
  // Size" makes of the edit.
  EXPECT_EQ(main().zoomStage(), app::ZoomStage::Applied);
  EXPECT_FALSE(main().isModified());
  main().zmbutoff->click();
  const gdi::Bitmap saved = readBmp(file);
  EXPECT_TRUE(saved == picture());
  EXPECT_TRUE(sameOutsideZoom(saved, original));
  EXPECT_GT(countColor(saved, kStroke), 0);
}

TEST_F(ZoomedEditing, JpegAndQuickSavesWriteTheWholePictureToo) {
  detailedPicture();
  editZoomed();
  const QString dir = folder("cwd");
  const QString old = QDir::currentPath();
  QDir::setCurrent(dir);
  dialogs().answerSave(dir + "/first.jpg");
  main().ToolButton13->click();
  stroke(220);
  dialogs().answerMessage("Saved as first.bmp", ui::MsgResult::Ok);
  main().ToolButton12->click();
  QDir::setCurrent(old);

  EXPECT_EQ(identifyFile(dir + "/first.jpg"), "JPEG 400x300");
  EXPECT_EQ(identifyFile(dir + "/first.bmp"), "BMP3 400x300");
  main().zmbutoff->click();
  EXPECT_TRUE(readBmp(dir + "/first.bmp") == picture());
}

TEST_F(ZoomedEditing, TheCloseChecksSaveWritesTheWholePicture) {
  const gdi::Bitmap original = detailedPicture();
  editZoomed();
  ASSERT_TRUE(main().isModified());
  const QString file = path("closing.bmp");
  dialogs().answerMessage("Save changes to TEMP.BMP?", ui::MsgResult::Yes);
  dialogs().answerSave(file);
  EXPECT_TRUE(main().close());
  main().zmbutoffClick();
  EXPECT_TRUE(readBmp(file) == picture());
  EXPECT_TRUE(sameOutsideZoom(readBmp(file), original));
}

// ----- commands that resize or rotate ---------------------------------------------------

TEST_F(ZoomedEditing, ResizeScalesTheWholePictureWithTheEditMergedFirst) {
  const gdi::Bitmap original = detailedPicture();
  editZoomed();
  testing_support::answerResize(dialogs(), 200, 150, 1);  // stretch: every other pixel
  main().resizebut1->click();
  EXPECT_EQ(main().zoomStage(), app::ZoomStage::Off);
  const gdi::Bitmap resized = picture();
  ASSERT_EQ(resized.width(), 200);
  ASSERT_EQ(resized.height(), 150);
  for (int y = 0; y < 150; ++y) {
    for (int x = 0; x < 200; ++x) {
      if (!zoomRect_.contains({2 * x, 2 * y})) {
        ASSERT_EQ(resized.pixel(x, y), original.pixel(2 * x, 2 * y)) << x << "," << y;
      }
    }
  }
  EXPECT_GT(countColor(resized, kStroke), 0);
  // Nothing is left to merge: "Normal Size" keeps the resized picture.
  main().zmbutoff->click();
  EXPECT_TRUE(picture() == resized);
}

TEST_F(ZoomedEditing, RotateImageTurnsTheWholePictureWithTheEditMergedFirst) {
  const gdi::Bitmap original = detailedPicture();
  editZoomed();
  testing_support::answerRotate(dialogs(), 90, true);  // enlarged to the square first
  main().pbrotbut1->click();
  EXPECT_NE(main().zoomStage(), app::ZoomStage::Applied);
  // The undo copy is the merged picture in its square; the picture is that turned.
  const gdi::Bitmap& source = main().image2->bitmap();
  const int side = clips::squareSide(400, 300);
  ASSERT_EQ(source.width(), side);
  gdi::Bitmap unrotated(400, 300);
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 400; ++x)
      unrotated.setPixel(x, y, source.pixel(x + (side - 400) / 2, y + (side - 300) / 2));
  EXPECT_TRUE(sameOutsideZoom(unrotated, original));
  gdi::Bitmap expected(side, side);
  clips::rotatePicture(source, expected, 90);
  EXPECT_TRUE(picture() == expected);
  main().zmbutoff->click();
  EXPECT_TRUE(picture() == expected);
}

TEST_F(ZoomedEditing, PageSetUpWhileZoomedKeepsTheStoredFullPicture) {
  const gdi::Bitmap original = detailedPicture();
  editZoomed();
  main().initpages();
  main().zmbutoff->click();
  EXPECT_TRUE(sameOutsideZoom(picture(), original));
  EXPECT_GT(countColor(picture(), kStroke), 0);
}

// ----- commands that replace the picture -------------------------------------------------

TEST_F(ZoomedEditing, NewImageCancelledKeepsTheZoomedEdit) {
  const gdi::Bitmap original = detailedPicture();
  editZoomed();
  dialogs().answerMessage("Save changes to TEMP.BMP?", ui::MsgResult::No);
  testing_support::answerNewImage(dialogs(), "200", "100", false);
  main().ToolButton14->click();
  EXPECT_EQ(main().zoomStage(), app::ZoomStage::Applied);
  main().zmbutoff->click();
  EXPECT_TRUE(sameOutsideZoom(picture(), original));
  EXPECT_GT(countColor(picture(), kStroke), 0);
}

TEST_F(ZoomedEditing, NewImageAcceptedEndsZoomedEditing) {
  detailedPicture();
  editZoomed();
  dialogs().answerMessage("Save changes to TEMP.BMP?", ui::MsgResult::No);
  testing_support::answerNewImage(dialogs(), "200", "100");
  main().ToolButton14->click();
  EXPECT_EQ(main().zoomStage(), app::ZoomStage::Off);
  EXPECT_TRUE(main().zmbuton->isEnabled());
  main().zmbutoff->click();
  EXPECT_EQ(picture().width(), 200);
  EXPECT_EQ(countColor(picture(), gdi::clWhite), 200 * 100);
}

TEST_F(ZoomedEditing, AFileOpenedWhileZoomedIsNotMergedIntoTheOldPicture) {
  detailedPicture();
  editZoomed();
  dialogs().answerSave(path("kept.bmp"));
  main().ToolButton13->click();
  const QString other = path("other.bmp");
  writeBmp(other, quadrants(120, 80));
  dialogs().answerOpen(other);
  main().FileDialog1->trigger();
  EXPECT_NE(main().zoomStage(), app::ZoomStage::Applied);
  ASSERT_TRUE(picture() == quadrants(120, 80));
  main().zmbutoff->click();
  EXPECT_TRUE(picture() == quadrants(120, 80));
}
