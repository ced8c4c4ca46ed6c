#include <gtest/gtest.h>

#include "FrameFiles.h"
#include "animation/engine/FrameList.h"
#include "animation/engine/ListFile.h"
#include "support/FileSizeLimit.h"
#include "support/ReadOnlyMount.h"

using animation::FrameList;
using animation::ListFileError;
using animation::listFileText;
using animation::parseListText;
using animation::readListFile;
using animation::writeListFile;
using Lines = std::vector<std::string>;

TEST(ListFile, AnyLineEndEndsALineAndTheLastAddsNoEntry) {
  EXPECT_EQ(parseListText(""), Lines{});
  EXPECT_EQ(parseListText("a"), (Lines{"a"}));
  EXPECT_EQ(parseListText("a\r\n"), (Lines{"a"}));
  EXPECT_EQ(parseListText("a\rb\nc\r\nd"), (Lines{"a", "b", "c", "d"}));
  // Empty lines are entries; LF CR is two line ends, CR LF one.
  EXPECT_EQ(parseListText("\r\n"), (Lines{""}));
  EXPECT_EQ(parseListText("a\r\n\r\n"), (Lines{"a", ""}));
  EXPECT_EQ(parseListText("a\n\rb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(parseListText("a\r\r\nb\n\n"), (Lines{"a", "", "b", ""}));
  // Other bytes, NUL included, are the entry's own.
  EXPECT_EQ(parseListText(std::string_view("x\0y\t \xE9\n", 7)),
            (Lines{std::string("x\0y\t \xE9", 6)}));
}

TEST(ListFile, EveryLineEndsWithCrLf) {
  EXPECT_EQ(listFileText({}), "");
  EXPECT_EQ(listFileText({""}), "\r\n");
  EXPECT_EQ(listFileText({"/f/a.bmp", "", "/f/a.bmp"}), "/f/a.bmp\r\n\r\n/f/a.bmp\r\n");
  // A line break inside an entry would load as two entries.
  EXPECT_THROW(listFileText({"ok", "two\nlines"}), ListFileError);
  EXPECT_THROW(listFileText({"cr\r"}), ListFileError);
}

using ListFileOnDisk = animation_test::FrameFolder;

TEST_F(ListFileOnDisk, SavedListLoadsAsTheSameLinesAllUnmarked) {
  FrameList list;
  list.appendMarked({path("MyAnimation000.bmp"), path("Grüße 1.bmp")});
  list.append({"", "relative.bmp", path("MyAnimation000.bmp")});
  const std::string file = path("play.lst");
  writeListFile(file, list.lines());
  EXPECT_EQ(bytesOf(file).size(), listFileText(list.lines()).size());

  FrameList loaded;
  loaded.appendMarked({"something before"});
  loaded.replace(readListFile(file));
  EXPECT_EQ(loaded.lines(), list.lines());
  EXPECT_EQ(loaded.markedCount(), 0);

  // An empty list is an empty file, and loads as an empty list.
  writeListFile(file, {});
  EXPECT_TRUE(bytesOf(file).empty());
  EXPECT_EQ(readListFile(file), Lines{});
}

TEST_F(ListFileOnDisk, ListsFromOtherSystemsLoad) {
  writeText(path("unix.lst"), "/a/1.bmp\n/a/2.bmp\n");
  writeText(path("mac.lst"), "/a/1.bmp\r/a/2.bmp");
  EXPECT_EQ(readListFile(path("unix.lst")), (Lines{"/a/1.bmp", "/a/2.bmp"}));
  EXPECT_EQ(readListFile(path("mac.lst")), (Lines{"/a/1.bmp", "/a/2.bmp"}));
}

TEST_F(ListFileOnDisk, FailuresNameTheFileAndKeepTheOldOne) {
  const std::string missing = path("missing.lst");
  try {
    readListFile(missing);
    FAIL() << "a missing list loaded";
  } catch (const ListFileError& e) {
    EXPECT_NE(std::string(e.what()).find(missing), std::string::npos) << e.what();
  }
  EXPECT_THROW(readListFile(folder()), ListFileError);

  const std::string file = path("play.lst");
  writeListFile(file, {"keep me"});
  const Lines big(5000, std::string(200, 'x'));
  {
    // A nearly full disk: the new list does not fit.
    testing_support::FileSizeLimit limit(64 * 1024);
    try {
      writeListFile(file, big);
      FAIL() << "a list larger than the disk was saved";
    } catch (const ListFileError& e) {
      EXPECT_NE(std::string(e.what()).find(file), std::string::npos) << e.what();
    }
  }
  EXPECT_EQ(readListFile(file), (Lines{"keep me"}));
  EXPECT_EQ(strayFiles({file}), Lines{});
  // An entry that cannot be written leaves the file alone too.
  EXPECT_THROW(writeListFile(file, {"a\nb"}), ListFileError);
  EXPECT_EQ(readListFile(file), (Lines{"keep me"}));
}

TEST(ListFileReadOnly, SavingIntoAReadOnlyFolderNamesTheFile) {
  testing_support::ReadOnlyMount mount;
  if (!mount.available()) GTEST_SKIP() << "cannot mount a read-only folder here";
  const std::string file = mount.path(QStringLiteral("play.lst")).toStdString();
  try {
    writeListFile(file, {"a"});
    FAIL() << "saved into a read-only folder";
  } catch (const ListFileError& e) {
    EXPECT_NE(std::string(e.what()).find(file), std::string::npos) << e.what();
  }
}
