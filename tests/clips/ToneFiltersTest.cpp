// The whole-picture tone filters against their plain per-pixel versions, on
// detailed pictures of many shapes, with palettes, and stopped part way.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "EffectReference.h"
#include "clips/engine/ToneFilters.h"
#include "support/PixelGrid.h"

using namespace clips;
using gdi::Bitmap;
using testing_support::noiseBitmap;
namespace ref = effect_reference;

namespace {

using Filter = std::function<bool(Bitmap&, const StoppableStep&)>;
using Reference = std::function<void(Bitmap&)>;

struct Case {
  const char* name;
  Filter filter;
  Reference reference;
};

const std::vector<Case>& cases() {
  static const std::vector<Case> all = {
      {"soft focus", [](Bitmap& p, const StoppableStep& s) { return softFocus(p, s); },
       ref::softFocus},
      {"soften light", [](Bitmap& p, const StoppableStep& s) { return softenLight(p, s); },
       ref::softenLight},
      {"darken", [](Bitmap& p, const StoppableStep& s) { return shiftImage(p, Tone::Darken, s); },
       [](Bitmap& p) { ref::shiftImage(p, false); }},
      {"lighten", [](Bitmap& p, const StoppableStep& s) { return shiftImage(p, Tone::Lighten, s); },
       [](Bitmap& p) { ref::shiftImage(p, true); }},
  };
  return all;
}

// A photograph-like picture: smooth ramps with a little noise, so neighbours
// are close and halves turn up often, with a band of full noise.
Bitmap detailed(int w, int h, std::uint32_t seed) {
  Bitmap b = noiseBitmap(w, h, seed);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (y > h / 3 && y < h / 2) continue;
      const std::uint32_t n = b.row(y)[x];
      b.row(y)[x] = std::uint32_t(gdi::RGB(x * 255 / w + int(n & 3), y * 250 / h + int(n >> 8 & 5),
                                           (x + y) % 256));
    }
  return b;
}

void expectMatchesReference(const Case& c, Bitmap picture) {
  Bitmap expected = picture;
  c.reference(expected);
  ASSERT_TRUE(c.filter(picture, {}));
  EXPECT_EQ(picture, expected) << c.name << " on " << picture.width() << " x " << picture.height();
}

}  // namespace

TEST(ToneFilters, MatchThePerPixelVersionOnDetailedPictures) {
  for (const Case& c : cases()) {
    expectMatchesReference(c, detailed(333, 251, 1));
    expectMatchesReference(c, noiseBitmap(97, 131, 2));
  }
}

TEST(ToneFilters, MatchThePerPixelVersionOnThinAndTinyPictures) {
  for (const Case& c : cases())
    for (auto [w, h] : std::initializer_list<std::pair<int, int>>{
             {1, 1}, {1, 9}, {9, 1}, {2, 2}, {2, 7}, {3, 3}, {3, 8}, {8, 3}, {4, 4}, {17, 2}})
      expectMatchesReference(c, noiseBitmap(w, h, std::uint32_t(w * 31 + h)));
}

TEST(ToneFilters, PalettePicturesReuseTheirSnappedValues) {
  for (const Case& c : cases())
    for (const gdi::PixelFormat f : {gdi::PixelFormat::Bits4, gdi::PixelFormat::Bits8}) {
      Bitmap picture = detailed(120, 90, 3);
      picture.setPixelFormat(f);
      expectMatchesReference(c, picture);
    }
}

TEST(ToneFilters, KeepTheFormatAndTransparencyOfThePicture) {
  for (const Case& c : cases()) {
    Bitmap picture = detailed(40, 30, 4);
    picture.setPixelFormat(gdi::PixelFormat::Bits24);
    picture.setTransparent(true);
    picture.setTransparentColor(gdi::clLime);
    ASSERT_TRUE(c.filter(picture, {}));
    EXPECT_EQ(picture.pixelFormat(), gdi::PixelFormat::Bits24) << c.name;
    EXPECT_TRUE(picture.transparent()) << c.name;
    EXPECT_EQ(picture.transparentColor(), gdi::clLime) << c.name;
  }
}

