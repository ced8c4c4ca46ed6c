// The paste panel's effects (imprint, emboss, drop shadow, mirror) and the
// captured area's lighten, darken and blend, against the plain per-pixel
// versions and at the edges where they go wrong.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "EffectReference.h"
#include "clips/engine/AreaTone.h"
#include "clips/engine/ClipImprint.h"
#include "clips/engine/MirrorClip.h"
#include "clips/engine/ToneArithmetic.h"
#include "support/PixelGrid.h"

using namespace clips;
using gdi::Bitmap;
using testing_support::Grid;
using testing_support::grid;
using testing_support::gridBitmap;
using testing_support::noiseBitmap;
namespace ref = effect_reference;

namespace {

// Places that put a 40 x 30 clip inside a 90 x 70 picture, across each edge
// and corner, and wholly off it.
const std::vector<gdi::Point> kPlaces = {{20, 15}, {-12, 10}, {70, 20}, {30, -9}, {25, 55},
                                         {-20, -20}, {75, 60}, {200, 5}, {-40, -30}};

StoppableStep stopAt(int position) {
  return [position](int p) { return p < position; };
}

}  // namespace

TEST(ToneArithmetic, BlendIsExactlyTheWrittenArithmeticForEveryPairOfChannels) {
  for (auto [b, a] : std::initializer_list<std::pair<int, int>>{
           {3, 6}, {3, 10}, {1, 64}, {63, 64}, {32, 64}, {56, 64}, {0, 5}})
    for (int x = 0; x < 256; ++x)
      for (int y = 0; y < 256; ++y)
        ASSERT_EQ(blendChannel(x, y, b, a), ref::blend(x, y, b, a)) << x << " " << y << " " << b << "/" << a;
  // Halves go to the even neighbour; a < 1 leaves x.
  EXPECT_EQ(blendChannel(1, 2, 3, 6), 2);
  EXPECT_EQ(blendChannel(2, 3, 3, 6), 2);
  EXPECT_EQ(blendChannel(0, 5, 3, 10), 2);  // 1.5
  EXPECT_EQ(blendChannel(200, 7, 5, 0), 200);
}

TEST(ToneArithmetic, ShiftsClampAtBothEnds) {
  EXPECT_EQ(shiftColor(0xFFFFFF, 48, Tone::Darken), 0xCFCFCFu);
  EXPECT_EQ(shiftColor(gdi::RGB(250, 5, 100), 8, Tone::Lighten), std::uint32_t(gdi::RGB(255, 13, 108)));
  EXPECT_EQ(shiftColor(gdi::RGB(250, 5, 100), 8, Tone::Darken), std::uint32_t(gdi::RGB(242, 0, 92)));
}

TEST(Imprint, DarkOnWhiteGives207UnderTheShapeAndLightLeavesWhite) {
  Bitmap picture(6, 4);
  const Bitmap clip = gridBitmap({".#r", "g.."});
  ASSERT_TRUE(imprint(picture, clip, {2, 1}, kImprintShift, Tone::Darken));
  const gdi::TColor grey = gdi::RGB(207, 207, 207);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) {
      const bool under = (y == 1 && (x == 3 || x == 4)) || (y == 2 && x == 2);
      EXPECT_EQ(picture.pixel(x, y), under ? grey : gdi::clWhite) << x << "," << y;
    }

  Bitmap white(6, 4);
  ASSERT_TRUE(imprint(white, clip, {2, 1}, kImprintShift, Tone::Lighten));
  EXPECT_EQ(testing_support::countColor(white, gdi::clWhite), 24);
}

TEST(Imprint, AnAllWhiteClipChangesNothing) {
  const Bitmap before = noiseBitmap(50, 40, 3);
  Bitmap picture = before;
  const Bitmap blank(30, 20);
  EXPECT_TRUE(imprint(picture, blank, {5, 5}, kImprintShift, Tone::Darken));
  EXPECT_TRUE(emboss(picture, blank, {5, 5}));
  EXPECT_TRUE(dropShadow(picture, blank, {5, 5}));
  EXPECT_EQ(picture, before);
}

TEST(Imprint, RowsMatchThePerPixelVersionWhereverTheClipLies) {
  const Bitmap clip = ref::raggedClip(40, 30, 11);
  for (const gdi::Point at : kPlaces)
    for (const Tone tone : {Tone::Darken, Tone::Lighten}) {
      Bitmap picture = noiseBitmap(90, 70, 5), expected = picture;
      ref::imprint(expected, clip, at.x, at.y, kImprintShift, tone == Tone::Lighten);
      ASSERT_TRUE(imprint(picture, clip, at, kImprintShift, tone));
      EXPECT_EQ(picture, expected) << at.x << "," << at.y;
    }
}

