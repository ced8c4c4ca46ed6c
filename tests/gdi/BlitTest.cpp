#include <gtest/gtest.h>

#include "platform/gdi/Blit.h"
#include "platform/gdi/SpanPaint.h"
#include "support/PixelGrid.h"

using namespace gdi;
using testing_support::Grid;
using testing_support::grid;
using testing_support::gridBitmap;
using testing_support::noiseBitmap;

namespace {

Brush solidBrush(TColor c) {
  Brush b;
  b.setColor(c);
  return b;
}

// The pattern pixel a blit must use at (x, y) for each kind of brush.
std::uint32_t referencePattern(const Brush& brush, int x, int y) {
  if (const Bitmap* p = brush.bitmap())
    return std::uint32_t(p->pixel(x % p->width(), y % p->height()));
  if (brush.style() == BrushStyle::Solid) return std::uint32_t(brush.color());
  return hatchBit(brush.style(), x, y) ? std::uint32_t(brush.color()) : 0xFFFFFFu;
}

}  // namespace

TEST(BitBlt, EveryOperationAgreesWithTheTruthTableForEveryKindOfBrush) {
  const Bitmap src = noiseBitmap(13, 9, 7);
  const Bitmap before = noiseBitmap(17, 11, 99);
  Brush brushes[3] = {solidBrush(0x35A7C2), solidBrush(0x12F0E1), Brush()};
  brushes[1].setStyle(BrushStyle::DiagCross);
  brushes[2].setBitmap(noiseBitmap(3, 5, 4242));
  for (const Brush& brush : brushes)
    for (int code = 0; code < 256; ++code) {
      Bitmap dst = before;
      bitBlt(dst, 2, 1, 13, 9, &src, 0, 0, std::uint32_t(code) << 16, brush);
      int wrong = 0;
      for (int y = 0; y < dst.height(); ++y)
        for (int x = 0; x < dst.width(); ++x) {
          const bool inside = x >= 2 && x < 15 && y >= 1 && y < 10;
          const std::uint32_t d = std::uint32_t(before.pixel(x, y));
          const std::uint32_t expect =
              inside ? applyRop3(std::uint8_t(code), referencePattern(brush, x, y),
                                 std::uint32_t(src.pixel(x - 2, y - 1)), d)
                     : d;
          wrong += std::uint32_t(dst.pixel(x, y)) != expect;
        }
      EXPECT_EQ(wrong, 0) << "rop " << code << " brush style " << int(brush.style());
    }
}

TEST(BitBlt, ClipsToTheDestinationAtEveryEdge) {
  const Bitmap src = gridBitmap({"rg", "by"});
  const Bitmap white(3, 3);
  struct Case {
    int x, y;
    Grid expect;
  } cases[] = {
      {-1, 0, {"g..", "y..", "..."}},  {2, 0, {"..r", "..b", "..."}},
      {0, -1, {"by.", "...", "..."}},  {0, 2, {"...", "...", "rg."}},
      {-1, -1, {"y..", "...", "..."}}, {5, 5, {"...", "...", "..."}},
  };
  for (const Case& c : cases) {
    Bitmap dst = white;
    dst.takeDirty();
    bitBlt(dst, c.x, c.y, 2, 2, &src, 0, 0, SRCCOPY, Brush());
    EXPECT_EQ(grid(dst), c.expect) << c.x << "," << c.y;
    EXPECT_EQ(dst.dirty().isEmpty(), c.x == 5);
  }
}

TEST(BitBlt, PixelsReadFromOutsideTheSourceLeaveTheDestinationAlone) {
  const Bitmap src = gridBitmap({"rg", "by"});
  Bitmap dst = gridBitmap({"kkkk", "kkkk", "kkkk", "kkkk"});
  // Source origin at (-1, -1): the first row and column have nothing to read.
  bitBlt(dst, 0, 0, 4, 4, &src, -1, -1, SRCCOPY, Brush());
  EXPECT_EQ(grid(dst), (Grid{"kkkk", "krgk", "kbyk", "kkkk"}));
  EXPECT_EQ(dst.dirty(), (Rect{1, 1, 3, 3}));
  // The same clipping holds for operations that also read the destination.
  Bitmap masked = gridBitmap({"...", "...", "..."});
  bitBlt(masked, 0, 0, 3, 3, &src, 1, 1, SRCAND, Brush());
  EXPECT_EQ(grid(masked), (Grid{"y..", "...", "..."}));
}

