// The drive, directory and file lists.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <algorithm>

#include "platform/ui/DirectoryListBox.h"
#include "platform/ui/DriveComboBox.h"
#include "platform/ui/Drives.h"
#include "platform/ui/FileListBox.h"

namespace {

class Folder : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"A.JPG", "b.bmp", "c.Bmp", "d.gif", ".hidden.bmp", "frame.bmp.txt"})
      touch(dir.filePath(name));
    QDir(dir.path()).mkpath("Sub.bmp/inner");
    QDir(dir.path()).mkpath("alpha");
    touch(dir.filePath("Sub.bmp/x.bmp"));
  }
  static void touch(const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  QTemporaryDir dir;
};

}  // namespace

TEST_F(Folder, FileListShowsMatchingFilesInAnyCaseSorted) {
  ui::FileListBox list;
  int changes = 0;
  QObject::connect(&list, &ui::FileListBox::changed, [&] { ++changes; });
  list.setMask("*.bmp;*.jpg");
  list.setDirectory(dir.path());
  EXPECT_EQ(list.names(), (QStringList{"A.JPG", "b.bmp", "c.Bmp"}));
  EXPECT_GE(changes, 2);

  list.setMask("*.bmp;");
  EXPECT_EQ(list.names(), (QStringList{"b.bmp", "c.Bmp"}));
  list.setMask("*.*");
  EXPECT_EQ(list.names(), (QStringList{"A.JPG", "b.bmp", "c.Bmp", "d.gif", "frame.bmp.txt"}));

  // A file that appears shows after refresh.
  touch(dir.filePath("B2.BMP"));
  list.setMask("*.bmp");
  EXPECT_EQ(list.names(), (QStringList{"b.bmp", "B2.BMP", "c.Bmp"}));
}

TEST_F(Folder, FileListMultipleSelectionGivesFullPathsInListOrder) {
  ui::FileListBox list;
  list.setMultiSelect(true);
  list.setMask("*.bmp;*.jpg");
  list.setDirectory(dir.path());
  list.item(2)->setSelected(true);
  list.item(0)->setSelected(true);
  EXPECT_EQ(list.selectedPaths(), (QStringList{dir.filePath("A.JPG"), dir.filePath("c.Bmp")}));
  list.setCurrentRow(1);
  EXPECT_EQ(list.fileName(), dir.filePath("b.bmp"));
  list.setCurrentRow(-1);
  EXPECT_EQ(list.fileName(), QString());
}

TEST_F(Folder, DirectoryListNavigatesAndTheFileListFollows) {
  ui::DirectoryListBox dirs;
  ui::FileListBox files;
  files.setMask("*.bmp");
  dirs.setFileList(&files);
  ASSERT_TRUE(dirs.setDirectory(dir.path()));
  EXPECT_EQ(files.names(), (QStringList{"b.bmp", "c.Bmp"}));

  // Ancestors first, the current folder selected, then its subfolders.
  EXPECT_EQ(dirs.folderAt(0), QDir::rootPath());
  EXPECT_EQ(dirs.folderAt(dirs.currentRow()), QDir(dir.path()).absolutePath());
  EXPECT_EQ(dirs.folderAt(dirs.count() - 2), dir.filePath("alpha"));
  EXPECT_EQ(dirs.folderAt(dirs.count() - 1), dir.filePath("Sub.bmp"));

  // Opening a line (double click or Enter).
  emit dirs.itemActivated(dirs.item(dirs.count() - 1));
  EXPECT_EQ(dirs.directory(), dir.filePath("Sub.bmp"));
  EXPECT_EQ(files.names(), QStringList{"x.bmp"});
  // Going up through an ancestor line.
  emit dirs.itemActivated(dirs.item(dirs.currentRow() - 1));
  EXPECT_EQ(dirs.directory(), QDir(dir.path()).absolutePath());

  EXPECT_FALSE(dirs.setDirectory(dir.filePath("missing")));
  EXPECT_EQ(dirs.directory(), QDir(dir.path()).absolutePath());
  // The drive it is already on keeps the folder.
  dirs.setDrive(ui::driveOf(dir.path()));
  EXPECT_EQ(dirs.directory(), QDir(dir.path()).absolutePath());
}

