// Classic dialog filters, default extensions and file masks.
#include <gtest/gtest.h>

#include "platform/ui/FileFilter.h"
#include "platform/ui/FileMask.h"

TEST(FileFilter, ClassicFiltersBecomeQtNameFilters) {
  const auto entries =
      ui::parseFileFilter("List File (*.LST)|*.LST|All Files  (List of FileNames  OK )|*.*");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].description, "List File (*.LST)");
  EXPECT_EQ(entries[0].patterns, QStringList{"*.LST"});
  // A description whose parentheses are not its patterns gets them appended.
  EXPECT_EQ(ui::toQtNameFilters(entries),
            (QStringList{"List File (*.LST)", "All Files  (List of FileNames  OK ) (*)"}));

  const auto several = ui::parseFileFilter("Pictures|*.bmp;*.jpg");
  EXPECT_EQ(ui::toQtNameFilters(several), QStringList{"Pictures (*.bmp *.jpg)"});
  // A bare pattern is its own entry.
  const auto bare = ui::parseFileFilter("*.jpg");
  ASSERT_EQ(bare.size(), 1u);
  EXPECT_EQ(ui::toQtNameFilters(bare), QStringList{"*.jpg (*.jpg)"});
  EXPECT_TRUE(ui::parseFileFilter("").empty());
}

TEST(FileFilter, DefaultExtensionOnlyWhenTheNameHasNone) {
  EXPECT_EQ(ui::withDefaultExtension("/tmp/frame", "BMP"), "/tmp/frame.BMP");
  EXPECT_EQ(ui::withDefaultExtension("/tmp/frame.bmp", "BMP"), "/tmp/frame.bmp");
  EXPECT_EQ(ui::withDefaultExtension("/tmp/list.txt", "LST"), "/tmp/list.txt");
  // A dot in a folder name is not an extension.
  EXPECT_EQ(ui::withDefaultExtension("/tmp/my.pics/frame", ".bmp"), "/tmp/my.pics/frame.bmp");
  EXPECT_EQ(ui::withDefaultExtension("/tmp/frame", ""), "/tmp/frame");
  EXPECT_EQ(ui::withDefaultExtension("", "BMP"), "");
}

TEST(FileMask, SeveralPatternsMatchInAnyLetterCase) {
  const ui::FileMask browser("*.jpg;*.bmp;*.wmf;*.emf;*.ico");
  EXPECT_TRUE(browser.matches("HOLIDAY.JPG"));
  EXPECT_TRUE(browser.matches("b1.Bmp"));
  EXPECT_TRUE(browser.matches("logo.ico"));
  EXPECT_FALSE(browser.matches("anim.gif"));
  EXPECT_FALSE(browser.matches("photo.jpg.txt"));
  EXPECT_FALSE(browser.matches("jpg"));

  const ui::FileMask trailing("*.bmp;");
  EXPECT_EQ(trailing.patterns(), QStringList{"*.bmp"});
  EXPECT_TRUE(trailing.matches("frame001.BMP"));

  EXPECT_TRUE(ui::FileMask("*.*").matches("README"));
  EXPECT_TRUE(ui::FileMask("?.bmp").matches("A.BMP"));
  EXPECT_FALSE(ui::FileMask("?.bmp").matches("AB.BMP"));
  EXPECT_FALSE(ui::FileMask("").matches("a.bmp"));
  // Brackets are literal enough not to break the expression.
  EXPECT_TRUE(ui::FileMask("*.bmp").matches("[1] (copy).bmp"));
}
