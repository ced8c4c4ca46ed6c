#include <gtest/gtest.h>

#include <random>

#include "clips/engine/ClipMask.h"
#include "clips/engine/FloatingClip.h"
#include "platform/gdi/Canvas.h"
#include "support/PixelGrid.h"

using namespace clips;
using gdi::Bitmap;
using testing_support::Grid;
using testing_support::grid;
using testing_support::gridBitmap;
using testing_support::noiseBitmap;

TEST(ClipMask, BlackWhereverTheClipIsNotPureWhite) {
  Bitmap clip = gridBitmap({".r.", "#.s"});
  clip.setPixel(2, 0, 0xFEFFFF);  // almost white is opaque
  EXPECT_EQ(grid(makeMask(clip)), (Grid{".##", "#.#"}));
  EXPECT_FALSE(makeMask(clip).hasPalette());
}

TEST(ClipMask, ProgressStepsOncePerPercentOfTheRows) {
  for (int rows : {1, 7, 100, 333}) {
    int steps = 0;
    makeMask(Bitmap(2, rows), [&] { ++steps; });
    EXPECT_EQ(steps, 100) << rows;
  }
}

TEST(DrawClip, OpaquePixelsShowTheClipAndWhiteOnesThePicture) {
  Bitmap picture = gridBitmap({"kkkk", "kkkk", "kkkk"});
  const Bitmap clip = gridBitmap({"r.", ".#"});
  const gdi::Rect r = drawClip(picture, clip, makeMask(clip), ClipPlacement::at({1, 1}));
  EXPECT_EQ(r, (gdi::Rect{1, 1, 3, 3}));
  EXPECT_EQ(grid(picture), (Grid{"kkkk", "krkk", "kk#k"}));
}

TEST(DrawClip, AnAllWhiteClipDrawsNothing) {
  Bitmap picture = noiseBitmap(9, 9, 4);
  const Bitmap before = picture;
  const Bitmap clip(5, 5);
  drawClip(picture, clip, makeMask(clip), ClipPlacement::at({2, 2}));
  EXPECT_EQ(picture, before);
}

TEST(DrawClip, ClipsPartlyOffThePictureDrawOnlyTheirPartOnIt) {
  Bitmap picture = gridBitmap({"kkk", "kkk"});
  const Bitmap clip = gridBitmap({"rg", "by"});
  const gdi::Rect r = drawClip(picture, clip, makeMask(clip), ClipPlacement::at({-1, 1}));
  EXPECT_EQ(r, (gdi::Rect{0, 1, 1, 2}));
  EXPECT_EQ(grid(picture), (Grid{"kkk", "gkk"}));
  drawClip(picture, clip, makeMask(clip), ClipPlacement::at({5, 5}));  // wholly off: nothing
  EXPECT_EQ(grid(picture), (Grid{"kkk", "gkk"}));
}

TEST(DrawClip, SizedClipsStretchWithTheClipRule) {
  const Bitmap clip = gridBitmap({"r.", ".#"});
  Bitmap picture = gridBitmap({"kkkkk", "kkkkk", "kkkkk", "kkkkk", "kkkkk"});
  drawClip(picture, clip, makeMask(clip), ClipPlacement::stretched({0, 0}, {4, 4}));
  EXPECT_EQ(grid(picture), (Grid{"rrkkk", "rrkkk", "kk##k", "kk##k", "kkkkk"}));
  EXPECT_EQ(picture.canvas().stretchMode, gdi::StretchMode::BlackOnWhite);

  // Shrinking drops pixels (ColorOnColor) instead of ANDing them together,
  // which would blacken a clip of thin lines.
  const Bitmap lines = gridBitmap({".#.#", ".#.#", ".#.#", ".#.#"});
  Bitmap small = gridBitmap({"kk", "kk"});
  drawClip(small, lines, makeMask(lines), ClipPlacement::stretched({0, 0}, {2, 4}));
  EXPECT_EQ(small.canvas().stretchMode, gdi::StretchMode::ColorOnColor);
  EXPECT_EQ(grid(small), (Grid{"kk", "kk"}));
  Bitmap wide = gridBitmap({"kkkkkkkk"});
  drawClip(wide, lines, makeMask(lines), ClipPlacement::stretched({0, 0}, {8, 3}));
  EXPECT_EQ(wide.canvas().stretchMode, gdi::StretchMode::ColorOnColor);  // lower than the mask
}

TEST(ClipHits, TheBorderIsAMiss) {
  const gdi::Rect area = clipArea(ClipPlacement::at({10, 20}), {5, 4});
  EXPECT_EQ(area, (gdi::Rect{10, 20, 15, 24}));
  EXPECT_TRUE(hitsClip(area, 11, 21));
  EXPECT_TRUE(hitsClip(area, 14, 23));
  EXPECT_FALSE(hitsClip(area, 10, 21));
  EXPECT_FALSE(hitsClip(area, 11, 20));
  EXPECT_FALSE(hitsClip(area, 15, 21));
  EXPECT_FALSE(hitsClip(area, 11, 24));
  EXPECT_EQ(clipArea(ClipPlacement::stretched({1, 2}, {30, 40}), {5, 4}),
            (gdi::Rect{1, 2, 31, 42}));
}

TEST(ClipFrame, IsABlackRingInsideTheAreaReported) {
  Bitmap picture(40, 30);
  picture.fill(gdi::clRed);
  const gdi::Rect touched = drawClipFrame(picture, {5, 5, 25, 20});
  // Not-copy of a white pen paints black; a pen two wide draws no dashes.
  int black = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) {
      const gdi::TColor c = picture.pixel(x, y);
      if (c == gdi::clRed) continue;
      ASSERT_EQ(c, gdi::clBlack);
      ASSERT_TRUE(touched.contains(x, y)) << x << "," << y;
      ++black;
    }
  EXPECT_EQ(black, 2 * 2 * (20 + 15));
  EXPECT_EQ(picture.pixel(15, 12), gdi::clRed);  // inside stays
}

