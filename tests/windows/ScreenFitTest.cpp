// What a new user sees: the palette beside the main window, the side panel
// in sight, every window inside the screen's available area, and every
// caption and number shown whole.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>

#include "platform/gdi/Bitmap.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/Services.h"
#include "platform/ui/WindowPlacement.h"
#include "support/windows/StudioFixture.h"
#include "tools/windows/TForm3.h"

using testing_support::Studio;
using testing_support::onScreen;

namespace {

void settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

QString nameOf(const QWidget* w) {
  if (!w->objectName().isEmpty()) return w->objectName();
  if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
  if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
  return QString::fromLatin1(w->metaObject()->className());
}

// Controls shown inside `root` smaller than their caption or widest number
// needs; with `withinRoot`, also those cut by the edge of `root` itself.
QStringList cutCaptions(QWidget* root, bool withinRoot = false) {
  QStringList cut;
  for (QWidget* w : root->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(root) || w->size().isEmpty()) continue;
    QSize need;
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
      if (b->text().isEmpty()) continue;
      if (auto* t = qobject_cast<QToolButton*>(b); t && t->toolButtonStyle() == Qt::ToolButtonIconOnly) continue;
      need = b->sizeHint();
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
      if (l->text().isEmpty()) continue;
      need = l->wordWrap() ? QSize(0, l->heightForWidth(l->width())) : l->minimumSizeHint();
    } else if (auto* s = qobject_cast<QAbstractSpinBox*>(w)) {
      need = s->sizeHint();
    } else {
      continue;
    }
    if (w->width() < need.width() || w->height() < need.height())
      cut << QStringLiteral("%1 is %2x%3, needs %4x%5")
                 .arg(nameOf(w)).arg(w->width()).arg(w->height()).arg(need.width()).arg(need.height());
    else if (withinRoot && !root->rect().contains(QRect(w->mapTo(root, QPoint(0, 0)), w->size())))
      cut << QStringLiteral("%1 runs past the window's edge").arg(nameOf(w));
  }
  return cut;
}

std::string joined(const QStringList& list) { return list.join(QStringLiteral("; ")).toStdString(); }

// The side panel lies whole inside the main window's width.
void expectSidePanelInSight(TPbook1& m) {
  settle();
  ASSERT_TRUE(m.CoolBar1->isVisible());
  const QRect panel(m.CoolBar1->mapTo(&m, QPoint(0, 0)), m.CoolBar1->size());
  EXPECT_GE(panel.left(), 0);
  EXPECT_LE(panel.right(), m.width() - 1) << "window " << m.width() << " wide";
  EXPECT_TRUE(m.undoptb1->isVisible());
  const QRect undo(m.undoptb1->mapTo(&m, QPoint(0, 0)), m.undoptb1->size());
  EXPECT_LE(undo.right(), m.width() - 1);
}

}  // namespace

TEST(ScreenFit, ThePaletteStartsBesideTheMainWindowsFrame) {
  Studio studio(onScreen(1280, 1024));
  settle();
  TForm3& palette = *app::windows().Form3;
  const QRect main = ui::frameRect(studio.main());
  const QRect tools = ui::frameRect(palette);
  EXPECT_FALSE(main.intersects(tools));
  EXPECT_GT(tools.left(), main.right());
  EXPECT_LE(tools.left() - main.right(), 12);
  EXPECT_EQ(tools.top(), main.top());
  EXPECT_TRUE(ui::environment().availableArea().contains(tools));
}

TEST(ScreenFit, WithoutRoomBesideThePaletteStaysOnTheScreen) {
  Studio studio(onScreen(780, 600));
  settle();
  const QRect tools = ui::frameRect(*app::windows().Form3);
  EXPECT_TRUE(QRect(0, 0, 780, 600).contains(tools));
  // Against the right edge (placed while its frame was still estimated).
  EXPECT_GE(tools.right(), 779 - 8);
}

TEST(ScreenFit, TheSidePanelIsInSightAtStartAndInNarrowWindows) {
  {
    Studio studio(onScreen(1024, 768));
    expectSidePanelInSight(studio.main());
    // "Narrow Window".
    studio.main().SpeedButton9->click();
    expectSidePanelInSight(studio.main());
    // A tiny picture makes the window 300 wide.
    studio.main().ptbox1->setBitmap(gdi::Bitmap(10, 10));
    studio.main().initpages();
    EXPECT_EQ(studio.main().width(), std::max(300, studio.main().minimumWidth()));
    expectSidePanelInSight(studio.main());
  }
  Studio low(onScreen(800, 480));
  expectSidePanelInSight(low.main());
}

