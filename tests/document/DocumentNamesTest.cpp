// The names a picture is shown and saved under.
#include <gtest/gtest.h>

#include "document/engine/DocumentNames.h"

using namespace document;

TEST(DocumentNames, BitmapsAndJpegsKeepTheirPathOtherFilesBecomeBitmaps) {
  EXPECT_EQ(shownNameFor("/pics/sea.jpg"), "/pics/sea.jpg");
  EXPECT_EQ(shownNameFor("/pics/sea.BMP"), "/pics/sea.BMP");
  EXPECT_EQ(shownNameFor("/pics/logo.ico"), "/pics/logo.bmp");
  EXPECT_EQ(shownNameFor("/pics/chart.emf"), "/pics/chart.bmp");
  EXPECT_EQ(shownNameFor("/pics/chart.WMF"), "/pics/chart.bmp");
  // Up to the first dot of the name.
  EXPECT_EQ(shownNameFor("/pics/logo.v2.ico"), "/pics/logo.bmp");
  // ".jpeg" and ".jpe" are JPEG files as ".jpg" is.
  EXPECT_EQ(shownNameFor("/pics/sea.jpeg"), "/pics/sea.jpeg");
  EXPECT_EQ(shownNameFor("/pics/sea.JPE"), "/pics/sea.JPE");
  EXPECT_EQ(shownNameFor("/pics/sea.jpeg2"), "/pics/sea.bmp");
  // A dot in a folder name does not cut the path.
  EXPECT_EQ(shownNameFor("/home/a.b/logo.ico"), "/home/a.b/logo.bmp");
  EXPECT_EQ(shownNameFor("C:\\my.pics\\logo.ico"), "C:\\my.pics\\logo.bmp");
}

TEST(DocumentNames, QuickSaveWritesTheBareNameWithBmp) {
  EXPECT_EQ(quickSaveName("TEMP.BMP"), "TEMP.bmp");
  EXPECT_EQ(quickSaveName("C:\\work\\shot.jpg"), "shot.bmp");
  EXPECT_EQ(quickSaveName("/work/shot.jpg"), "shot.bmp");
  EXPECT_EQ(quickSaveName("/work/a.b.c"), "a.bmp");
  EXPECT_EQ(quickSaveName("/work/noext"), "bmp");
  EXPECT_EQ(quickSaveName("/my.folder/noext"), "bmp");
}

TEST(DocumentNames, TheExtensionDecidesWhatASaveWrites) {
  EXPECT_EQ(saveKindFor("/p/pic.jpg"), SaveKind::Jpeg);
  EXPECT_EQ(saveKindFor("/p/pic.JpG"), SaveKind::Jpeg);
  EXPECT_EQ(saveKindFor("/p/pic.png"), SaveKind::Bmp);
  EXPECT_EQ(saveKindFor("/p/pic.jpeg"), SaveKind::Jpeg);
  EXPECT_EQ(saveKindFor("/p/pic.Jpe"), SaveKind::Jpeg);
  EXPECT_EQ(saveKindFor("/p/pic.jp"), SaveKind::Bmp);
  EXPECT_EQ(saveKindFor("/p.jpg/pic"), SaveKind::Bmp);
  EXPECT_EQ(saveKindFor("/p/a.gif"), SaveKind::Gif);
  EXPECT_EQ(gifReplacementPath("/p/a.gif"), "/p/a.gif.bmp");
}

TEST(DocumentNames, TheFileDialogOpensOnlyPictureExtensions) {
  for (const char* name : {"a.jpg", "a.jpeg", "a.JPE", "a.BMP", "a.emf", "a.Ico", "a.wmf"})
    EXPECT_EQ(openKindFor(name), OpenKind::Picture) << name;
  EXPECT_EQ(openKindFor("a.gif"), OpenKind::Gif);
  EXPECT_EQ(openKindFor("a.GIF"), OpenKind::Gif);
  for (const char* name : {"a.png", "a.jfif", "a", "dir.jpg/a"})
    EXPECT_EQ(openKindFor(name), OpenKind::Ignored) << name;
}

TEST(DocumentNames, TheScreenshotAliasIsExactAndCaseSensitive) {
  EXPECT_EQ(resolveScreenshotAlias("screenshot1"), "SCREENSHOT.JPG");
  EXPECT_EQ(resolveScreenshotAlias("Screenshot1"), "Screenshot1");
  EXPECT_EQ(resolveScreenshotAlias("/p/screenshot1"), "/p/screenshot1");
  EXPECT_EQ(fileNamePart("C:\\work\\shot.jpg"), "shot.jpg");
  EXPECT_EQ(upperExtension("/a.b/c"), "");
}
