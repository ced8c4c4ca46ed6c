#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "FrameFiles.h"
#include "animation/engine/PlayListMaker.h"

using animation::findNumberedRun;
using animation::numberedListName;
using Lines = std::vector<std::string>;

TEST(PlayListMaker, NamesArePlainDecimal) {
  EXPECT_EQ(numberedListName("/f", "MyAnimation", 1), "/f/MyAnimation1.bmp");
  EXPECT_EQ(numberedListName("/f/", "MyAnimation", 10), "/f/MyAnimation10.bmp");
  EXPECT_EQ(numberedListName("/", "x", -3), "/x-3.bmp");
  EXPECT_EQ(numberedListName("/f", "MyAnimation", 0, ".BMP"), "/f/MyAnimation0.BMP");
}

using PlayListMakerFiles = animation_test::FrameFolder;

TEST_F(PlayListMakerFiles, ARunOfOneNumberAddsNothing) {
  writeFrame("MyAnimation1.bmp", 8, 8);
  for (const auto& [first, last] : {std::pair{1, 1}, std::pair{3, 1}, std::pair{0, -5}}) {
    const animation::NumberedRun run =
        findNumberedRun(folder().string(), "MyAnimation", first, last);
    EXPECT_TRUE(run.found.empty()) << first << ".." << last;
    EXPECT_FALSE(run.missing) << first << ".." << last;
  }
}

// Files 1 and 2 are there, 3 is not: two entries, then "File does not exist".
TEST_F(PlayListMakerFiles, TheFirstMissingFileStopsTheRunKeepingWhatWasFound) {
  const std::string one = writeFrame("MyAnimation1.bmp", 8, 8);
  const std::string two = writeFrame("MyAnimation2.bmp", 8, 8);
  writeFrame("MyAnimation4.bmp", 8, 8);
  const animation::NumberedRun run = findNumberedRun(folder().string(), "MyAnimation", 1, 3);
  EXPECT_EQ(run.found, (Lines{one, two}));
  ASSERT_TRUE(run.missing);
  EXPECT_EQ(*run.missing, path("MyAnimation3.bmp"));

  // A folder is not a frame file.
  animation_test::fs::create_directory(path("MyAnimation3.bmp"));
  EXPECT_EQ(*findNumberedRun(folder().string(), "MyAnimation", 1, 5).missing,
            path("MyAnimation3.bmp"));
  // Nothing found at all.
  const animation::NumberedRun none = findNumberedRun(folder().string(), "Other", 1, 3);
  EXPECT_TRUE(none.found.empty());
  EXPECT_EQ(*none.missing, path("Other1.bmp"));
}

// The spin edits have no bounds: a run up to the largest number ends.
TEST(PlayListMaker, ARunToTheLargestNumberEnds) {
  const std::set<std::string> present = {numberedListName("/f", "x", INT_MAX - 1),
                                         numberedListName("/f", "x", INT_MAX)};
  int asked = 0;
  const animation::NumberedRun run =
      findNumberedRun("/f", "x", INT_MAX - 1, INT_MAX, [&](const std::string& name) {
        ++asked;
        return present.count(name) > 0;
      });
  EXPECT_EQ(run.found.size(), 2u);
  EXPECT_FALSE(run.missing);
  EXPECT_EQ(asked, 2);
}
