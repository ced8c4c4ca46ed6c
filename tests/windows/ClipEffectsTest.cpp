// The paste panel's effect buttons on a floating clip: each gives the clip
// effect's result on the picture as it was before the paste, leaves the paste
// open, and Undo takes it back.
#include <gtest/gtest.h>

#include <QProgressBar>
#include <QToolButton>

#include "PasteSupport.h"
#include "app/Tclpform1.h"
#include "clips/engine/ClipImprint.h"
#include "clips/engine/MirrorClip.h"
#include "clips/engine/ToneArithmetic.h"
#include "support/PixelGrid.h"

using namespace paste_test;
using testing_support::Studio;

namespace {

// Noise with holes: a clip whose white pixels leave the picture alone.
gdi::Bitmap holedClip(int w, int h) {
  gdi::Bitmap b = testing_support::noiseBitmap(w, h, 5);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if ((x * 7 + y * 3) % 5 == 0) b.setPixel(x, y, gdi::clWhite);
  return b;
}

struct Pasted {
  gdi::Bitmap before;
  gdi::Bitmap clip;
  gdi::Point at;  // where the clip is drawn now
};

// A detailed picture with a clip pasted and moved 30 right and 20 down.
Pasted pasteMoved(Studio& studio, gdi::Bitmap picture, gdi::Bitmap clip) {
  TPbook1& m = studio.main();
  setPicture(m, picture);
  paste(studio, clip);
  m.LRedit1DownClick();
  m.LRedit1DownClick();
  m.LRedit1DownClick();
  m.UDedit1DownClick();
  m.UDedit1DownClick();
  return {picture, clip, m.clipPlacement().pos};
}

}  // namespace

TEST(ClipEffects, ImprintsPressTheClipsShapeIntoThePictureAndUndoTakesThemBack) {
  for (const clips::Tone tone : {clips::Tone::Darken, clips::Tone::Lighten}) {
    Studio studio;
    TPbook1& m = studio.main();
    const Pasted p =
        pasteMoved(studio, testing_support::noiseBitmap(400, 300, 3), holedClip(60, 40));
    ASSERT_EQ(p.at, (gdi::Point{31, 21}));
    (tone == clips::Tone::Darken ? m.SpeedButton6 : m.SpeedButton7)->click();

    gdi::Bitmap expected = p.before;
    clips::imprint(expected, p.clip, p.at, clips::kImprintShift, tone);
    EXPECT_TRUE(m.picture().samePixels(expected));
    EXPECT_TRUE(maskMode());  // the paste stays open
    EXPECT_TRUE(m.pastepanel1->isVisible());
    EXPECT_FALSE(m.bg1->isVisible());
    m.undoptb1->click();
    EXPECT_TRUE(m.picture().samePixels(p.before));
  }
}

TEST(ClipEffects, DarkImprintOnWhiteGivesGreyAndAWhiteClipChangesNothing) {
  {
    Studio studio;
    TPbook1& m = studio.main();
    gdi::Bitmap white(200, 200);
    setPicture(m, white);
    paste(studio, solidClip(20, 10, gdi::clBlue));
    m.SpeedButton6->click();
    EXPECT_EQ(m.picture().pixel(5, 5), gdi::RGB(207, 207, 207));
    EXPECT_EQ(testing_support::countColor(m.picture(), gdi::RGB(207, 207, 207)), 20 * 10);
    m.SpeedButton7->click();  // light imprint on white: white
    EXPECT_EQ(testing_support::countColor(m.picture(), gdi::clWhite), 200 * 200);
  }
  Studio again;
  const gdi::Bitmap noise = testing_support::noiseBitmap(200, 200, 9);
  setPicture(again.main(), noise);
  paste(again, solidClip(30, 30, gdi::clWhite));
  again.main().SpeedButton6->click();
  EXPECT_TRUE(again.main().picture().samePixels(noise));
}

TEST(ClipEffects, ASizedClipImprintsAtItsDrawnSize) {
  Studio studio;
  TPbook1& m = studio.main();
  gdi::Bitmap white(200, 200);
  setPicture(m, white);
  paste(studio, solidClip(40, 40, gdi::clBlue));
  m.SpeedButton4->click();  // "1/2": drawn 30 x 30
  m.SpeedButton6->click();
  EXPECT_EQ(testing_support::countColor(m.picture(), gdi::RGB(207, 207, 207)), 30 * 30);
  EXPECT_EQ(m.clpmap1->bitmap().width(), 30);
  EXPECT_FALSE(m.ClipSized);
}

