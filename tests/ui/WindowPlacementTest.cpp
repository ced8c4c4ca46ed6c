// Windows kept inside the screen's available area, and a window placed
// beside another.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QWidget>

#include "platform/ui/Services.h"
#include "platform/ui/WindowPlacement.h"
#include "support/ui/TestUi.h"

namespace {

const QRect kArea(0, 24, 1280, 976);  // a panel across the top, one at the bottom

}  // namespace

TEST(WindowPlacement, FitInsideMovesAsLittleAsNeededAndCutsWhatIsTooLarge) {
  struct Case {
    QRect frame, fitted;
  };
  const Case cases[] = {
      {{100, 100, 400, 300}, {100, 100, 400, 300}},    // inside: unchanged
      {{1100, 800, 400, 300}, {880, 700, 400, 300}},   // off the bottom right
      {{-50, 0, 400, 300}, {0, 24, 400, 300}},         // off the top left
      {{1000, -40, 200, 100}, {1000, 24, 200, 100}},   // only above
      {{500, 900, 1400, 1200}, {0, 24, 1280, 976}},    // larger than the area
      {{-10, 50, 1300, 200}, {0, 50, 1280, 200}},      // wider only
  };
  for (const Case& c : cases) {
    const QRect r = ui::fitInside(c.frame, kArea);
    EXPECT_EQ(r, c.fitted) << c.frame.x() << "," << c.frame.y();
    EXPECT_TRUE(kArea.contains(r));
  }
}

TEST(WindowPlacement, BesideGoesRightThenLeftThenAgainstTheEdge) {
  const QSize palette(140, 570);
  // Room on the right.
  EXPECT_EQ(ui::besideFrame({10, 43, 660, 600}, palette, kArea, 6), QPoint(676, 43));
  // No room on the right, room on the left.
  EXPECT_EQ(ui::besideFrame({400, 43, 800, 600}, palette, kArea, 6), QPoint(254, 43));
  // Room on neither side: against the right edge, still level with the top.
  const QPoint edge = ui::besideFrame({10, 43, 1200, 600}, palette, kArea, 6);
  EXPECT_EQ(edge, QPoint(1280 - 140, 43));
  // Always inside, also when the anchor's top is low on the screen.
  const QPoint low = ui::besideFrame({10, 700, 660, 300}, palette, kArea, 6);
  EXPECT_TRUE(kArea.contains(QRect(low, palette)));
  EXPECT_EQ(low.x(), 676);
}

TEST(WindowPlacement, AvailableAreaComesFromTheScreenOrWhatTestsSet) {
  ui::Environment env;
  EXPECT_TRUE(QRect(QPoint(0, 0), env.screenSize()).contains(env.availableArea()) ||
              !env.availableArea().isEmpty());
  env.setScreenSize(QSize(800, 600));
  EXPECT_EQ(env.availableArea(), QRect(0, 0, 800, 600));
  env.setAvailableArea(kArea);
  EXPECT_EQ(env.availableArea(), kArea);
  env.setAvailableArea(std::nullopt);
  EXPECT_EQ(env.availableArea(), QRect(0, 0, 800, 600));
}

TEST(WindowPlacement, EveryWindowShownLiesInsideTheAvailableArea) {
  testing_support::TestUi t;
  t.environment().setAvailableArea(kArea);
  ui::keepWindowsOnScreen();
  ui::keepWindowsOnScreen();  // once is enough; twice does no harm

  // Placed partly off the bottom right: moved in.
  QWidget placed;
  placed.resize(760, 520);
  placed.move(900, 700);
  placed.show();
  EXPECT_TRUE(kArea.contains(ui::frameRect(placed)));
  // Shown again after the user dragged it off the left: moved in again.
  placed.hide();
  placed.move(-300, 100);
  placed.show();
  EXPECT_TRUE(kArea.contains(ui::frameRect(placed)));
  EXPECT_EQ(placed.pos(), QPoint(0, 100));

  // Never placed: centred rather than left to chance.
  QWidget loose;
  loose.resize(400, 300);
  loose.show();
  EXPECT_TRUE(kArea.contains(ui::frameRect(loose)));
  EXPECT_LE(std::abs(ui::frameRect(loose).center().x() - kArea.center().x()), 1);
  EXPECT_LE(std::abs(ui::frameRect(loose).center().y() - kArea.center().y()), 1);

  // Never placed, with a palette that stays on top in the middle: beside it.
  QWidget palette(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint);
  palette.resize(132, 540);
  palette.move(kArea.center().x() - 66, 40);
  palette.show();
  QWidget browser;
  browser.resize(500, 400);
  browser.show();
  EXPECT_TRUE(kArea.contains(ui::frameRect(browser)));
  EXPECT_FALSE(ui::frameRect(browser).intersects(ui::frameRect(palette)));
  palette.hide();

  // Larger than the area: made to fit.
  QWidget huge;
  huge.resize(2000, 1500);
  huge.move(10, 10);
  huge.show();
  EXPECT_TRUE(kArea.contains(ui::frameRect(huge)));

  // A dialog keeps the place Qt gave it when that is inside.
  QDialog dialog;
  dialog.resize(300, 200);
  dialog.move(200, 200);
  dialog.show();
  EXPECT_EQ(dialog.pos(), QPoint(200, 200));
  for (QWidget* w : std::initializer_list<QWidget*>{&placed, &loose, &huge, &dialog}) w->hide();
}

TEST(WindowPlacement, FrameMarginsAreEstimatedBeforeTheWindowIsFramed) {
  QWidget w;
  w.resize(300, 200);
  w.move(50, 60);
  const QMargins m = ui::frameMargins(w);
  EXPECT_GT(m.top(), m.bottom());  // the title bar
  EXPECT_GE(m.left(), 0);
  EXPECT_EQ(ui::frameRect(w), QRect(QPoint(50, 60), QSize(300, 200).grownBy(m)));
}