TEST(BitBlt, OperationsWithoutSourceNeedNoneAndNullSourceIsRefusedOtherwise) {
  Bitmap dst = gridBitmap({"#.", ".#"});
  bitBlt(dst, 0, 0, 2, 2, nullptr, 0, 0, DSTINVERT, Brush());
  EXPECT_EQ(grid(dst), (Grid{".#", "#."}));
  bitBlt(dst, 0, 0, 2, 2, nullptr, 0, 0, SRCCOPY, Brush());
  EXPECT_EQ(grid(dst), (Grid{".#", "#."}));
  bitBlt(dst, 0, 0, 1, 2, nullptr, 0, 0, PATCOPY, solidBrush(clRed));
  EXPECT_EQ(grid(dst), (Grid{"r#", "r."}));
  Brush clear;
  clear.setStyle(BrushStyle::Clear);
  bitBlt(dst, 0, 0, 2, 2, nullptr, 0, 0, PATCOPY, clear);  // no pattern, nothing painted
  EXPECT_EQ(grid(dst), (Grid{"r#", "r."}));
}

TEST(BitBlt, HatchBrushesAreOpaqueWithWhiteGaps) {
  Bitmap dst(8, 8);
  dst.fill(clGray);
  Brush hatch = solidBrush(clBlack);
  hatch.setStyle(BrushStyle::Vertical);
  bitBlt(dst, 0, 0, 8, 1, nullptr, 0, 0, PATCOPY, hatch);
  EXPECT_EQ(grid(dst, {0, 0, 8, 1}), (Grid{"....#..."}));
}

TEST(BitBlt, OverlappingSelfBlitReadsTheSourceFirst) {
  const Bitmap original = noiseBitmap(9, 7, 5);
  const int shifts[][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {2, 3}, {-3, -2}, {3, -1}};
  for (const auto& s : shifts)
    for (std::uint32_t rop : {SRCCOPY, SRCINVERT, std::uint32_t(0x00B8074A)}) {
      Bitmap expect = original;
      const Bitmap copy = original;
      bitBlt(expect, s[0], s[1], 9, 7, &copy, 0, 0, rop, solidBrush(0x00FF00));
      Bitmap self = original;
      bitBlt(self, s[0], s[1], 9, 7, &self, 0, 0, rop, solidBrush(0x00FF00));
      EXPECT_TRUE(self == expect) << s[0] << "," << s[1] << " rop " << std::hex << rop;
    }
}

TEST(BitBlt, NegativeExtentsTurnBothRectanglesWithoutMirroring) {
  const Bitmap src = gridBitmap({"rgb"});
  Bitmap dst(3, 1);
  // Width -2 from x = 2 covers pixels 1..2; the source likewise 1..2.
  bitBlt(dst, 2, 0, -2, 1, &src, 2, 0, SRCCOPY, Brush());
  EXPECT_EQ(grid(dst), (Grid{".gb"}));
}

TEST(BitBlt, MaskingLeavesTheClipOverThePictureAndSnapsToThePalette) {
  // A clip's mask (black where opaque) merged with MERGEPAINT, then the clip
  // ANDed in: the clip's colours where opaque, the picture elsewhere.
  const Bitmap clip = gridBitmap({".r", "b."});
  const Bitmap mask = gridBitmap({".#", "#."});
  Bitmap picture = gridBitmap({"kkk", "kkk"});
  bitBlt(picture, 1, 0, 2, 2, &mask, 0, 0, MERGEPAINT, Brush());
  bitBlt(picture, 1, 0, 2, 2, &clip, 0, 0, SRCAND, Brush());
  EXPECT_EQ(grid(picture), (Grid{"kkr", "kbk"}));

  Bitmap mono(2, 1);
  mono.setPixelFormat(PixelFormat::Bits1);
  const Bitmap greys = gridBitmap({"xs"});
  bitBlt(mono, 0, 0, 2, 1, &greys, 0, 0, SRCCOPY, Brush());
  EXPECT_EQ(grid(mono), (Grid{"#."}));
}

TEST(StretchBlt, ShrinkingCombinesTheDroppedPixelsByMode) {
  const Bitmap src = gridBitmap({"#...", "....", "....", "...#"});
  auto shrink = [&](StretchMode mode) {
    Bitmap dst(2, 2);
    dst.fill(clRed);
    stretchBlt(dst, 0, 0, 2, 2, src, 0, 0, 4, 4, SRCCOPY, mode, Brush());
    return dst;
  };
  EXPECT_EQ(grid(shrink(StretchMode::BlackOnWhite)), (Grid{"#.", ".#"}));
  EXPECT_EQ(grid(shrink(StretchMode::WhiteOnBlack)), (Grid{"..", ".."}));
  EXPECT_EQ(grid(shrink(StretchMode::ColorOnColor)), (Grid{"#.", ".."}));
  const Bitmap half = shrink(StretchMode::Halftone);
  EXPECT_EQ(half.pixel(0, 0), RGB(191, 191, 191));  // (0 + 3 * 255) / 4, rounded
  EXPECT_EQ(half.pixel(1, 0), clWhite);
  EXPECT_EQ(half.pixel(1, 1), RGB(191, 191, 191));
}

