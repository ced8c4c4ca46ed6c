#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "clips/engine/ClipColorReplace.h"
#include "clips/engine/OutlineCapture.h"
#include "platform/gdi/Canvas.h"
#include "support/PixelGrid.h"

using gdi::Bitmap;
using gdi::Point;
using testing_support::Grid;
using testing_support::grid;
using testing_support::gridBitmap;

TEST(ReplaceClipColor, WhiteIsRefusedAndTheClipKept) {
  Bitmap clip = gridBitmap({"r..", ".r."});
  EXPECT_EQ(clips::replaceClipColor(clip, gdi::clWhite, gdi::clBlue),
            clips::ClipReplace::RefusedWhite);
  // A system colour that stands for white is white too.
  EXPECT_EQ(clips::replaceClipColor(clip, gdi::clWindow, gdi::clBlue),
            clips::ClipReplace::RefusedWhite);
  EXPECT_EQ(grid(clip), (Grid{"r..", ".r."}));
}

TEST(ReplaceClipColor, OnlyExactMatchesChange) {
  Bitmap clip = gridBitmap({"rk.", "#r."});
  clip.setPixel(2, 1, gdi::RGB(254, 0, 0));  // one unit off red
  EXPECT_EQ(clips::replaceClipColor(clip, gdi::clRed, gdi::clLime), clips::ClipReplace::Done);
  EXPECT_EQ(clip.pixel(0, 0), gdi::clLime);
  EXPECT_EQ(clip.pixel(1, 1), gdi::clLime);
  EXPECT_EQ(clip.pixel(2, 1), gdi::RGB(254, 0, 0));
  EXPECT_EQ(clip.pixel(2, 0), gdi::clWhite);
  EXPECT_EQ(clip.pixel(1, 0), gdi::clGray);
}

TEST(ColorReplacerPolygon, OnlyTheInsideOfTheOutlineChanges) {
  // Red everywhere, with white pixels inside the outline.
  Bitmap picture(30, 30);
  picture.fill(gdi::clRed);
  picture.setPixel(14, 14, gdi::clWhite);
  picture.setPixel(15, 16, gdi::clWhite);
  std::array<Point, 500> pts{};
  pts.fill({15, 2});
  pts[1] = {27, 15};
  pts[2] = {15, 27};
  pts[3] = {2, 15};
  const clips::Capture cap = clips::captureOutline(picture, pts, 5, {30, 30});
  ASSERT_TRUE(cap.captured());
  Bitmap clip = cap.clip;
  ASSERT_EQ(clips::replaceClipColor(clip, gdi::clRed, gdi::clBlue), clips::ClipReplace::Done);
  clips::drawClipOver(picture, clip, {cap.area.left, cap.area.top});

  EXPECT_EQ(picture.pixel(15, 15), gdi::clBlue);
  EXPECT_EQ(picture.pixel(14, 14), gdi::clWhite);
  EXPECT_EQ(picture.pixel(15, 16), gdi::clWhite);
  // Outside the outline, in the box and beyond it, red stays red.
  EXPECT_EQ(picture.pixel(3, 3), gdi::clRed);
  EXPECT_EQ(picture.pixel(25, 25), gdi::clRed);
  EXPECT_EQ(picture.pixel(29, 29), gdi::clRed);
  // So does the outline itself, and the box's frame.
  EXPECT_EQ(picture.pixel(15, 2), gdi::clRed);
  EXPECT_EQ(picture.pixel(2, 15), gdi::clRed);
  EXPECT_EQ(picture.pixel(15, 26), gdi::clRed);
}
