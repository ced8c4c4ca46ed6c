// The modified flag follows the picture: every change of its pixels or size
// sets it, also after a save, so the close check asks about work not yet
// saved; looking at the picture (capturing, sampling a colour) does not.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QToolButton>
#include <functional>

#include "platform/ui/ImageControl.h"
#include "support/windows/StudioFixture.h"
#include "tools/windows/TForm3.h"
#include "windows/CanvasMouse.h"
#include "windows/PictureForms.h"

using testing_support::Studio;

namespace {

class ModifiedFlag : public ::testing::Test {
 protected:
  TPbook1& main() { return studio_.main(); }
  TForm3& palette() { return *app::windows().Form3; }
  QWidget* picture() { return main().ptbox1; }

  void pick(const char* button) {
    auto* b = palette().findChild<QAbstractButton*>(QString::fromLatin1(button));
    ASSERT_NE(b, nullptr) << button;
    b->click();
  }
  // "Save As" into a fresh file: the flag is clear afterwards.
  void save() {
    studio_.dialogs().answerSave(studio_.tempPath(QStringLiteral("saved%1.bmp").arg(++saves_)));
    main().ToolButton13->click();
    ASSERT_FALSE(main().isModified());
  }

  Studio studio_;
  int saves_ = 0;
};

}  // namespace

TEST_F(ModifiedFlag, StrokesAfterASaveAreChangesTheCloseCheckAsksAbout) {
  pick("BitBtn5");  // "Paint Brush"
  testing_support::drag(picture(), {10, 10}, {200, 60});
  save();
  // The same tool, more strokes: the picture differs from the saved file.
  testing_support::drag(picture(), {10, 100}, {200, 150});
  EXPECT_TRUE(main().isModified());
  studio_.dialogs().answerMessage("Save changes to saved1.bmp?", ui::MsgResult::Cancel);
  EXPECT_FALSE(main().close());
  EXPECT_TRUE(main().isVisible());
}

TEST_F(ModifiedFlag, EveryKindOfChangeAfterASaveSetsIt) {
  struct Change {
    const char* what;
    std::function<void()> prepare;  // before the save
    std::function<void()> change;   // after it
  };
  const std::function<void()> nothing = [] {};
  const Change changes[] = {
      {"flood fill", [&] { pick("BitBtn18"); },
       [&] {
         palette().BackColor = gdi::clBlue;
         testing_support::click(picture(), {300, 300});
       }},
      {"rectangle", [&] { pick("BitBtn2"); },
       [&] {
         testing_support::drag(picture(), {20, 20}, {90, 80});
       }},
      {"move pixels", [&] { pick("pm1"); },
       [&] {
         testing_support::click(picture(), {30, 30});
       }},
      {"colour replacer", [&] { pick("BitBtn30"); },
       [&] {
         palette().ForeColor = gdi::clWhite;
         palette().BackColor = gdi::clRed;
         testing_support::drag(picture(), {350, 350}, {380, 380});
       }},
      {"cut tool", [&] { pick("BitBtn21"); },
       [&] {
         testing_support::drag(picture(), {100, 100}, {150, 150});
       }},
      {"Clear Image", nothing, [&] { pick("BitBtn26"); }},
      {"Cut of the whole picture", nothing, [&] { main().Cut1->trigger(); }},
      {"resize", nothing,
       [&] {
         testing_support::answerResize(studio_.dialogs(), 300, 250, 1);
         main().resizebut1->click();
       }},
      {"rotation", nothing,
       [&] {
         testing_support::answerRotate(studio_.dialogs(), 90, false);
         main().pbrotbut1->click();
       }},
      {"undo",
       [&] {
         pick("BitBtn5");
         testing_support::drag(picture(), {10, 200}, {200, 220});
       },
       [&] { main().undoptb1->click(); }},
      {"redo", nothing, [&] { main().redoptb1->click(); }},
      {"replace a colour with the clipboard",
       [&] {
         gdi::Bitmap clip(8, 8);
         clip.fill(gdi::clGreen);
         studio_.clipboard().setBitmap(clip);
         pick("BitBtn23");
       },
       [&] {
         testing_support::click(picture(), {5, 390});
       }},
      {"pasted clip dragged",
       [&] {
         gdi::Bitmap clip(30, 20);
         clip.fill(gdi::clRed);
         studio_.clipboard().setBitmap(clip);
         main().pbpastebut1->click();
       },
       [&] {
         testing_support::drag(picture(), {10, 10}, {80, 90});
       }},
      {"pasted clip doubled", nothing, [&] { main().SpeedButton5->click(); }},
  };
  for (const Change& c : changes) {
    c.prepare();
    save();
    c.change();
    EXPECT_TRUE(main().isModified()) << c.what;
  }
}

TEST_F(ModifiedFlag, CapturingAndSamplingLeaveItAsItWas) {
  pick("BitBtn20");  // "Rectangle Outline"
  save();
  testing_support::drag(picture(), {10, 10}, {60, 50});
  EXPECT_FALSE(main().isModified());

  pick("BitBtn19");  // "Lasso Outline"
  save();
  for (QPoint p : {QPoint(20, 20), QPoint(90, 25)}) testing_support::click(picture(), p);
  testing_support::click(picture(), {50, 80}, Qt::RightButton);
  EXPECT_FALSE(main().isModified());

  pick("BitBtn29");  // "Color Sampler"
  save();
  testing_support::click(picture(), {5, 5});
  EXPECT_FALSE(main().isModified());
}