TEST(SoftFocus, NeverChangesTheFirstRowOrColumn) {
  const Bitmap before = noiseBitmap(64, 48, 5);
  Bitmap picture = before;
  ASSERT_TRUE(softFocus(picture));
  for (int x = 0; x < 64; ++x) EXPECT_EQ(picture.pixel(x, 0), before.pixel(x, 0));
  for (int y = 0; y < 48; ++y) EXPECT_EQ(picture.pixel(0, y), before.pixel(0, y));
  EXPECT_NE(picture.pixel(1, 1), before.pixel(1, 1));
}

TEST(SoftFocus, AveragesReuseTheValuesAlreadyChanged) {
  // A white dot on black spreads down the diagonal, halving as it goes in
  // the first pass and again in the second.
  Bitmap picture(4, 4);
  picture.fill(gdi::clBlack);
  picture.setPixel(0, 0, gdi::clWhite);
  ASSERT_TRUE(softFocus(picture));
  // Pass 1: (1,1) 128 (127.5 to even), (2,2) 64, (3,3) 32. Pass 2: (1,1)
  // from 128 and 255 is 192 (191.5), (2,2) from 64 and 192 is 128, (3,3)
  // from 32 and 128 is 80.
  EXPECT_EQ(gdi::GetRValue(picture.pixel(1, 1)), 192);
  EXPECT_EQ(gdi::GetRValue(picture.pixel(2, 2)), 128);
  EXPECT_EQ(gdi::GetRValue(picture.pixel(3, 3)), 80);
  EXPECT_EQ(picture.pixel(2, 1), gdi::clBlack);
}

TEST(ShiftImage, ClampsAtTheEnds) {
  Bitmap picture = testing_support::gridBitmap({".#"});
  picture.setPixel(1, 0, gdi::RGB(7, 248, 100));
  Bitmap lighter = picture;
  ASSERT_TRUE(shiftImage(lighter, Tone::Lighten));
  EXPECT_EQ(lighter.pixel(0, 0), gdi::clWhite);
  EXPECT_EQ(lighter.pixel(1, 0), gdi::RGB(15, 255, 108));
  ASSERT_TRUE(shiftImage(picture, Tone::Darken));
  EXPECT_EQ(picture.pixel(0, 0), gdi::RGB(247, 247, 247));
  EXPECT_EQ(picture.pixel(1, 0), gdi::RGB(0, 240, 92));
}

TEST(ToneFilters, AStoppedFilterLeavesThePictureAsItWas) {
  const Bitmap before = detailed(200, 150, 6);
  for (const Case& c : cases()) {
    for (const int position : {1, 50, 100}) {
      Bitmap picture = before;
      int steps = 0;
      EXPECT_FALSE(c.filter(picture, [&](int p) { ++steps; return p < position; })) << c.name;
      EXPECT_EQ(steps, position) << c.name;
      EXPECT_EQ(picture, before) << c.name << " stopped at " << position;
    }
    // Run to the end, the bar counts every 1 % once.
    Bitmap picture = before;
    std::vector<int> seen;
    EXPECT_TRUE(c.filter(picture, [&](int p) { seen.push_back(p); return true; }));
    ASSERT_EQ(seen.size(), 100u) << c.name;
    EXPECT_EQ(seen.front(), 1);
    EXPECT_EQ(seen.back(), 100);
  }
}

TEST(ToneFilters, EmptyPicturesAreLeftAlone) {
  for (const Case& c : cases()) {
    Bitmap empty;
    EXPECT_TRUE(c.filter(empty, {}));
    EXPECT_TRUE(empty.empty());
  }
}

TEST(SoftenLight, TheChainEndIsTheSameFromAShortWindowAsFromTheWholeRow) {
  // Windows from too short to settle anything (the whole row is then
  // worked out) to long enough, on noise, ramps and flat rows.
  std::vector<Bitmap> rows = {noiseBitmap(300, 1, 8), detailed(300, 3, 9)};
  Bitmap flat(300, 1);
  flat.fill(gdi::RGB(10, 127, 250));
  rows.push_back(flat);
  for (const Bitmap& row : rows) {
    const std::uint32_t* in = row.row(0);
    gdi::TColor whole = gdi::TColor(in[0]);
    for (int x = 1; x <= 298; ++x) whole = ref::blendColor(gdi::TColor(in[x]), whole, 3, 10);
    for (int window = 0; window <= 300; window += (window < 64 ? 1 : 37))
      ASSERT_EQ(detail::softenChainEnd(in, 300, window), std::uint32_t(whole)) << window;
  }
}
