// The window itself: rolling up and down, preset widths, tool bar and scroll
// bar toggles, stay-on-top.
#include <gtest/gtest.h>

#include <QAction>
#include <QEvent>
#include <QResizeEvent>
#include <QScrollArea>
#include <QToolBar>
#include <QToolButton>

#include "app/Tclpform1.h"
#include "platform/ui/ShapeControl.h"
#include "support/windows/StudioFixture.h"

using testing_support::Studio;
using testing_support::StudioOptions;

namespace {

// Records every height the watched window is given.
class HeightRecorder : public QObject {
 public:
  explicit HeightRecorder(QWidget* w) { w->installEventFilter(this); }
  std::vector<int> heights;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Resize) {
      auto* r = static_cast<QResizeEvent*>(e);
      if (r->size().height() != r->oldSize().height()) heights.push_back(r->size().height());
    }
    return false;
  }
};

}  // namespace

TEST(Roll, RollUpStepsDownByTwentiesToTheBarsAboveThePicture) {
  Studio studio;
  TPbook1& m = studio.main();
  m.resize(m.width(), 543);
  HeightRecorder rec(&m);
  m.ToolButton8->click();
  const int target = m.ScrollBox1->y() + 110;
  EXPECT_EQ(m.height(), target);
  ASSERT_GE(rec.heights.size(), 2u);
  EXPECT_EQ(rec.heights.front(), 540);
  EXPECT_EQ(rec.heights.back(), target);
  for (std::size_t i = 0; i + 1 < rec.heights.size(); ++i) EXPECT_EQ(rec.heights[i] % 20, 0);
}

TEST(Roll, RollDownStepsUpByFortiesTo560) {
  Studio studio;
  TPbook1& m = studio.main();
  m.resize(m.width(), 200);
  HeightRecorder rec(&m);
  m.ToolButton9->click();
  EXPECT_EQ(m.height(), 560);
  ASSERT_FALSE(rec.heights.empty());
  EXPECT_EQ(rec.heights.front(), 240);
  for (std::size_t i = 0; i + 1 < rec.heights.size(); ++i) EXPECT_EQ(rec.heights[i] % 40, 0);
  EXPECT_EQ(rec.heights.back(), 560);
  EXPECT_FALSE(m.verticalScrollBarShown());
}

TEST(Roll, RollDownOnALowScreenTurnsTheScrollBarOn) {
  StudioOptions o;
  o.screen = QSize(800, 540);
  Studio studio(o);
  TPbook1& m = studio.main();
  ASSERT_FALSE(m.verticalScrollBarShown());
  m.rollupbook();
  m.rolldownbook();
  EXPECT_EQ(m.height(), 560);
  EXPECT_TRUE(m.verticalScrollBarShown());
  EXPECT_TRUE(m.VerticalScrollBArs1->isChecked());
  EXPECT_TRUE(m.Shape13->isVisible());
}

TEST(Widths, WideAndNarrow) {
  Studio studio;  // 1024 wide
  TPbook1& m = studio.main();
  m.SpeedButton9->click();
  EXPECT_EQ(m.width(), 380);
  m.SpeedButton8->click();
  EXPECT_EQ(m.width(), 640);
  EXPECT_EQ(m.x(), 10);
  m.move(700, m.y());
  m.SpeedButton8->click();
  EXPECT_EQ(m.x(), 1024 - 640);
}

TEST(ToolBar, ClickingTheBarHidesItAndTheMenuBringsItBack) {
  Studio studio;
  TPbook1& m = studio.main();
  Studio::leftClick(m.ToolBar1, QPoint(m.ToolBar1->width() - 3, m.ToolBar1->height() / 2));
  EXPECT_FALSE(m.CoolBar2->isVisible());
  EXPECT_FALSE(m.Toolbar3->isChecked());
  m.Toolbar3->trigger();
  EXPECT_TRUE(m.Toolbar3->isChecked());
  EXPECT_TRUE(m.CoolBar2->isVisible());
}

TEST(ToolBar, ClickingAButtonDoesNotHideTheBar) {
  Studio studio;
  TPbook1& m = studio.main();
  m.ToolButton9->click();
  EXPECT_TRUE(m.CoolBar2->isVisible());
}

TEST(ScrollBars, MenuItemsToggleTheBarsAndTheStrip) {
  Studio studio;
  TPbook1& m = studio.main();
  m.HorizontalScrollBars1->trigger();
  EXPECT_TRUE(m.horizontalScrollBarShown());
  EXPECT_TRUE(m.Shape13->isVisible());
  m.HorizontalScrollBars1->trigger();
  EXPECT_FALSE(m.horizontalScrollBarShown());
  EXPECT_FALSE(m.Shape13->isVisible());
  m.VerticalScrollBArs1->trigger();
  EXPECT_TRUE(m.verticalScrollBarShown());
  EXPECT_TRUE(m.Shape13->isVisible());
  m.VerticalScrollBArs1->trigger();
  EXPECT_FALSE(m.verticalScrollBarShown());
}

TEST(StayOnTop, NoneStayOnTopEndsItForEveryWindowAndKeepsThemShown) {
  Studio studio;
  app::showClipboardMessage();
  Tclpform1* message = app::windows().clpform1;
  ASSERT_TRUE(message->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  studio.main().NoneStayonTop1->trigger();
  EXPECT_FALSE(message->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(message->isVisible());
}
