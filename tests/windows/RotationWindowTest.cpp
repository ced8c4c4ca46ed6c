// "Rotate Clip" on the paste panel and "Rotate Image" with its dialog.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QFrame>
#include <QProgressBar>
#include <QPushButton>

#include "PasteSupport.h"
#include "clips/engine/RotateSquare.h"
#include "clips/windows/TRotateform.h"
#include "platform/ui/SpinEdit.h"
#include "support/PixelGrid.h"
#include "windows/PictureForms.h"

using namespace paste_test;
using testing_support::answerRotate;
using testing_support::countColor;
using testing_support::Studio;

TEST(RotateClip, TurnsTheClipboardsClipInItsSquareAndKeepsItOnTheClipboard) {
  Studio studio;
  TPbook1& m = studio.main();
  gdi::Bitmap clip = solidClip(30, 20, gdi::clRed);
  clip.setPixel(0, 0, gdi::clBlue);
  paste(studio, clip);
  m.pasterotedit1->setValue(90);
  m.SpeedButton18->click();
  const gdi::Bitmap turned = m.clpmap1->bitmap();
  EXPECT_EQ(turned.width(), 46);  // round(36.06) + 10
  EXPECT_EQ(turned, clips::rotateClip(clip, 90));
  EXPECT_EQ(studio.clipboard().bitmap(), clip);
  EXPECT_TRUE(maskMode());
  EXPECT_EQ(m.clipOffset(), (gdi::Point{1, 1}));
  // The same angle again gives the same clip: the turn starts from the
  // clipboard, not from the turned clip.
  m.SpeedButton18->click();
  EXPECT_EQ(m.clpmap1->bitmap(), turned);
  // The backdrop shows only the turned clip: 600 red pixels less the blue one.
  EXPECT_EQ(countColor(m.picture(), gdi::clRed), 30 * 20 - 1);
}

TEST(RotateClip, ZeroDegreesShiftsTheClipOneColumnLeftInItsSquare) {
  Studio studio;
  TPbook1& m = studio.main();
  paste(studio, solidClip(30, 40, gdi::clRed));  // side 60
  m.pasterotedit1->setValue(0);
  m.SpeedButton18->click();
  const gdi::Bitmap& turned = m.clpmap1->bitmap();
  ASSERT_EQ(turned.width(), 60);
  EXPECT_EQ(turned.pixel(14, 10), gdi::clRed);  // clip placed at (15, 10), one left
  EXPECT_EQ(turned.pixel(43, 49), gdi::clRed);
  EXPECT_EQ(turned.pixel(44, 10), gdi::clWhite);
}

TEST(RotateImage, EnlargesToTheSquareAndTurnsTheUndoCopy) {
  Studio studio;
  TPbook1& m = studio.main();
  gdi::Bitmap picture(300, 200);
  picture.fill(gdi::clRed);
  setPicture(m, picture);
  answerRotate(studio.dialogs(), 90, true);
  m.pbrotbut1->click();
  ASSERT_EQ(m.picture().width(), 371);  // round(360.56) + 10
  ASSERT_EQ(m.picture().height(), 371);
  EXPECT_EQ(m.image2->bitmap(), clips::centredInSquare(picture, 371));
  gdi::Bitmap expected(371, 371);
  clips::rotatePicture(m.image2->bitmap(), expected, 90);
  EXPECT_EQ(m.picture(), expected);
  // Turned a quarter, the wide red block stands upright.
  EXPECT_EQ(countColor(m.picture(), gdi::clRed), 300 * 200);
  EXPECT_EQ(m.picture().pixel(185, 40), gdi::clRed);
  EXPECT_EQ(m.picture().pixel(40, 185), gdi::clWhite);
  EXPECT_FALSE(m.bg1->isVisible());
}

TEST(RotateImage, ASquarePictureIsNotEnlargedAndLosesItsCorners) {
  Studio studio;
  TPbook1& m = studio.main();
  gdi::Bitmap picture(200, 200);
  picture.fill(gdi::clRed);
  setPicture(m, picture);
  answerRotate(studio.dialogs(), 45, true);
  m.pbrotbut1->click();
  EXPECT_EQ(m.picture().width(), 200);
  EXPECT_EQ(m.picture().pixel(0, 0), gdi::clWhite);
  EXPECT_EQ(m.picture().pixel(100, 100), gdi::clRed);
  EXPECT_EQ(m.image2->bitmap(), picture);  // Undo gives the unrotated picture
}

TEST(RotateImage, CancelChangesNothing) {
  Studio studio;
  TPbook1& m = studio.main();
  const gdi::Bitmap before = coordinatePicture(100, 80);
  setPicture(m, before);
  studio.dialogs().answerForm("TRotateform", [](QDialog& form) {
    static_cast<TRotateform&>(form).BitBtn2->click();
    return form.result();
  });
  m.pbrotbut1->click();
  EXPECT_EQ(m.picture(), before);
}

TEST(RotateImage, AFloatingClipIsKeptAndTurnedWithThePicture) {
  Studio studio;
  TPbook1& m = studio.main();
  paste(studio, solidClip(20, 20, gdi::clRed));
  m.paste1right->click();
  answerRotate(studio.dialogs(), 180, false);
  m.pbrotbut1->click();
  EXPECT_FALSE(maskMode());
  EXPECT_FALSE(m.pastepanel1->isVisible());
  EXPECT_EQ(countColor(m.picture(), gdi::clRed), 400);
  EXPECT_EQ(m.picture().pixel(390, 390), gdi::clRed);
}
