#include <gtest/gtest.h>

#include <QSet>
#include <stdexcept>
#include <vector>

#include "app/Toptions1.h"
#include "app/Windows.h"
#include "app/interface/MainWindow.h"

TEST(WindowRegistry, CreatesEveryWindowOnceHiddenInOrderWithItsNameAndCaption) {
  app::createWindows();
  const std::vector<QWidget*> all = app::windows().all();
  ASSERT_EQ(all.size(), 30u);
  QSet<QString> names;
  for (QWidget* w : all) {
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    EXPECT_TRUE(w->objectName().startsWith('T'));
    names.insert(w->objectName());
  }
  EXPECT_EQ(names.size(), 30);
  EXPECT_EQ(all.front()->objectName(), "TPbook1");
  EXPECT_EQ(all.back()->objectName(), "TAVICAP");
  EXPECT_EQ(all.front()->windowTitle(), "TEMP.BMP");
  EXPECT_EQ(all[1]->windowTitle(), "Tools");
  EXPECT_EQ(all[5]->windowTitle(), "Use a stretch of gradient color ");
  EXPECT_EQ(all[20]->windowTitle(), "File names already in use ");
  app::destroyWindows();
  EXPECT_EQ(app::windows().Pbook1, nullptr);
}

TEST(WindowRegistry, ATeardownFindsEachWindowGoneBeforeItIsDestroyed) {
  app::createWindows();
  EXPECT_THROW(app::createWindows(), std::logic_error);
  // What runs while a window is destroyed (here: its destroyed signal) finds
  // that window's slot and those of every window made after it empty, and
  // the windows made before it still there.
  std::vector<int> order;
  const std::vector<QWidget*> made = app::windows().all();
  for (std::size_t i = 0; i < made.size(); ++i)
    QObject::connect(made[i], &QObject::destroyed, [i, &order] {
      const std::vector<QWidget*> now = app::windows().all();
      for (std::size_t j = 0; j < now.size(); ++j)
        EXPECT_EQ(now[j] == nullptr, j >= i) << "window " << j << " while " << i << " goes";
      EXPECT_EQ(app::findMainWindow() == nullptr, i == 0);
      order.push_back(int(i));
    });
  app::destroyWindows();
  ASSERT_EQ(order.size(), made.size());
  EXPECT_EQ(order.front(), int(made.size()) - 1);
  EXPECT_EQ(order.back(), 0);
  EXPECT_THROW(app::mainWindow(), std::logic_error);
}

TEST(WindowRegistry, AWindowDestroyedOutsideTheTeardownLeavesNoDanglingSlot) {
  app::createWindows();
  delete app::windows().options1;
  EXPECT_EQ(app::windows().options1, nullptr);
  app::destroyWindows();
}
