#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "clips/engine/Rotate.h"
#include "clips/engine/RotateSquare.h"
#include "support/PixelGrid.h"

using namespace clips;
using gdi::Bitmap;
using testing_support::Grid;
using testing_support::grid;
using testing_support::gridBitmap;
using testing_support::noiseBitmap;

namespace {

// The pixel loop exactly as described, one pixel at a time with the bounds
// test, against which the row-run version is checked.
Bitmap referenceRotate(const Bitmap& src, int w, int h, const RotationSetup& s) {
  Bitmap out(w, h);
  std::int64_t X0 = s.x0, Y0 = s.y0;
  for (int j = 0; j < h; ++j) {
    std::int64_t X = X0, Y = Y0;
    for (int i = 0; i < w; ++i) {
      X += s.xCol;
      Y += s.yCol;
      const std::int64_t sx = X / 1000, sy = Y / 1000;
      gdi::TColor c = gdi::clWhite;
      if (sx >= 0 && sy >= 0 && sx < src.width() && sy < src.height())
        c = src.pixel(int(sx), int(sy));
      out.row(j)[i] = std::uint32_t(c);
    }
    X0 += s.xRow;
    Y0 += s.yRow;
  }
  return out;
}

}  // namespace

TEST(RotationSetup, WholeTurnsAreTheIdentityInThousandths) {
  for (double d : {0.0, 360.0}) {
    const RotationSetup s = rotationSetup(d, 1.0, 37, 52);
    EXPECT_EQ(s.xCol, 1000);
    EXPECT_EQ(s.yCol, 0);
    EXPECT_EQ(s.xRow, 0);
    EXPECT_EQ(s.yRow, 1000);
    EXPECT_EQ(s.x0, 0);
    EXPECT_EQ(s.y0, 0);
  }
}

TEST(RotationSetup, DegreesAreTurnedClockwiseAndRoundedToWholeNumbers) {
  // 90 clockwise on screen: the set-up angle is 270, so a destination column
  // step walks up the source and a row step walks right.
  const RotationSetup s = rotationSetup(90, 1.0, 10, 10);
  EXPECT_EQ(s.xCol, 0);
  EXPECT_EQ(s.yCol, -1000);
  EXPECT_EQ(s.xRow, 1000);
  EXPECT_EQ(s.yRow, 0);
  EXPECT_EQ(s.x0, 0);
  EXPECT_EQ(s.y0, 20000);
  // 15.4 degrees becomes 345, 15.5 becomes 344 (344.5, halves to even).
  EXPECT_EQ(rotationSetup(15.4, 1, 0, 0).xCol,
            std::lround(std::cos(345 * std::numbers::pi / 180) * 1000));
  EXPECT_EQ(rotationSetup(15.5, 1, 0, 0).xCol,
            std::lround(std::cos(344 * std::numbers::pi / 180) * 1000));
}

TEST(Rotate, RowRunsMatchThePixelByPixelLoop) {
  // Angles of every quadrant, off-centre centres, sources smaller and larger
  // than the destination: the per-row run of inside pixels must pick the
  // same pixels as testing every pixel, including the columns where the
  // fixed-point value lies between -1000 and 0 and truncates to 0.
  const Bitmap src = noiseBitmap(23, 17, 7);
  for (int degrees = 0; degrees <= 360; degrees += 7) {
    for (auto [cx, cy, w, h] : {std::array{11, 8, 23, 17}, std::array{0, 0, 31, 12},
                                std::array{-5, 30, 9, 40}, std::array{40, -3, 50, 50}}) {
      const RotationSetup s = rotationSetup(degrees, 1.0, cx, cy);
      Bitmap out(w, h);
      rotate(src, out, s);
      ASSERT_EQ(out, referenceRotate(src, w, h, s))
          << degrees << " degrees about " << cx << "," << cy;
    }
  }
}

TEST(Rotate, TruncationTowardZeroTakesColumnZeroJustLeftOfTheSource) {
  const Bitmap src = gridBitmap({"rg", "by"});
  RotationSetup s;
  s.x0 = -1500;  // column 0 samples x = -500: truncated to 0, inside
  s.y0 = -999;   // rows 0 and 1 (y = -999 and 1) both truncate to row 0
  s.xCol = 1000;
  s.yRow = 1000;
  Bitmap out(4, 3);
  rotate(src, out, s);
  EXPECT_EQ(grid(out), (Grid{"rrg.", "rrg.", "bby."}));
}

TEST(Rotate, EmptySourceGivesWhiteAndInPlaceReadsTheOldPixels) {
  Bitmap out = noiseBitmap(5, 4, 3);
  rotate(Bitmap(), out, 2, 1.0, 30, 2);
  EXPECT_EQ(testing_support::countColor(out, gdi::clWhite), 20);

  Bitmap a = noiseBitmap(20, 20, 9);
  Bitmap expected(20, 20);
  rotate(a, expected, 10, 1.0, 33, 10);
  rotate(a, a, 10, 1.0, 33, 10);
  EXPECT_EQ(a, expected);
}

