// The window itself: rolling up and down, the two preset widths, the tool
// bar toggle, the window's scroll bars and the stay-on-top state.
#include <QAction>
#include <QCoreApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>

#include "app/TPbook1.h"
#include "app/Windows.h"
#include "platform/ui/Services.h"
#include "platform/ui/ShapeControl.h"

void TPbook1::stepHeight(int target, int step) {
  const int from = height();
  auto apply = [this](int h) {
    resize(width(), h);
    // Let the new height show before the next step (no user input meanwhile).
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  };
  if (target < from) {
    for (int h = from - 1; h > target; --h)
      if (h % step == 0) apply(h);
  } else {
    for (int h = from + 1; h < target; ++h)
      if (h % step == 0) apply(h);
  }
  resize(width(), target);
}

void TPbook1::rollupbook() {
  // Rolled up, only the bars above the picture remain.
  const int target = ScrollBox1->y() + 110;
  if (height() > target)
    stepHeight(target, 20);
  else
    resize(width(), target);
}

void TPbook1::rolldownbook() {
  constexpr int kFullHeight = 560;
  if (height() < kFullHeight)
    stepHeight(kFullHeight, 40);
  else
    resize(width(), kFullHeight);
  if (ui::environment().screenSize().height() < height()) {
    VerticalScrollBArs1->setChecked(true);
    Shape13->show();
    setWindowScrollBars(Qt::Vertical, true);
  }
}

void TPbook1::SpeedButton8Click() {
  constexpr int kWide = 640;
  resize(kWide, height());
  const int screenWidth = ui::environment().screenSize().width();
  if (x() + kWide > screenWidth) move(screenWidth - kWide, y());
}

void TPbook1::SpeedButton9Click() { resize(380, height()); }

// The menu item's check mark says whether the tool bar shows.
void TPbook1::Toolbar3Click() { CoolBar2->setVisible(Toolbar3->isChecked()); }

void TPbook1::ToolBar1Click() {
  CoolBar2->hide();
  Toolbar3->setChecked(false);
}

void TPbook1::HorizontalScrollBars1Click() {
  const bool on = HorizontalScrollBars1->isChecked();
  Shape13->setVisible(on);
  setWindowScrollBars(Qt::Horizontal, on);
}

void TPbook1::VerticalScrollBArs1Click() {
  const bool on = VerticalScrollBArs1->isChecked();
  Shape13->setVisible(on);
  setWindowScrollBars(Qt::Vertical, on);
}

void TPbook1::setWindowScrollBars(Qt::Orientation orientation, bool on) {
  const Qt::ScrollBarPolicy policy = on ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
  QWidget* form = formScroll_->widget();
  // With its bar on, the window scrolls over its full layout instead of
  // squeezing it.
  if (orientation == Qt::Vertical) {
    formScroll_->setVerticalScrollBarPolicy(policy);
    form->setMinimumHeight(on ? form->sizeHint().height() : 0);
  } else {
    formScroll_->setHorizontalScrollBarPolicy(policy);
    form->setMinimumWidth(on ? form->sizeHint().width() : 0);
  }
}

bool TPbook1::verticalScrollBarShown() const {
  return formScroll_->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn;
}

bool TPbook1::horizontalScrollBarShown() const {
  return formScroll_->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn;
}

void TPbook1::NoneStayonTop1Click() {
  for (QWidget* w : app::windows().all()) {
    if (!w || !w->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) continue;
    const bool shown = w->isVisible();
    w->setWindowFlag(Qt::WindowStaysOnTopHint, false);  // hides a shown window
    if (shown) w->show();
  }
}