TEST(Imprint, APalettePictureKeepsToItsPalette) {
  Bitmap picture = noiseBitmap(60, 50, 8);
  picture.setPixelFormat(gdi::PixelFormat::Bits4);
  Bitmap expected = picture;
  const Bitmap clip = ref::raggedClip(40, 30, 4);
  ref::emboss(expected, clip, 10, 10);
  ASSERT_TRUE(emboss(picture, clip, {10, 10}));
  EXPECT_EQ(picture, expected);
}

TEST(Emboss, MatchesTheTwoImprintsAndLeavesRimsAroundTheShape) {
  const Bitmap clip = ref::raggedClip(40, 30, 21);
  for (const gdi::Point at : kPlaces) {
    Bitmap picture = noiseBitmap(90, 70, 6), expected = picture;
    ref::emboss(expected, clip, at.x, at.y);
    ASSERT_TRUE(emboss(picture, clip, at));
    EXPECT_EQ(picture, expected) << at.x << "," << at.y;
  }

  // A square on mid grey: back to grey inside, light along the top and left,
  // dark along the bottom and right.
  Bitmap picture(10, 10);
  picture.fill(gdi::clGray);
  Bitmap square(4, 4);
  square.fill(gdi::clBlack);
  ASSERT_TRUE(emboss(picture, square, {3, 3}));
  const gdi::TColor light = gdi::RGB(176, 176, 176), dark = gdi::RGB(80, 80, 80);
  EXPECT_EQ(picture.pixel(2, 2), light);
  EXPECT_EQ(picture.pixel(2, 4), light);
  EXPECT_EQ(picture.pixel(4, 2), light);
  EXPECT_EQ(picture.pixel(4, 4), gdi::clGray);
  EXPECT_EQ(picture.pixel(6, 4), dark);
  EXPECT_EQ(picture.pixel(4, 6), dark);
  EXPECT_EQ(picture.pixel(7, 7), gdi::clGray);
}

TEST(DropShadow, MatchesTheLayerByLayerVersion) {
  for (const Bitmap& clip : {ref::raggedClip(40, 30, 31), gridBitmap({"#.", ".#"})})
    for (const gdi::Point at : kPlaces) {
      Bitmap picture = noiseBitmap(90, 70, 7), expected = picture;
      ref::dropShadow(expected, clip, at.x, at.y);
      ASSERT_TRUE(dropShadow(picture, clip, at));
      EXPECT_EQ(picture, expected) << at.x << "," << at.y;
    }
}

TEST(DropShadow, FiveLayersDarkenBy12EachAndOnlyOnThePicture) {
  Bitmap clip(20, 20);
  clip.fill(gdi::clBlack);
  // Near the bottom-right corner: most of every layer lies off the picture.
  Bitmap picture(40, 40);
  ASSERT_TRUE(dropShadow(picture, clip, {25, 22}));
  EXPECT_EQ(picture.width(), 40);
  EXPECT_EQ(picture.height(), 40);
  // Covered by all five layers (the last starts at (34, 29)).
  EXPECT_EQ(picture.pixel(39, 39), gdi::RGB(195, 195, 195));
  EXPECT_EQ(picture.pixel(34, 29), gdi::RGB(195, 195, 195));
  // Only the first layer reaches (30, 25); nothing above or left of it.
  EXPECT_EQ(picture.pixel(30, 25), gdi::RGB(243, 243, 243));
  EXPECT_EQ(picture.pixel(29, 39), gdi::clWhite);
  EXPECT_EQ(picture.pixel(39, 24), gdi::clWhite);
}

TEST(MirrorClip, TurnsEachRowOverAndKeepsThePalette) {
  EXPECT_EQ(grid(mirrorClip(gridBitmap({"rgb.", "#..y"}))), (Grid{".bgr", "y..#"}));
  EXPECT_TRUE(mirrorClip(Bitmap()).empty());
  Bitmap eight = gridBitmap({"rg"});
  eight.setPixelFormat(gdi::PixelFormat::Bits8);
  EXPECT_TRUE(mirrorClip(eight).hasPalette());
}

TEST(LightenArea, WritesTheClipsColoursShiftedBackWhereTheyWereCaptured) {
  // Origin (3, 2) is one past the area's top-left (2, 1).
  Bitmap picture(6, 4);
  picture.fill(gdi::clBlack);
  const Bitmap clip = gridBitmap({"k.", "kk"});
  ASSERT_TRUE(lightenArea(picture, clip, {3, 2}, Tone::Lighten, 64));
  const gdi::TColor lit = gdi::RGB(192, 192, 192);
  EXPECT_EQ(grid(picture, {1, 0, 5, 4}, {{'#', gdi::clBlack}, {'l', lit}}),
            (Grid{"####", "#l##", "#ll#", "####"}));
}

