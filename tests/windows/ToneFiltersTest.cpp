// The palette's tone filters over the whole picture: the filter's result,
// undoable like a tool, and a Stop (button or Escape) half way leaves the
// picture exactly as it was.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QKeyEvent>
#include <QProgressBar>
#include <QTimer>
#include <QToolButton>

#include "clips/engine/ToneFilters.h"
#include "platform/ui/ImageControl.h"
#include "support/PixelGrid.h"
#include "support/windows/StudioFixture.h"
#include "tools/windows/TForm3.h"

using testing_support::Studio;

namespace {

void pick(const char* button) {
  app::windows().Form3->findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
}

struct Filter {
  const char* button;
  bool (*run)(gdi::Bitmap&);
};

const Filter kFilters[] = {
    {"SpeedButton6", [](gdi::Bitmap& b) { return clips::softFocus(b); }},
    {"SpeedButton7", [](gdi::Bitmap& b) { return clips::softenLight(b); }},
    {"SpeedButton8", [](gdi::Bitmap& b) { return clips::shiftImage(b, clips::Tone::Darken); }},
    {"SpeedButton9", [](gdi::Bitmap& b) { return clips::shiftImage(b, clips::Tone::Lighten); }},
};

gdi::Bitmap setNoise(Studio& studio, int w, int h) {
  const gdi::Bitmap pic = testing_support::noiseBitmap(w, h, 31);
  studio.main().ptbox1->setBitmap(pic);
  return pic;
}

}  // namespace

TEST(ToneFilters, EachGivesItsFilteredPictureAndUndoTakesItBack) {
  for (const Filter& f : kFilters) {
    SCOPED_TRACE(f.button);
    Studio studio;
    TPbook1& m = studio.main();
    const gdi::Bitmap before = setNoise(studio, 320, 240);
    pick(f.button);
    gdi::Bitmap expected = before;
    f.run(expected);
    EXPECT_TRUE(m.picture().samePixels(expected));
    EXPECT_FALSE(m.bg1->isVisible());
    EXPECT_FALSE(m.bg1stop->isVisible());
    EXPECT_EQ(app::windows().Form3->CurTool, 0);
    m.undoptb1->click();
    EXPECT_TRUE(m.picture().samePixels(before));
  }
}

TEST(ToneFilters, StopHalfWayLeavesThePictureAsItWas) {
  for (const Filter& f : kFilters) {
    SCOPED_TRACE(f.button);
    Studio studio;
    TPbook1& m = studio.main();
    const gdi::Bitmap before = setNoise(studio, 300, 200);
    // Pressed while the filter lets pending messages run.
    bool pressed = false;
    QTimer::singleShot(0, &m, [&] {
      pressed = m.bg1stop->isVisible();
      m.bg1stop->click();
    });
    pick(f.button);
    EXPECT_TRUE(pressed);
    EXPECT_TRUE(m.picture().samePixels(before));
    EXPECT_FALSE(m.bg1->isVisible());
    EXPECT_FALSE(m.bg1stop->isVisible());
    // The next run is not stopped by the old press.
    pick(f.button);
    gdi::Bitmap expected = before;
    f.run(expected);
    EXPECT_TRUE(m.picture().samePixels(expected));
  }
}

TEST(ToneFilters, EscapeIsTheStopButtonsKey) {
  Studio studio;
  EXPECT_EQ(studio.main().bg1stop->shortcut(), QKeySequence(Qt::Key_Escape));
  EXPECT_FALSE(studio.main().passRunning());
}

TEST(ToneFilters, AFilterAskedForWhileOneRunsIsNotStartedInsideIt) {
  Studio studio;
  TPbook1& m = studio.main();
  const gdi::Bitmap before = setNoise(studio, 400, 400);
  int nested = 0;
  QTimer::singleShot(0, &m, [&] {
    nested = m.passRunning();
    m.doblend3(1);
  });
  pick("SpeedButton8");  // darken, with a lighten asked for half way
  EXPECT_EQ(nested, 1);
  gdi::Bitmap expected = before;
  clips::shiftImage(expected, clips::Tone::Darken);
  EXPECT_TRUE(m.picture().samePixels(expected));
}