TEST(ClipEffects, EmbossLeavesLightAndDarkRimsAndMovesTheClipUpLeft) {
  Studio studio;
  TPbook1& m = studio.main();
  const Pasted p = pasteMoved(studio, testing_support::noiseBitmap(400, 300, 4), holedClip(50, 50));
  const gdi::Point offset = m.clipOffset();
  m.BitBtn19->click();
  gdi::Bitmap expected = p.before;
  clips::emboss(expected, p.clip, p.at);
  EXPECT_TRUE(m.picture().samePixels(expected));
  EXPECT_EQ(m.clipOffset(), (gdi::Point{offset.x - 1, offset.y - 1}));
  EXPECT_TRUE(maskMode());
  m.undoptb1->click();
  EXPECT_TRUE(m.picture().samePixels(p.before));
}

TEST(ClipEffects, DropShadowDrawsTheClipOverItsShadowEvenAtTheEdges) {
  Studio studio;
  TPbook1& m = studio.main();
  const gdi::Bitmap picture = testing_support::noiseBitmap(300, 200, 6);
  setPicture(m, picture);
  const gdi::Bitmap clip = holedClip(40, 30);
  paste(studio, clip);
  // Near the bottom right corner: the shadow layers run off the picture.
  for (int i = 0; i < 25; ++i) m.LRedit1DownClick();
  for (int i = 0; i < 16; ++i) m.UDedit1DownClick();
  const gdi::Point at = m.clipPlacement().pos;
  ASSERT_EQ(at, (gdi::Point{251, 161}));
  m.BitBtn14->click();

  gdi::Bitmap expected = picture;
  clips::dropShadow(expected, clip, at);
  clips::drawClip(expected, clip, m.mask1->bitmap(), clips::ClipPlacement::at(at));
  EXPECT_TRUE(m.picture().samePixels(expected));
  EXPECT_EQ(m.clipPlacement().pos, at);
  EXPECT_TRUE(maskMode());
  // Moving the clip starts again from the backdrop: the shadow goes with it.
  m.paste1leftClick();
  gdi::Bitmap moved = picture;
  clips::drawClip(moved, clip, m.mask1->bitmap(), clips::ClipPlacement::at({at.x - 1, at.y}));
  EXPECT_TRUE(m.picture().samePixels(moved));
  m.undoptb1->click();
  EXPECT_TRUE(m.picture().samePixels(picture));
}

TEST(ClipEffects, MirrorTurnsTheClipOverAndLeavesItOnTheClipboard) {
  Studio studio;
  TPbook1& m = studio.main();
  const Pasted p = pasteMoved(studio, testing_support::noiseBitmap(300, 300, 8), holedClip(33, 21));
  m.flpmirbut->click();
  const gdi::Bitmap mirrored = clips::mirrorClip(p.clip);
  EXPECT_TRUE(studio.clipboard().bitmap().samePixels(mirrored));
  EXPECT_TRUE(m.clpmap1->bitmap().samePixels(mirrored));
  EXPECT_EQ(m.clipOffset(), (gdi::Point{1, 1}));  // floating at the anchor again
  EXPECT_TRUE(maskMode());
  // Drawn at the anchor, its white transparent.
  for (const gdi::Point q : {gdi::Point{10, 10}, gdi::Point{20, 7}, gdi::Point{3, 15}}) {
    const gdi::TColor c = mirrored.pixel(q.x, q.y);
    EXPECT_EQ(m.picture().pixel(q.x, q.y), c == gdi::clWhite ? p.before.pixel(q.x, q.y) : c);
  }
  m.flpmirbut->click();
  EXPECT_TRUE(studio.clipboard().bitmap().samePixels(p.clip));
  m.undoptb1->click();
  EXPECT_TRUE(m.picture().samePixels(p.before));
}

TEST(ClipEffects, MirrorWithAnEmptyClipboardSaysSo) {
  Studio studio;
  TPbook1& m = studio.main();
  const Pasted p = pasteMoved(studio, testing_support::noiseBitmap(300, 300, 8), holedClip(33, 21));
  studio.clipboard().clear();
  m.flpmirbut->click();
  EXPECT_TRUE(studio.find<Tclpform1>("Tclpform1")->isVisible());
  EXPECT_TRUE(m.picture().samePixels(p.before));
}