TEST(StretchBlt, ShrinkModesAgreeWithANaiveBlockReference) {
  // Uneven ratios, and a block large enough for the wide halftone sums.
  const struct {
    int sw, sh, w, h;
  } sizes[] = {{13, 11, 5, 4}, {7, 9, 7, 2}, {200, 100, 1, 1}, {9, 5, 4, 5}};
  for (const auto& z : sizes) {
    const Bitmap src = noiseBitmap(z.sw, z.sh, 321);
    for (StretchMode mode : {StretchMode::BlackOnWhite, StretchMode::WhiteOnBlack,
                             StretchMode::ColorOnColor, StretchMode::Halftone}) {
      Bitmap dst(z.w, z.h);
      stretchBlt(dst, 0, 0, z.w, z.h, src, 0, 0, z.sw, z.sh, SRCCOPY, mode, Brush());
      for (int y = 0; y < z.h; ++y)
        for (int x = 0; x < z.w; ++x) {
          const int x0 = x * z.sw / z.w, x1 = (x + 1) * z.sw / z.w;
          const int y0 = y * z.sh / z.h, y1 = (y + 1) * z.sh / z.h;
          std::uint32_t andV = 0xFFFFFF, orV = 0;
          std::uint64_t sum[3] = {};
          for (int yy = y0; yy < y1; ++yy)
            for (int xx = x0; xx < x1; ++xx) {
              const std::uint32_t v = std::uint32_t(src.pixel(xx, yy));
              andV &= v;
              orV |= v;
              for (int c = 0; c < 3; ++c) sum[c] += (v >> (8 * c)) & 0xFF;
            }
          const std::uint64_t count = std::uint64_t(x1 - x0) * std::uint64_t(y1 - y0);
          std::uint32_t expect = std::uint32_t(src.pixel(x0, y0));
          if (mode == StretchMode::BlackOnWhite) expect = andV;
          if (mode == StretchMode::WhiteOnBlack) expect = orV;
          if (mode == StretchMode::Halftone) {
            expect = 0;
            for (int c = 0; c < 3; ++c)
              expect |= std::uint32_t((sum[c] + count / 2) / count) << (8 * c);
          }
          ASSERT_EQ(std::uint32_t(dst.pixel(x, y)), expect)
              << z.sw << "x" << z.sh << " mode " << int(mode) << " at " << x << "," << y;
        }
    }
  }
}

TEST(StretchBlt, BlackOnWhiteKeepsThinBlackLinesAndWhiteOnBlackThinWhiteOnes) {
  // A black line on an odd column: picking one pixel of each pair drops it.
  const Bitmap lines = gridBitmap({".#..", ".#..", ".#..", ".#.."});
  Bitmap keep(2, 2), drop(2, 2);
  stretchBlt(keep, 0, 0, 2, 2, lines, 0, 0, 4, 4, SRCCOPY, StretchMode::BlackOnWhite, Brush());
  stretchBlt(drop, 0, 0, 2, 2, lines, 0, 0, 4, 4, SRCCOPY, StretchMode::ColorOnColor, Brush());
  EXPECT_EQ(grid(keep), (Grid{"#.", "#."}));
  EXPECT_EQ(grid(drop), (Grid{"..", ".."}));

  const Bitmap whiteLine = gridBitmap({"###.", "###.", "###.", "###."});
  Bitmap dst(2, 2);
  stretchBlt(dst, 0, 0, 2, 2, whiteLine, 0, 0, 4, 4, SRCCOPY, StretchMode::WhiteOnBlack, Brush());
  EXPECT_EQ(grid(dst), (Grid{"#.", "#."}));
}

TEST(StretchBlt, EnlargingReplicatesInEveryMode) {
  const Bitmap src = gridBitmap({"rg", "by"});
  for (StretchMode mode : {StretchMode::BlackOnWhite, StretchMode::WhiteOnBlack,
                           StretchMode::ColorOnColor, StretchMode::Halftone}) {
    Bitmap dst(5, 4);
    stretchBlt(dst, 0, 0, 5, 4, src, 0, 0, 2, 2, SRCCOPY, mode, Brush());
    EXPECT_EQ(grid(dst), (Grid{"rrrgg", "rrrgg", "bbbyy", "bbbyy"})) << int(mode);
  }
}

