#include <gtest/gtest.h>

#include "FrameFiles.h"
#include "animation/engine/FrameTarget.h"

using namespace animation;

TEST(FrameTarget, APickedFileOffersItsNameUpToTheFirstDot) {
  EXPECT_EQ(prefixOfPickedFile("frame007.bmp"), "frame007");
  EXPECT_EQ(prefixOfPickedFile("/home/u/my.frames/frame007.bmp"), "frame007");
  EXPECT_EQ(prefixOfPickedFile("/f/shot.2.bmp"), "shot");
  EXPECT_EQ(prefixOfPickedFile("/f/noext"), "noext");
  EXPECT_EQ(prefixOfPickedFile("/f/.hidden"), "");
}

TEST(FrameTarget, ThePrefixIsCutAtTheFirstDotAndTempWhenEmpty) {
  EXPECT_EQ(framePrefix("anim.bmp"), "anim");
  EXPECT_EQ(framePrefix("shot"), "shot");
  EXPECT_EQ(framePrefix("a.b.c"), "a");
  EXPECT_EQ(prefixBoxText(""), "temp");
  EXPECT_EQ(framePrefix(""), "temp");
  // The box's starting text is a mask, not a name.
  EXPECT_EQ(prefixBoxText("*.bmp"), "temp");
  EXPECT_EQ(framePrefix("*.bmp"), "temp");
  EXPECT_EQ(framePrefix("*"), "temp");
  EXPECT_EQ(framePrefix("fr?me.bmp"), "fr?me");
  // A name that is all extension leaves no prefix: frames are just numbers.
  EXPECT_EQ(prefixBoxText(".bmp"), ".bmp");
  EXPECT_EQ(framePrefix(".bmp"), "");
}

TEST(FrameTarget, OneSeparatorStandsBetweenFolderAndPrefix) {
  EXPECT_EQ(joinFolderAndPrefix("/frames", "pan"), "/frames/pan");
  EXPECT_EQ(joinFolderAndPrefix("/frames/", "pan"), "/frames/pan");
  EXPECT_EQ(joinFolderAndPrefix("/frames", "/pan"), "/frames/pan");
  EXPECT_EQ(joinFolderAndPrefix("/", "pan"), "/pan");
  EXPECT_EQ(joinFolderAndPrefix("/frames", ""), "/frames/");
  // No folder: never the root folder.
  EXPECT_EQ(joinFolderAndPrefix("", "pan"), "pan");
}

using ExampleFolderFiles = animation_test::FrameFolder;

TEST_F(ExampleFolderFiles, TheExampleFoldersAreMadeOnceAndReused) {
  const ExampleFolders made = makeExampleFolders(folder());
  EXPECT_EQ(made.seriesOne, folder() / "Automatic Animation Example Folder" / "Series One");
  EXPECT_EQ(made.seriesTwo, folder() / "Automatic Animation Example Folder" / "Series Two");
  EXPECT_TRUE(animation_test::fs::is_directory(made.seriesOne));
  EXPECT_TRUE(animation_test::fs::is_directory(made.seriesTwo));
  writeText((made.seriesOne / "001.bmp").string(), "kept");
  EXPECT_NO_THROW(makeExampleFolders(folder()));
  EXPECT_EQ(bytesOf((made.seriesOne / "001.bmp").string()).size(), 4u);
}

TEST_F(ExampleFolderFiles, AFileInTheWayIsReportedByName) {
  animation_test::fs::create_directory(folder() / "Automatic Animation Example Folder");
  const std::string blocker = path("Automatic Animation Example Folder/Series Two");
  writeText(blocker, "not a folder");
  try {
    makeExampleFolders(folder());
    FAIL() << "made a folder where a file is";
  } catch (const FolderError& e) {
    EXPECT_NE(std::string(e.what()).find(blocker), std::string::npos) << e.what();
  }
}