// Moving by restoring only where the clip was must give, after every step,
// exactly what restoring the whole picture gives: unsized and sized clips,
// moves partly and wholly off the picture, frames and trails in between.
TEST(FloatingClip, RestoringOnlyWhereTheClipWasEqualsRestoringEverything) {
  const Bitmap backdrop = noiseBitmap(120, 90, 21);
  Bitmap clip = noiseBitmap(30, 20, 5);
  for (int y = 4; y < 16; ++y)
    for (int x = 6; x < 24; ++x) clip.row(y)[x] = 0xFFFFFF;  // a transparent hole
  const Bitmap mask = makeMask(clip);

  Bitmap fast = backdrop, whole = backdrop;
  FloatingClip floating, reference;
  floating.start();
  reference.start();
  std::mt19937 rng(3);
  std::uniform_int_distribution<int> pos(-50, 140), size(10, 70), kind(0, 9);
  for (int step = 0; step < 300; ++step) {
    ClipPlacement at = ClipPlacement::at({pos(rng), pos(rng)});
    if (kind(rng) < 4) at = ClipPlacement::stretched(at.pos, {size(rng), size(rng)});
    switch (kind(rng)) {
      case 0:  // a trail: drawn without restoring
        floating.draw(fast, clip, mask, at);
        reference.draw(whole, clip, mask, at);
        break;
      case 1:  // the frame of a press
        floating.frame(fast, clipArea(at, {30, 20}));
        reference.frame(whole, clipArea(at, {30, 20}));
        break;
      default: {
        const gdi::Rect before = floating.drawnArea();
        const gdi::Rect repaint = floating.move(fast, backdrop, clip, mask, at);
        reference.restoreAll(whole, backdrop);
        reference.draw(whole, clip, mask, at);
        EXPECT_EQ(repaint, before.united(clipArea(at, {30, 20}).intersected(fast.rect())));
      }
    }
    ASSERT_EQ(fast, whole) << "step " << step;
  }
}

TEST(FloatingClip, AfterForgettingTheWholeBackdropGoesBack) {
  const Bitmap backdrop = noiseBitmap(50, 50, 2);
  Bitmap picture = backdrop;
  FloatingClip floating;
  floating.start();
  const Bitmap clip = gridBitmap({"rr", "rr"});
  floating.draw(picture, clip, makeMask(clip), ClipPlacement::at({3, 3}));
  picture.canvas().pen.color = gdi::clBlack;
  picture.canvas().moveTo(40, 0);
  picture.canvas().lineTo(40, 50);  // someone else drew on the picture
  floating.forget();
  EXPECT_EQ(floating.move(picture, backdrop, clip, makeMask(clip), ClipPlacement::at({10, 10})),
            picture.rect());
  Bitmap expected = backdrop;
  drawClip(expected, clip, makeMask(clip), ClipPlacement::at({10, 10}));
  EXPECT_EQ(picture, expected);
  ASSERT_TRUE(floating.lastDrawn().has_value());
  EXPECT_EQ(floating.lastDrawn()->pos, (gdi::Point{10, 10}));
}

TEST(FloatingClip, TheFrameComesOffExactlyUnlessSomethingDrewOverIt) {
  const Bitmap backdrop = noiseBitmap(80, 60, 9);
  const Bitmap clip = noiseBitmap(30, 20, 4);
  const Bitmap mask = makeMask(clip);
  // Frames of every size, partly off the picture too.
  for (const gdi::Rect area :
       {gdi::Rect{10, 10, 40, 30}, gdi::Rect{-5, 50, 20, 70}, gdi::Rect{30, 20, 33, 22}}) {
    Bitmap picture = backdrop;
    FloatingClip floating;
    floating.start();
    floating.draw(picture, clip, mask, ClipPlacement::at({area.left, area.top}));
    const Bitmap drawn = picture;
    floating.frame(picture, area);
    ASSERT_FALSE(picture == drawn);
    EXPECT_TRUE(floating.framed());
    EXPECT_FALSE(floating.unframe(picture).isEmpty());
    EXPECT_EQ(picture, drawn);
    EXPECT_FALSE(floating.framed());
    EXPECT_TRUE(floating.unframe(picture).isEmpty());  // only once
  }

  // A new frame, or a draw, takes the old frame off first.
  Bitmap picture = backdrop;
  FloatingClip floating;
  floating.start();
  floating.frame(picture, {5, 5, 30, 25});
  floating.frame(picture, {40, 30, 70, 50});
  floating.unframe(picture);
  EXPECT_EQ(picture, backdrop);
  floating.frame(picture, {5, 5, 30, 25});
  floating.draw(picture, clip, mask, ClipPlacement::at({40, 30}));
  Bitmap expected = backdrop;
  drawClip(expected, clip, mask, ClipPlacement::at({40, 30}));
  EXPECT_EQ(picture, expected);

  // Drawn over by someone else, the frame is left: putting old pixels back
  // would undo that drawing.
  floating.frame(picture, {5, 5, 30, 25});
  picture.canvas().pen.color = gdi::clBlack;
  picture.canvas().moveTo(0, 5);
  picture.canvas().lineTo(80, 5);
  const Bitmap changed = picture;
  EXPECT_TRUE(floating.unframe(picture).isEmpty());
  EXPECT_EQ(picture, changed);
}