TEST(StretchBlt, NegativeExtentsMirror) {
  const Bitmap src = gridBitmap({"rgb", "#.k"});
  Bitmap dst(3, 2);
  // The common idiom: start at the last column with a negative width.
  stretchBlt(dst, 2, 0, -3, 2, src, 0, 0, 3, 2, SRCCOPY, StretchMode::ColorOnColor, Brush());
  EXPECT_EQ(grid(dst), (Grid{"bgr", "k.#"}));
  Bitmap flipped(3, 2);
  stretchBlt(flipped, 0, 0, 3, 2, src, 0, 1, 3, -2, SRCCOPY, StretchMode::ColorOnColor, Brush());
  EXPECT_EQ(grid(flipped), (Grid{"#.k", "rgb"}));
  Bitmap both(3, 2);
  stretchBlt(both, 2, 1, -3, -2, src, 2, 1, -3, -2, SRCCOPY, StretchMode::ColorOnColor, Brush());
  EXPECT_EQ(grid(both), grid(src));
}

TEST(StretchBlt, SourceOutsideTheSourceShrinksTheDestinationInProportion) {
  // Zooming from one column left of the picture: a 3-pixel source taken from
  // x = -1 over 6 destination pixels leaves the first two untouched.
  const Bitmap src = gridBitmap({"rg"});
  Bitmap dst = gridBitmap({"kkkkkk"});
  stretchBlt(dst, 0, 0, 6, 1, src, -1, 0, 3, 1, SRCCOPY, StretchMode::BlackOnWhite, Brush());
  EXPECT_EQ(grid(dst), (Grid{"kkrrgg"}));
  EXPECT_EQ(dst.dirty(), (Rect{2, 0, 6, 1}));
  dst.takeDirty();
  stretchBlt(dst, 0, 0, 6, 1, src, 1, 0, 3, 1, SRCCOPY, StretchMode::BlackOnWhite, Brush());
  EXPECT_EQ(grid(dst), (Grid{"ggrrgg"}));
  EXPECT_EQ(dst.dirty(), (Rect{0, 0, 2, 1}));
}

TEST(StretchBlt, RasterOperationsApplyToTheStretchedSourceAndSelfStretchReadsFirst) {
  const Bitmap mask = gridBitmap({"#.", ".."});
  Bitmap dst = gridBitmap({"kkkk", "kkkk", "kkkk", "kkkk"});
  stretchBlt(dst, 0, 0, 4, 4, mask, 0, 0, 2, 2, MERGEPAINT, StretchMode::BlackOnWhite, Brush());
  EXPECT_EQ(grid(dst), (Grid{"..kk", "..kk", "kkkk", "kkkk"}));

  Bitmap self = gridBitmap({"rg..", "by..", "....", "...."});
  stretchBlt(self, 0, 0, 4, 4, self, 0, 0, 2, 2, SRCCOPY, StretchMode::ColorOnColor, Brush());
  EXPECT_EQ(grid(self), (Grid{"rrgg", "rrgg", "bbyy", "bbyy"}));
}

TEST(TransparentBlt, SkipsTheKeyColourAlsoWhenStretching) {
  const Bitmap src = gridBitmap({"r.", ".b"});
  Bitmap dst = gridBitmap({"kkkk", "kkkk"});
  transparentBlt(dst, 0, 0, 2, 2, src, 0, 0, 2, 2, clWhite);
  EXPECT_EQ(grid(dst), (Grid{"rkkk", "kbkk"}));
  Bitmap big = gridBitmap({"kkkk", "kkkk"});
  transparentBlt(big, 0, 0, 4, 2, src, 0, 0, 2, 2, clWhite);
  EXPECT_EQ(grid(big), (Grid{"rrkk", "kkbb"}));
}

TEST(CanvasBlit, DrawHonoursTransparencyAndCopyRectTheCopyMode) {
  Bitmap sprite = gridBitmap({"r.", "g."});
  Bitmap pic = gridBitmap({"kkk", "kkk"});
  pic.canvas().draw(1, 0, sprite);
  EXPECT_EQ(grid(pic), (Grid{"kr.", "kg."}));

  sprite.setTransparent(true);  // key: the bottom-left pixel, green
  pic = gridBitmap({"kkk", "kkk"});
  pic.canvas().draw(1, 0, sprite);
  EXPECT_EQ(grid(pic), (Grid{"kr.", "kk."}));
  sprite.setTransparentColor(clWhite);
  pic = gridBitmap({"kkk", "kkk"});
  pic.canvas().stretchDraw({0, 0, 3, 2}, sprite);
  EXPECT_EQ(grid(pic), (Grid{"rrk", "ggk"}));

  Bitmap target = gridBitmap({"rrrr", "rrrr"});
  target.canvas().copyMode = SRCAND;
  target.canvas().copyRect({0, 0, 4, 2}, gridBitmap({"#.", "#."}), {0, 0, 2, 2});
  EXPECT_EQ(grid(target), (Grid{"##rr", "##rr"}));
}
