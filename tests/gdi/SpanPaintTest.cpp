#include <gtest/gtest.h>

#include "platform/gdi/SpanPaint.h"
#include "support/PixelGrid.h"

using namespace gdi;
using testing_support::Grid;
using testing_support::grid;

TEST(Rop2, MasksAgreeWithTheTruthTableForEveryCode) {
  const std::uint32_t pens[] = {0, 0xFFFFFF, 0x123456, 0xA5A5A5};
  const std::uint32_t dsts[] = {0, 0xFFFFFF, 0x0F0F0F, 0x654321};
  for (int r = R2_BLACK; r <= R2_WHITE; ++r)
    for (std::uint32_t p : pens)
      for (std::uint32_t d : dsts) {
        std::uint32_t expect = 0;
        for (int bit = 0; bit < 24; ++bit) {
          const unsigned pb = (p >> bit) & 1, db = (d >> bit) & 1;
          expect |= ((unsigned(r - 1) >> ((pb << 1) | db)) & 1u) << bit;
        }
        EXPECT_EQ(applyRop2(r, p, d), expect) << "rop2 " << r;
      }
  EXPECT_EQ(applyRop2(rop2Of(PenMode::Copy), 0x123456, 0xFFFFFF), 0x123456u);
  EXPECT_EQ(applyRop2(rop2Of(PenMode::NotXor), 0, 0x123456), 0xEDCBA9u);
  EXPECT_EQ(applyRop2(rop2Of(PenMode::NotXor), 0xFFFFFF, 0x123456), 0x123456u);
}

TEST(Rop3, SourceAndPatternUseFollowTheTable) {
  EXPECT_TRUE(ropUsesSource(ropIndex(SRCCOPY)));
  EXPECT_FALSE(ropUsesDest(ropIndex(SRCCOPY)));
  EXPECT_FALSE(ropUsesSource(ropIndex(PATCOPY)));
  EXPECT_TRUE(ropUsesPattern(ropIndex(PATINVERT)));
  EXPECT_EQ(applyRop3(ropIndex(SRCAND), 0, 0xF0F0F0, 0xFF00FF), 0xF000F0u);
  EXPECT_EQ(applyRop3(ropIndex(MERGEPAINT), 0, 0x00FF00, 0x0000FF), 0xFF00FFu);
}

TEST(SpanList, NormalizeMergesOverlapsSoEachPixelIsPaintedOnce) {
  SpanList s;
  s.add(1, 0, 3);
  s.add(0, 2, 4);
  s.add(1, 2, 5);
  s.add(1, 5, 6);  // touching: merged
  s.add(0, 0, 1);
  s.normalize();
  EXPECT_EQ(s.spans(), (std::vector<Span>{{0, 0, 1}, {0, 2, 4}, {1, 0, 6}}));
  Bitmap b(6, 2);
  b.fill(0x000000);
  paintSpans(b, s, Ink::solid(0, R2_NOT));
  EXPECT_EQ(grid(b), (Grid{".#..##", "......"}));
}

TEST(SpanList, SubtractAndClip) {
  SpanList a, cut;
  a.add(0, 0, 10);
  a.add(1, 0, 10);
  cut.add(0, 2, 4);
  cut.add(0, 6, 7);
  cut.add(1, -5, 20);
  a.normalize();
  cut.normalize();
  a.subtract(cut);
  EXPECT_EQ(a.spans(), (std::vector<Span>{{0, 0, 2}, {0, 4, 6}, {0, 7, 10}}));
  a.clip({1, 0, 5, 1});
  EXPECT_EQ(a.spans(), (std::vector<Span>{{0, 1, 2}, {0, 4, 5}}));
}

TEST(SpanPaint, HatchLeavesTheGapsAndPatternsTileFromTheOrigin) {
  Bitmap b(8, 8);
  Brush hatch;
  hatch.setColor(clBlack);
  hatch.setStyle(BrushStyle::Vertical);
  paintSpan(b, 0, 0, 8, Ink::ofBrush(hatch, R2_COPYPEN));
  EXPECT_EQ(grid(b, {0, 0, 8, 1}), (Grid{"....#..."}));

  Bitmap tile = testing_support::gridBitmap({"r#", "gb"});
  Brush pattern;
  pattern.setBitmap(tile);
  Bitmap c(5, 2);
  paintSpan(c, 0, 1, 5, Ink::ofBrush(pattern, R2_COPYPEN));
  paintSpan(c, 1, 0, 5, Ink::ofBrush(pattern, R2_COPYPEN));
  EXPECT_EQ(grid(c), (Grid{".#r#r", "gbgbg"}));
}

TEST(Brush, ColouringAClearBrushMakesItSolidAndStylesEndPatterns) {
  Brush b;
  b.setStyle(BrushStyle::Clear);
  EXPECT_TRUE(b.isClear());
  b.setColor(clRed);
  EXPECT_EQ(b.style(), BrushStyle::Solid);
  b.setBitmap(Bitmap(2, 2));
  EXPECT_NE(b.bitmap(), nullptr);
  b.setStyle(BrushStyle::Cross);
  EXPECT_EQ(b.bitmap(), nullptr);
}

TEST(SpanList, NormalizeAgreesWithAPixelSetForCrowdedAndSparseRows) {
  // Many spans per row (self-crossing strokes) and rows far apart take
  // different sorting paths; all must give the same sorted, merged result.
  std::uint32_t seed = 5;
  auto rnd = [&](int n) {
    seed = seed * 1664525u + 1013904223u;
    return int((seed >> 8) % std::uint32_t(n));
  };
  for (int round = 0; round < 30; ++round) {
    const int rows = 1 + rnd(round % 3 == 0 ? 3 : 40), width = 1 + rnd(300);
    const int spread = round % 5 == 4 ? 1000000 : 1;
    SpanList list;
    std::vector<std::vector<bool>> covered(std::size_t(rows),
                                           std::vector<bool>(std::size_t(width), false));
    for (int i = 0, n = rnd(400); i < n; ++i) {
      const int y = rnd(rows), x1 = rnd(width), x2 = x1 + 1 + rnd(width - x1);
      list.add(y * spread - 7, x1 - 50, x2 - 50);
      for (int x = x1; x < x2; ++x) covered[std::size_t(y)][std::size_t(x)] = true;
    }
    list.normalize();
    std::vector<Span> expected;
    for (int y = 0; y < rows; ++y)
      for (int x = 0; x < width; ++x) {
        if (!covered[std::size_t(y)][std::size_t(x)]) continue;
        if (!expected.empty() && expected.back().y == y * spread - 7 &&
            expected.back().x2 == x - 50)
          ++expected.back().x2;
        else
          expected.push_back({y * spread - 7, x - 50, x - 49});
      }
    ASSERT_EQ(list.spans(), expected) << "round " << round;
  }
}

TEST(SpanPaint, HatchedSpansPaintExactlyTheHatchPixels) {
  for (int s = int(BrushStyle::Horizontal); s <= int(BrushStyle::DiagCross); ++s) {
    Brush brush;
    brush.setColor(clBlack);
    brush.setStyle(BrushStyle(s));
    Bitmap b(40, 16);
    for (int y = 0; y < 16; ++y)
      paintSpan(b, y, (y * 7) % 13 - 3, 40 - y, Ink::ofBrush(brush, R2_COPYPEN));
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 40; ++x) {
        const bool inSpan = x >= (y * 7) % 13 - 3 && x < 40 - y;
        EXPECT_EQ(b.pixel(x, y) == clBlack, inSpan && hatchBit(BrushStyle(s), x, y))
            << "style " << s << " at " << x << "," << y;
      }
  }
}