TEST(ScreenFit, EveryWindowShownLiesInsideTheAvailableArea) {
  Studio studio(onScreen(1024, 768));
  studio.ui().environment().setAvailableArea(QRect(0, 30, 1024, 700));
  const QRect area = ui::environment().availableArea();
  for (QWidget* w : app::windows().all()) {
    // Placed far off the screen, or never placed: inside once shown.
    w->hide();
    if (w->objectName() != QLatin1String("Tpicform1")) w->move(5000, 4000);
    w->show();
    settle();
    EXPECT_TRUE(area.contains(ui::frameRect(*w)))
        << w->objectName().toStdString() << " at " << w->x() << "," << w->y() << " " << w->width() << "x"
        << w->height();
    w->hide();
  }
}

TEST(ScreenFit, EveryCaptionAndNumberShowsWhole) {
  Studio studio;
  // Every window as it first shows.
  for (QWidget* w : app::windows().all()) {
    const bool wasShown = w->isVisible();
    w->show();
    settle();
    EXPECT_TRUE(cutCaptions(w).isEmpty()) << w->objectName().toStdString() << ": " << joined(cutCaptions(w));
    if (!wasShown) w->hide();
  }
}

TEST(ScreenFit, EveryPageAndSidePanelOfTheMainWindowShowsItsCaptionsWhole) {
  Studio studio;
  TPbook1& m = studio.main();
  m.pastepanel1->show();
  m.zmpanel1->show();
  m.coord1->show();
  for (int i = 0; i < m.PageControl1->count(); ++i) {
    m.PageControl1->setCurrentIndex(i);
    settle();
    EXPECT_TRUE(cutCaptions(&m).isEmpty()) << m.PageControl1->tabText(i).toStdString() << ": "
                                           << joined(cutCaptions(&m));
  }
  // The side panel keeps one width whatever it shows.
  const int width = m.CoolBar1->width();
  m.pastepanel1->hide();
  m.zmpanel1->hide();
  settle();
  EXPECT_EQ(m.CoolBar1->width(), width);
}

TEST(ScreenFit, ThePalettesPanelsAndHintsShowWhole) {
  Studio studio;
  TForm3& f = *app::windows().Form3;
  settle();
  EXPECT_TRUE(cutCaptions(&f, true).isEmpty()) << joined(cutCaptions(&f, true));
  for (QWidget* panel : {f.Panel3, f.pmoverpanel1, f.Panel7, f.Panel8}) {
    f.openPanel(panel);
    settle();
    EXPECT_TRUE(cutCaptions(&f, true).isEmpty()) << panel->objectName().toStdString() << ": "
                                                 << joined(cutCaptions(&f, true));
    panel->hide();
  }
  f.setPanel9Left(0);
  settle();
  EXPECT_TRUE(cutCaptions(&f, true).isEmpty()) << "Panel9: " << joined(cutCaptions(&f, true));
  f.setPanel9Left(TForm3::kPanel9HiddenLeft);

  // Every hint of the palette fits its status bar, the longest included.
  QStringList hints;
  for (const QWidget* w : f.findChildren<QWidget*>())
    if (!w->statusTip().isEmpty()) hints << w->statusTip();
  ASSERT_TRUE(hints.contains("Special Outline Circlular Area"));
  for (const QString& hint : hints) {
    f.showHint(hint);
    EXPECT_EQ(f.StatusText->text(), hint);
    EXPECT_LE(f.StatusText->heightForWidth(f.StatusText->width()), f.StatusText->height()) << hint.toStdString();
    EXPECT_TRUE(f.rect().contains(QRect(f.StatusText->mapTo(&f, QPoint(0, 0)), f.StatusText->size())));
  }
  // Below everything else of the palette.
  EXPECT_GT(f.StatusBar1->y(), f.Panel6->geometry().bottom());
}

TEST(ScreenFit, TheToolTipsOfThePaletteShowOverAnInactiveWindow) {
  Studio studio;
  EXPECT_TRUE(app::windows().Form3->testAttribute(Qt::WA_AlwaysShowToolTips));
  EXPECT_TRUE(studio.main().testAttribute(Qt::WA_AlwaysShowToolTips));
}