TEST(Rotate, PaletteDestinationsSnapTheirWrites) {
  const Bitmap src = gridBitmap({"rr", "rr"});
  Bitmap out(2, 2);
  out.setPixelFormat(gdi::PixelFormat::Bits1);
  rotate(src, out, 1, 1.0, 0, 1);
  EXPECT_EQ(grid(out), (Grid{"#.", "#."}));  // red snaps to black, white stays
}

TEST(RotateClip, ZeroAndWholeTurnsCentreTheClipOnePixelToTheLeft) {
  const Bitmap clip = gridBitmap({"rgb", "#ys"});  // 3 x 2: side round(3.6) + 10 = 14
  ASSERT_EQ(squareSide(3, 2), 14);
  for (double d : {0.0, 360.0}) {
    const Bitmap turned = rotateClip(clip, d);
    ASSERT_EQ(turned.width(), 14);
    ASSERT_EQ(turned.height(), 14);
    // Centred at ((14 - 3) div 2, (14 - 2) div 2) = (5, 6), then one left.
    EXPECT_EQ(grid(turned, {3, 5, 10, 9}), (Grid{".......", ".rgb...", ".#ys...", "......."}));
    for (int y = 0; y < 14; ++y) EXPECT_EQ(turned.pixel(13, y), gdi::clWhite);
  }
}

TEST(RotateClip, NinetyDegreesTurnsRightIntoDown) {
  // A black centre and a red pixel six to the right of it.
  Bitmap clip(21, 21);
  clip.setPixel(10, 10, gdi::clBlack);
  clip.setPixel(16, 10, gdi::clRed);
  const Bitmap turned = rotateClip(clip, 90);
  ASSERT_EQ(turned.width(), 40);
  auto find = [&](gdi::TColor c) {
    for (int y = 0; y < turned.height(); ++y)
      for (int x = 0; x < turned.width(); ++x)
        if (turned.pixel(x, y) == c) return gdi::Point{x, y};
    return gdi::Point{-1, -1};
  };
  const gdi::Point centre = find(gdi::clBlack), red = find(gdi::clRed);
  EXPECT_EQ(centre, (gdi::Point{20, 19}));
  EXPECT_EQ(red, (gdi::Point{centre.x, centre.y + 6}));
  EXPECT_EQ(testing_support::countColor(turned, gdi::clRed), 1);
}

TEST(RotateClip, SameAngleSameResult) {
  const Bitmap clip = noiseBitmap(31, 19, 5);
  EXPECT_EQ(rotateClip(clip, 15), rotateClip(clip, 15));
}

TEST(RotatePicture, SquarePicturesAreNotEnlargedAndOthersAreCentredInTheirSquare) {
  EXPECT_FALSE(enlargedForRotation(Bitmap(30, 30)).has_value());
  const Bitmap tall = gridBitmap({"r", "g", "b", "y"});
  const auto square = enlargedForRotation(tall);  // round(4.12) + 10 = 14
  ASSERT_TRUE(square.has_value());
  EXPECT_EQ(square->width(), 14);
  EXPECT_EQ(square->height(), 14);
  EXPECT_EQ(square->pixel(6, 5), gdi::clRed);  // ((14 - 1) div 2, (14 - 4) div 2)
  EXPECT_EQ(square->pixel(6, 8), gdi::clYellow);
  EXPECT_EQ(testing_support::countColor(*square, gdi::clWhite), 14 * 14 - 4);

  Bitmap eight(4, 4);
  eight.setPixelFormat(gdi::PixelFormat::Bits8);
  EXPECT_EQ(centredInSquare(eight, 9).palette(), eight.palette());
}

TEST(RotatePicture, TurnsAboutTheCentreAndCutsTheCorners) {
  // A square picture turned by 45 degrees without enlargement: the corners
  // map outside the source and turn white, the centre stays put.
  Bitmap source(41, 41);
  source.fill(gdi::clRed);
  source.setPixel(20, 20, gdi::clBlack);
  Bitmap picture(41, 41);
  int steps = 0;
  rotatePicture(source, picture, 45, [&] { ++steps; });
  EXPECT_EQ(steps, 100);
  EXPECT_EQ(picture.pixel(0, 0), gdi::clWhite);
  EXPECT_EQ(picture.pixel(40, 40), gdi::clWhite);
  EXPECT_EQ(picture.pixel(20, 1), gdi::clRed);
  EXPECT_EQ(testing_support::countColor(picture, gdi::clBlack), 1);
}
