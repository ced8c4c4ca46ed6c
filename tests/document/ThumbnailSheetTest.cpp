// Contact sheets: how many rows and sheets, where each cell is, which scale a
// JPEG is read at, and what a cell looks like.
#include <gtest/gtest.h>

#include <cmath>

#include "DocumentTestSupport.h"
#include "document/engine/ThumbnailSheet.h"
#include "platform/codecs/Bmp.h"
#include "platform/codecs/PictureError.h"
#include "platform/gdi/Canvas.h"
#include "support/PixelGrid.h"

using namespace document;
using codecs::JpegScale;
using document_test::TempDir;

TEST(ThumbnailSheet, FiveFilesMakeOneSheetOfTwoRows) {
  const ThumbnailLayout l = thumbnailLayout(5);
  EXPECT_EQ(l.rows, 2);
  EXPECT_EQ(l.rowsPerSheet, 2);
  EXPECT_EQ(l.sheets, 1);
  EXPECT_EQ(l.sheetSize(), (gdi::Size{500, 300}));
}

TEST(ThumbnailSheet, FortyFourFilesMakeTwoSheetsOfTenRows) {
  const ThumbnailLayout l = thumbnailLayout(44);
  EXPECT_EQ(l.rows, 11);
  EXPECT_EQ(l.rowsPerSheet, 10);
  EXPECT_EQ(l.sheets, 2);
  EXPECT_EQ(l.cellsPerSheet(), 40);
  EXPECT_EQ(l.sheetSize(), (gdi::Size{500, 1500}));
}

TEST(ThumbnailSheet, RowsAndSheetsAreAlwaysRoundedUp) {
  // The halves-to-even rounding of the count must never lose a row.
  for (int n = 1; n <= 400; ++n) {
    const ThumbnailLayout l = thumbnailLayout(n);
    const int rows = (n + 3) / 4;
    ASSERT_EQ(l.rows, rows) << n;
    ASSERT_EQ(l.sheets, rows <= 10 ? 1 : (rows + 9) / 10) << n;
    ASSERT_GE(l.sheets * l.cellsPerSheet(), n) << n;
  }
  EXPECT_EQ(thumbnailLayout(0).sheets, 0);
  EXPECT_EQ(thumbnailLayout(40).sheets, 1);
  EXPECT_EQ(thumbnailLayout(41).sheets, 2);
}

TEST(ThumbnailSheet, CellsRunFourToARow) {
  EXPECT_EQ(thumbnailCell(0), (gdi::Point{10, 10}));
  EXPECT_EQ(thumbnailCell(3), (gdi::Point{370, 10}));
  EXPECT_EQ(thumbnailCell(4), (gdi::Point{10, 160}));
  EXPECT_EQ(thumbnailCell(39), (gdi::Point{370, 1360}));
}

TEST(ThumbnailSheet, LargeJpegsAreReadAtAReducedScale) {
  EXPECT_EQ(thumbnailScale(1000, 300), JpegScale::Eighth);  // w = 10
  EXPECT_EQ(thumbnailScale(350, 250), JpegScale::Half);     // w = 3, h = 2
  EXPECT_EQ(thumbnailScale(480, 100), JpegScale::Quarter);  // w = 4
  EXPECT_EQ(thumbnailScale(100, 599), JpegScale::Eighth);   // h = 5
  EXPECT_EQ(thumbnailScale(201, 10), JpegScale::Half);      // w = 2
  EXPECT_EQ(thumbnailScale(200, 200), std::nullopt);
  EXPECT_EQ(thumbnailScale(1, 1), std::nullopt);
}

TEST(ThumbnailSheet, ReadingAThumbnailDecodesAtThatScale) {
  TempDir dir;
  document_test::writeJpegPicture(dir / "wide.jpg", 1000, 300);
  document_test::writeJpegPicture(dir / "mid.JPG", 350, 250, /*progressive=*/true);
  document_test::writeJpegPicture(dir / "small.jpg", 150, 120);
  // Only ".JPG" files are reduced: the same data under another name is read whole.
  document_test::writeJpegPicture(dir / "wide.jpe", 1000, 300);

  const auto sizeOf = [&](const char* name) {
    const gdi::Bitmap b = readThumbnail(dir / name);
    return gdi::Size{b.width(), b.height()};
  };
  EXPECT_EQ(sizeOf("wide.jpg"), (gdi::Size{125, 38}));
  EXPECT_EQ(sizeOf("mid.JPG"), (gdi::Size{175, 125}));
  EXPECT_EQ(sizeOf("small.jpg"), (gdi::Size{150, 120}));
  EXPECT_EQ(sizeOf("wide.jpe"), (gdi::Size{1000, 300}));
}

