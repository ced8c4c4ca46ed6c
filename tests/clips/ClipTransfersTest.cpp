// Replacing a colour with the clipboard picture, capturing under a template
// and matching a clip to the picture's palette.
#include <gtest/gtest.h>

#include "clips/engine/PaletteRemap.h"
#include "clips/engine/ReplaceWithClip.h"
#include "clips/engine/TemplateCapture.h"
#include "support/PixelGrid.h"

using namespace clips;
using gdi::Bitmap;
using testing_support::Grid;
using testing_support::grid;
using testing_support::gridBitmap;

TEST(ReplaceWithClip, TheClipShowsThroughTheClickedColourAlignedAtTheTopLeft) {
  const Bitmap picture = gridBitmap({"rrk", "kr.", "rrr"});
  const Bitmap clip = gridBitmap({"#g", "by"});
  // Only where the picture is red and the clip reaches: the third column and
  // the third row are beyond the 2 x 2 clip and stay.
  EXPECT_EQ(grid(replaceColorWithClip(picture, clip, gdi::clRed)), (Grid{"#gk", "ky.", "rrr"}));
}

TEST(ReplaceWithClip, OnlyTheExactColourIsReplaced) {
  Bitmap picture = gridBitmap({"rr"});
  picture.setPixel(1, 0, gdi::RGB(255, 0, 1));  // one unit off
  const Bitmap out = replaceColorWithClip(picture, gridBitmap({"##"}), gdi::clRed);
  EXPECT_EQ(out.pixel(0, 0), gdi::clBlack);
  EXPECT_EQ(out.pixel(1, 0), gdi::RGB(255, 0, 1));
  // A larger clip than the picture is cut at the picture's edge.
  EXPECT_EQ(grid(replaceColorWithClip(gridBitmap({"r"}), gridBitmap({"by", "gg"}), gdi::clRed)),
            (Grid{"b"}));
}

TEST(TemplateCapture, TakesThePictureUnderTheTemplatesOpaquePixels) {
  const Bitmap picture = gridBitmap({"rgby", "#skr", "yyyy"});
  const Bitmap stencil = gridBitmap({"#.#", "ss."});
  EXPECT_EQ(grid(captureUnderTemplate(picture, stencil, {1, 0})), (Grid{"g.y", "sk."}));
}

TEST(TemplateCapture, PlacesOffThePictureStayWhite) {
  const Bitmap picture = gridBitmap({"rg", "by"});
  const Bitmap stencil = gridBitmap({"###", "###", "###"});
  EXPECT_EQ(grid(captureUnderTemplate(picture, stencil, {-1, -1})), (Grid{"...", ".rg", ".by"}));
  EXPECT_EQ(grid(captureUnderTemplate(picture, stencil, {5, 0})), (Grid{"...", "...", "..."}));
}

TEST(PaletteRemap, A256ColourClipTakesThePicturesPaletteWhenTheyDiffer) {
  Bitmap picture(2, 2), clip = gridBitmap({"rg"});
  picture.setPixelFormat(gdi::PixelFormat::Bits8);
  clip.setPixelFormat(gdi::PixelFormat::Bits8);
  EXPECT_FALSE(remapToPicturePalette(clip, picture));  // the same standard palette

  gdi::Palette greys(256);
  for (int i = 0; i < 256; ++i) greys[std::size_t(i)] = gdi::RGB(i, i, i);
  picture.setPalette(greys);
  EXPECT_TRUE(remapToPicturePalette(clip, picture));
  EXPECT_EQ(clip.palette(), greys);
  // Red (255, 0, 0) and lime (0, 255, 0) are nearest to the greys 85.
  EXPECT_EQ(clip.pixel(0, 0), gdi::RGB(85, 85, 85));
  EXPECT_EQ(clip.pixel(1, 0), gdi::RGB(85, 85, 85));

  Bitmap sixteen = gridBitmap({"r"});
  sixteen.setPixelFormat(gdi::PixelFormat::Bits4);
  EXPECT_FALSE(remapToPicturePalette(sixteen, picture));
  Bitmap truecolour = gridBitmap({"r"});
  EXPECT_FALSE(remapToPicturePalette(truecolour, picture));
}
