#include <gtest/gtest.h>

#include <QSet>

#include "app/Windows.h"

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