TEST(ThumbnailSheet, FilesThatAreNoPicturesGiveNoThumbnailButMissingFilesAreErrors) {
  TempDir dir;
  document_test::writeText(dir / "junk.jpg", "not a picture at all");
  document_test::writeText(dir / "junk.bmp", "BM but nothing more");
  codecs::writeBmpFile(dir / "bitmap.jpg", document_test::quadrants(300, 300));

  EXPECT_TRUE(readThumbnail(dir / "junk.jpg").empty());
  EXPECT_TRUE(readThumbnail(dir / "junk.bmp").empty());
  // A bitmap named .jpg is read by its contents, at full size.
  EXPECT_EQ(readThumbnail(dir / "bitmap.jpg").width(), 300);
  try {
    readThumbnail(dir / "gone.jpg");
    ADD_FAILURE() << "a missing file was read";
  } catch (const codecs::PictureError& e) {
    EXPECT_EQ(e.kind(), codecs::ErrorKind::Io);
    EXPECT_NE(std::string(e.what()).find("gone.jpg"), std::string::npos);
  }
}

TEST(ThumbnailSheet, ACellHoldsTheStretchedPictureWithItsNameCentredBelow) {
  gdi::Bitmap sheet = newThumbnailSheet(thumbnailLayout(6));
  // A wide picture is squeezed into the square: its quadrants fill the
  // square's quadrants.
  drawThumbnail(sheet, 5, document_test::quadrants(400, 100), "wide.jpg");
  const gdi::Point cell = thumbnailCell(5);  // (130, 160)
  EXPECT_EQ(sheet.pixel(cell.x + 10, cell.y + 10), 0x000000);
  EXPECT_EQ(sheet.pixel(cell.x + 90, cell.y + 10), 0x0000FF);
  EXPECT_EQ(sheet.pixel(cell.x + 10, cell.y + 90), 0x00FF00);
  EXPECT_EQ(sheet.pixel(cell.x + 99, cell.y + 99), 0xFF0000);
  EXPECT_EQ(sheet.pixel(cell.x + 100, cell.y + 50), gdi::clWhite);
  EXPECT_EQ(sheet.pixel(cell.x + 50, cell.y + 100), gdi::clWhite);

  // The name: black pixels below the square, centred on a 120-pixel width.
  const int nameWidth = sheet.canvas().textWidth("wide.jpg");
  const int left = cell.x + int(std::nearbyint((120 - nameWidth) / 2.0));
  int minX = 1 << 20, maxX = -1, minY = 1 << 20;
  for (int y = cell.y + 100; y < sheet.height(); ++y)
    for (int x = cell.x - 10; x < cell.x + 130; ++x)
      if (sheet.pixel(x, y) != gdi::clWhite) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
      }
  ASSERT_GE(maxX, 0) << "no name drawn";
  EXPECT_GE(minY, cell.y + 120);
  EXPECT_GE(minX, left);
  EXPECT_LE(maxX, left + nameWidth);
  // Each quadrant of the picture became a 50 x 50 quadrant of the square.
  for (gdi::TColor c : {0xFF0000, 0x00FF00, 0x0000FF})
    EXPECT_EQ(testing_support::countColor(sheet, c), 2500) << std::hex << c;
}

TEST(ThumbnailSheet, SmallPicturesAreEnlargedAndEmptyOnesLeaveTheSquareWhite) {
  gdi::Bitmap sheet = newThumbnailSheet(thumbnailLayout(1));
  drawThumbnail(sheet, 0, testing_support::gridBitmap({"r"}), "dot.bmp");
  EXPECT_EQ(testing_support::countColor(sheet, 0x0000FF), 100 * 100);
  gdi::Bitmap other = newThumbnailSheet(thumbnailLayout(1));
  drawThumbnail(other, 0, gdi::Bitmap(), "bad.jpg");
  for (int y = 10; y < 110; ++y)
    for (int x = 10; x < 110; ++x) ASSERT_EQ(other.pixel(x, y), gdi::clWhite);
}