TEST(Drives, RootAndUserVolumesOnly) {
  const auto drives = ui::listDrives();
  ASSERT_FALSE(drives.empty());
  EXPECT_TRUE(std::any_of(drives.begin(), drives.end(), [](const ui::Drive& d) { return d.root == "/"; }));
  for (const ui::Drive& d : drives) EXPECT_TRUE(d.root.endsWith('/'));
  EXPECT_FALSE(ui::isUserVolume("/proc", "proc"));
  EXPECT_FALSE(ui::isUserVolume("/sys/fs/cgroup", "cgroup2"));
  EXPECT_FALSE(ui::isUserVolume("/run/user/1000", "ext4"));
  EXPECT_TRUE(ui::isUserVolume("/media/usb", "vfat"));
  EXPECT_TRUE(ui::isUserVolume("/run/media/me/CARD", "exfat"));
  EXPECT_TRUE(ui::isUserVolume("/", "overlay"));

  ui::DriveComboBox box;
  box.setDrive("/");
  EXPECT_EQ(box.drive(), "/");
}

namespace {

// The lines of a list that are whole in its view.
std::vector<int> rowsInSight(const QListWidget& list) {
  std::vector<int> rows;
  for (int i = 0; i < list.count(); ++i)
    if (list.viewport()->rect().contains(list.visualItemRect(list.item(i)))) rows.push_back(i);
  return rows;
}

bool inSight(const QListWidget& list, int row) {
  const std::vector<int> rows = rowsInSight(list);
  return std::find(rows.begin(), rows.end(), row) != rows.end();
}

}  // namespace

TEST_F(Folder, DirectoryListShowsThePathAndTheSubfoldersAtOnce) {
  for (int i = 0; i < 12; ++i) QDir(dir.path()).mkpath(QStringLiteral("deep/a/b/c/d/e/sub%1").arg(i, 2, 10, QChar('0')));
  for (int i = 0; i < 3; ++i) QDir(dir.path()).mkpath(QStringLiteral("few%1").arg(i));
  ui::DirectoryListBox dirs;
  dirs.resize(240, 8 * dirs.sizeHintForRow(0) + 2 * dirs.frameWidth());
  dirs.show();
  const int rows = int(rowsInSight(dirs).size());
  ASSERT_GE(rows, 7);

  // A shallow folder: where everything fits, all of it from the root down.
  ASSERT_TRUE(dirs.setDirectory(dir.filePath("few0/..")));
  const int current = dirs.currentRow();
  if (dirs.count() <= rows) {
    EXPECT_TRUE(inSight(dirs, 0));
    EXPECT_TRUE(inSight(dirs, dirs.count() - 1));
  }
  EXPECT_TRUE(inSight(dirs, current));
  EXPECT_TRUE(inSight(dirs, current + 1));

  // A deep folder with many subfolders: the current folder no lower than the
  // middle, subfolders below it, the nearest part of the path above it.
  ASSERT_TRUE(dirs.setDirectory(dir.filePath("deep/a/b/c/d/e")));
  const int deep = dirs.currentRow();
  ASSERT_GT(dirs.count() - 1 - deep, rows);
  EXPECT_TRUE(inSight(dirs, deep));
  EXPECT_TRUE(inSight(dirs, deep - 1));  // "d", the parent
  for (int below = 1; below <= rows / 2; ++below)
    EXPECT_TRUE(inSight(dirs, deep + below)) << below;
  EXPECT_EQ(dirs.folderAt(deep + 1), dir.filePath("deep/a/b/c/d/e/sub00"));

  // Shown again (the browser reopened): still in sight.
  dirs.hide();
  dirs.verticalScrollBar()->setValue(0);
  dirs.show();
  EXPECT_TRUE(inSight(dirs, deep));
  EXPECT_TRUE(inSight(dirs, deep + 1));
}