TEST(LightenArea, RowsMatchThePerPixelVersionAtEveryEdge) {
  const Bitmap clip = ref::raggedClip(40, 30, 41);
  for (const gdi::Point at : kPlaces)
    for (const int steps : {1, 8, 64})
      for (const Tone tone : {Tone::Darken, Tone::Lighten}) {
        Bitmap picture = noiseBitmap(90, 70, 9), expected = picture;
        ref::lightenArea(expected, clip, at.x, at.y, tone == Tone::Lighten, steps);
        ASSERT_TRUE(lightenArea(picture, clip, at, tone, steps));
        EXPECT_EQ(picture, expected) << at.x << "," << at.y << " steps " << steps;
      }
}

TEST(BlendArea, StepsSetTheWeightBetween1And63) {
  EXPECT_EQ(areaBlendParts(64), 1);
  EXPECT_EQ(areaBlendParts(100), 1);
  EXPECT_EQ(areaBlendParts(1), 63);
  EXPECT_EQ(areaBlendParts(8), 56);
}

TEST(BlendArea, MatchesThePerPixelVersionWithItsReusedValues) {
  const Bitmap clip = ref::raggedClip(40, 30, 51);
  Bitmap full(40, 30);
  full.fill(gdi::clBlack);
  for (const Bitmap* c : {&clip, static_cast<const Bitmap*>(&full)})
    for (const gdi::Point at : kPlaces)
      for (const int steps : {1, 8, 64}) {
        Bitmap picture = noiseBitmap(90, 70, 10), expected = picture;
        ref::blendArea(expected, *c, at.x, at.y, steps);
        ASSERT_TRUE(blendArea(picture, *c, at, steps));
        EXPECT_EQ(picture, expected) << at.x << "," << at.y << " steps " << steps;
      }
}

TEST(BlendArea, Steps64IsAVeryLightBlendAndSteps1AStrongOne) {
  // One clip pixel over a vertical edge from black to white: (X, Y) takes
  // the pixel above toward the pixel below.
  Bitmap picture = gridBitmap({"###", "###", "..."});
  const Bitmap dot = gridBitmap({"#"});
  ASSERT_TRUE(blendArea(picture, dot, {1, 1}, 64));
  EXPECT_EQ(picture.pixel(1, 1), gdi::RGB(4, 4, 4));  // 255 / 64 = 3.98
  picture = gridBitmap({"###", "###", "..."});
  ASSERT_TRUE(blendArea(picture, dot, {1, 1}, 1));
  EXPECT_EQ(picture.pixel(1, 1), gdi::RGB(251, 251, 251));  // 255 * 63 / 64 = 251.02
}

TEST(AreaEffects, AStoppedEffectLeavesThePictureAsItWas) {
  const Bitmap before = noiseBitmap(90, 70, 12);
  const Bitmap clip = ref::raggedClip(60, 50, 13);
  using Effect = std::function<bool(Bitmap&, const StoppableStep&)>;
  const std::vector<Effect> effects = {
      [&](Bitmap& p, const StoppableStep& s) { return imprint(p, clip, {20, 10}, 48, Tone::Darken, s); },
      [&](Bitmap& p, const StoppableStep& s) { return emboss(p, clip, {20, 10}, s); },
      [&](Bitmap& p, const StoppableStep& s) { return dropShadow(p, clip, {20, 10}, s); },
      [&](Bitmap& p, const StoppableStep& s) { return lightenArea(p, clip, {-5, 30}, Tone::Lighten, 9, s); },
      [&](Bitmap& p, const StoppableStep& s) { return blendArea(p, clip, {40, 30}, 8, s); },
  };
  for (std::size_t i = 0; i < effects.size(); ++i)
    for (const int position : {1, 37, 60, 100}) {
      Bitmap picture = before;
      EXPECT_FALSE(effects[i](picture, stopAt(position))) << i << " at " << position;
      EXPECT_EQ(picture, before) << i << " at " << position;
    }
  // Not stopped: the bar reaches 100 and only moves forward.
  for (std::size_t i = 0; i < effects.size(); ++i) {
    Bitmap picture = before;
    std::vector<int> seen;
    EXPECT_TRUE(effects[i](picture, [&](int p) { seen.push_back(p); return true; }));
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), 100) << i;
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end())) << i;
    EXPECT_NE(picture, before) << i;
  }
}
