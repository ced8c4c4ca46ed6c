#include <gtest/gtest.h>

#include <cstring>

#include "CodecTestSupport.h"
#include "MetafileBuilder.h"
#include "platform/codecs/Metafile.h"
#include "platform/codecs/PictureError.h"
#include "support/PictureErrors.h"
#include "support/PixelGrid.h"

using namespace codecs;
using codec_test::Bytes;
using codec_test::EmfBuilder;
using codec_test::WmfBuilder;
using testing_support::Grid;
using testing_support::grid;

namespace {

constexpr std::uint32_t kRed = 0x0000FF, kBlue = 0xFF0000, kBlack = 0, kLime = 0x00FF00;

// A placeable metafile whose logical units are pixels: box 0..w x 0..h at 96
// units per inch.
WmfBuilder pixelWmf(int w, int h, int objects = 8) { return WmfBuilder(objects, 96, 0, 0, w, h); }

using testing_support::kindOf;

std::int64_t count(const gdi::Bitmap& b, gdi::TColor c) {
  return testing_support::countColor(b, c);
}

}  // namespace

TEST(Metafile, SizesComeFromTheHeadersAt96Dpi) {
  // Placeable: a box of 1440 x 720 twips is 1 x 0.5 inch.
  EXPECT_EQ(metafileSize(WmfBuilder(0, 1440, 0, 0, 1440, 720).finish()), (gdi::Size{96, 48}));
  // Plain: the window extent is the size.
  EXPECT_EQ(metafileSize(WmfBuilder(0).windowOrg(0, 0).windowExt(50, 30).finish()),
            (gdi::Size{50, 30}));
  // EMF: the frame in hundredths of a millimetre.
  EXPECT_EQ(metafileSize(EmfBuilder(2540, 1270, 1).finish()), (gdi::Size{96, 48}));
  EXPECT_EQ(metafileKind(WmfBuilder(0).finish()), MetafileKind::Wmf);
  EXPECT_EQ(readMetafile(EmfBuilder(2540, 1270, 1).finish()).pixel(5, 5), gdi::clWhite);
}

TEST(Metafile, FilesWithoutAUsableHeaderAreInvalidPictures) {
  EXPECT_EQ(kindOf([] { readMetafile(WmfBuilder(0).finish()); }), ErrorKind::InvalidPicture);
  EXPECT_EQ(kindOf([] { readMetafile(Bytes{1, 2, 3}); }), ErrorKind::InvalidPicture);
  Bytes emf = EmfBuilder(2540, 2540, 1).finish();
  emf[40] = 'X';  // signature
  EXPECT_EQ(kindOf([&] { readMetafile(emf); }), ErrorKind::InvalidPicture);
  // A header asking for an absurd size is refused before allocating.
  EXPECT_EQ(kindOf([] { readMetafile(WmfBuilder(0, 1, 0, 0, 30000, 30000).finish()); }),
            ErrorKind::TooLarge);
}

TEST(Metafile, WmfRectangleUsesTheSelectedPenAndBrush) {
  const Bytes wmf = pixelWmf(8, 6)
                        .pen(0, 1, kBlack)
                        .brush(0, kRed)
                        .select(0)
                        .select(1)
                        .rectangle(1, 1, 6, 5)
                        .finish();
  EXPECT_EQ(grid(readMetafile(wmf)),
            (Grid{"........", ".#####..", ".#rrr#..", ".#rrr#..", ".#####..", "........"}));
}

TEST(Metafile, NewObjectsTakeTheLowestFreeSlot) {
  // Pen in 0, brush in 1; deleting 0 lets the next brush take slot 0.
  const Bytes wmf = pixelWmf(4, 4)
                        .pen(5, 1, kBlack)  // PS_NULL
                        .brush(0, kRed)
                        .remove(0)
                        .brush(0, kBlue)
                        .select(0)
                        .select(0)
                        .rectangle(0, 0, 4, 4)
                        .finish();
  const gdi::Bitmap b = readMetafile(wmf);
  EXPECT_EQ(b.pixel(1, 1), gdi::clBlue);
}

TEST(Metafile, WindowOriginAndExtentMapOntoThePicture) {
  // The box says 20 x 20 pixels; the window then makes 10 units fill it, so
  // the 5 x 5 unit square becomes 10 x 10 pixels at the top left.
  const Bytes wmf = pixelWmf(20, 20)
                        .windowOrg(10, 10)
                        .windowExt(10, 10)
                        .record(0x012D, {0})  // nothing created yet: ignored
                        .brush(0, kRed)
                        .pen(0, 0, kBlack)
                        .select(0)
                        .select(1)
                        .rectangle(10, 10, 15, 15)
                        .finish();
  const gdi::Bitmap b = readMetafile(wmf);
  EXPECT_EQ(count(b, gdi::clRed) + count(b, gdi::clBlack), 100);
  EXPECT_EQ(b.pixel(0, 0), gdi::clBlack);
  EXPECT_EQ(b.pixel(9, 9), gdi::clBlack);
  EXPECT_EQ(b.pixel(5, 5), gdi::clRed);
  EXPECT_EQ(b.pixel(10, 10), gdi::clWhite);
}

TEST(Metafile, LinesPolygonsAndEllipses) {
  WmfBuilder w = pixelWmf(20, 20);
  w.pen(0, 1, kBlack).brush(0, kRed).select(0).select(1);
  w.record(0x0214, {1, 0}).record(0x0213, {1, 10});  // MoveTo(0,1) LineTo(10,1)
  w.record(0x0325, {3, 0, 3, 5, 3, 5, 8});           // Polyline (0,3)-(5,3)-(5,8)
  w.record(0x0324, {3, 12, 0, 19, 0, 19, 7});        // Polygon triangle
  w.record(0x0418, {19, 19, 12, 12});                // Ellipse (12,12)-(19,19)
  const gdi::Bitmap b = readMetafile(w.finish());
  for (int x = 0; x < 10; ++x) EXPECT_EQ(b.pixel(x, 1), gdi::clBlack) << x;
  EXPECT_EQ(b.pixel(10, 1), gdi::clWhite);  // end point left out
  EXPECT_EQ(b.pixel(3, 3), gdi::clBlack);
  EXPECT_EQ(b.pixel(5, 6), gdi::clBlack);
  EXPECT_EQ(b.pixel(17, 2), gdi::clRed);     // inside the triangle
  EXPECT_EQ(b.pixel(13, 5), gdi::clWhite);   // outside it
  EXPECT_EQ(b.pixel(15, 15), gdi::clRed);    // inside the ellipse
  EXPECT_EQ(b.pixel(12, 12), gdi::clWhite);  // its corner
}

TEST(Metafile, PolyPolygonLeavesHolesUnderTheAlternateRule) {
  WmfBuilder w = pixelWmf(12, 12);
  w.pen(5, 1, 0).brush(0, kBlue).select(0).select(1);
  w.record(0x0538, {2, 4, 4, 0, 0, 12, 0, 12, 12, 0, 12, 4, 4, 8, 4, 8, 8, 4, 8});
  const gdi::Bitmap b = readMetafile(w.finish());
  EXPECT_EQ(b.pixel(1, 1), gdi::clBlue);
  EXPECT_EQ(b.pixel(6, 6), gdi::clWhite);  // the hole
  EXPECT_EQ(b.pixel(10, 6), gdi::clBlue);
}

TEST(Metafile, PiesChordsAndArcs) {
  WmfBuilder w = pixelWmf(40, 40);
  w.pen(0, 1, kBlack).brush(0, kRed).select(0).select(1);
  // Pie of the top-right quarter of the circle (0,0)-(40,40): from the right
  // radial counter-clockwise to the top radial.
  w.record(0x081A, {0, 20, 20, 40, 40, 40, 0, 0});
  const gdi::Bitmap b = readMetafile(w.finish());
  EXPECT_EQ(b.pixel(28, 12), gdi::clRed);
  EXPECT_EQ(b.pixel(12, 12), gdi::clWhite);
  EXPECT_EQ(b.pixel(28, 28), gdi::clWhite);

  WmfBuilder arc = pixelWmf(40, 40);
  arc.pen(0, 1, kBlack).select(0);
  arc.record(0x0817, {0, 20, 20, 40, 40, 40, 0, 0});
  const gdi::Bitmap a = readMetafile(arc.finish());
  EXPECT_EQ(a.pixel(28, 12), gdi::clWhite);  // arcs are not filled
  EXPECT_GT(count(a, gdi::clBlack), 20);
  EXPECT_EQ(count(a, gdi::clBlack), count(a, gdi::clBlack));
}

TEST(Metafile, TextIsDrawnInTheTextColourWithTheBackgroundMode) {
  const auto text = [](int bkMode) {
    WmfBuilder w = pixelWmf(80, 30);
    w.record(0x0209, {int(kRed & 0xFFFF), int(kRed >> 16)});    // SetTextColor
    w.record(0x0201, {int(kLime & 0xFFFF), int(kLime >> 16)});  // SetBkColor
    w.record(0x0102, {bkMode});
    Bytes params = codec_test::words({5});
    const Bytes s = codec_test::latin1("Hello");
    params.insert(params.end(), s.begin(), s.end());
    params.push_back(0);
    const Bytes yx = codec_test::words({5, 5});
    params.insert(params.end(), yx.begin(), yx.end());
    w.recordBytes(0x0521, params);
    return readMetafile(w.finish());
  };
  const gdi::Bitmap transparent = text(1);
  EXPECT_GT(count(transparent, gdi::clRed), 10);
  EXPECT_EQ(count(transparent, gdi::clLime), 0);
  EXPECT_EQ(transparent.pixel(2, 2), gdi::clWhite);
  const gdi::Bitmap opaque = text(2);
  EXPECT_GT(count(opaque, gdi::clLime), 10);
}

TEST(Metafile, StretchDibAndPatternBlits) {
  // A 2 x 2 DIB (red, lime / blue, black) stretched onto 4 x 4 at (2, 2).
  const Bytes dib = codec_test::packedDib24(2, 2, {kRed, kLime, kBlue, kBlack});
  Bytes params = codec_test::words({0x0020, 0x00CC, 0, 2, 2, 0, 0, 4, 4, 2, 2});
  params.insert(params.end(), dib.begin(), dib.end());
  WmfBuilder w = pixelWmf(8, 8);
  w.recordBytes(0x0F43, params);
  // PatBlt of a blue brush over the top row.
  w.brush(0, kBlue).select(0).record(0x061D, {0x0021, 0x00F0, 1, 8, 0, 0});
  const gdi::Bitmap b = readMetafile(w.finish());
  EXPECT_EQ(grid(b), (Grid{"bbbbbbbb", "........", "..rrgg..", "..rrgg..", "..bb##..", "..bb##..",
                           "........", "........"}));
}

TEST(Metafile, SaveAndRestoreTheDeviceContext) {
  WmfBuilder w = pixelWmf(12, 6);
  w.pen(5, 1, 0).brush(0, kRed).brush(0, kBlue).select(0).select(1);
  w.record(0x001E, {});  // SaveDC with the red brush
  w.select(2);
  w.rectangle(0, 0, 6, 6);
  w.record(0x0127, {0xFFFF});  // RestoreDC(-1)
  w.rectangle(6, 0, 12, 6);
  const gdi::Bitmap b = readMetafile(w.finish());
  EXPECT_EQ(b.pixel(3, 3), gdi::clBlue);
  EXPECT_EQ(b.pixel(9, 3), gdi::clRed);
}

TEST(Metafile, UnknownAndDamagedRecordsDoNotStopTheRest) {
  const auto picture = [] {
    WmfBuilder w = pixelWmf(8, 8);
    w.record(0x0626, {1, 2, 3});  // META_ESCAPE: not played
    w.record(0x0325, {200, 0});   // Polyline claiming 200 points: skipped
    w.pen(5, 1, 0).brush(0, kRed).select(0).select(1).rectangle(0, 0, 8, 8);
    return w.finish();
  };
  EXPECT_EQ(readMetafile(picture()).pixel(4, 4), gdi::clRed);
  // A record longer than the file ends playback without an error.
  Bytes cut = picture();
  cut[cut.size() - 6 - 14] = 0xFF;  // the rectangle record's size
  EXPECT_EQ(readMetafile(cut).pixel(4, 4), gdi::clWhite);
}

TEST(Metafile, EmfShapesTransformsTextAndBitmaps) {
  // 20 x 20 pixels at 96 dpi.
  EmfBuilder e(529, 529, 4);
  e.record(39, {1, 0, kRed, 0});  // CREATEBRUSHINDIRECT slot 1, solid red
  e.record(37, {1});              // select it
  e.record(37, {0x80000008});     // NULL_PEN
  e.record(43, {0, 0, 5, 5});     // RECTANGLE
  // Scale everything by 2 from here on.
  e.recordBytes(35, [] {
    Bytes b;
    for (float f : {2.0f, 0.0f, 0.0f, 2.0f, 0.0f, 0.0f}) {
      std::uint32_t v;
      std::memcpy(&v, &f, 4);
      for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(v >> (8 * i)));
    }
    return b;
  }());
  e.record(37, {0x80000004});  // BLACK_BRUSH
  e.record(43, {5, 0, 7, 2});  // becomes (10,0)-(14,4)
  const gdi::Bitmap b = readMetafile(e.finish());
  EXPECT_EQ(b.pixel(2, 2), gdi::clRed);
  EXPECT_EQ(b.pixel(6, 6), gdi::clWhite);
  EXPECT_EQ(b.pixel(11, 1), gdi::clBlack);
  EXPECT_EQ(b.pixel(12, 2), gdi::clBlack);
  EXPECT_EQ(b.pixel(15, 3), gdi::clWhite);
}

TEST(Metafile, EmfPolygon16PathsAndStretchDibits) {
  EmfBuilder e(265, 265, 2);   // 10 x 10
  e.record(37, {0x80000008});  // NULL_PEN
  e.record(37, {0x80000004});  // BLACK_BRUSH
  // POLYGON16: bounds, count 3, points (0,0) (4,0) (0,4)
  e.recordBytes(86, [] {
    Bytes b(16, 0);
    const Bytes c = codec_test::words({3, 0, 0, 0, 4, 0, 0, 4});
    b.insert(b.end(), c.begin(), c.end());
    return b;
  }());
  // A path: rectangle 6..10 x 0..4 filled.
  e.record(59, {});
  e.record(27, {6, 0});
  e.record(54, {10, 0});
  e.record(54, {10, 4});
  e.record(54, {6, 4});
  e.record(61, {});
  e.record(60, {});
  e.record(62, {0, 0, 0, 0});
  // STRETCHDIBITS: a 1 x 1 blue DIB onto (0,6)-(4,10).
  const Bytes dib = codec_test::packedDib24(1, 1, {kBlue});
  std::vector<std::uint32_t> p{0, 0,          0, 0,  0,  6,   0,
                               0, 1,          1, 80, 40, 120, std::uint32_t(dib.size() - 40),
                               0, 0x00CC0020, 4, 4};
  Bytes params;
  for (auto v : p)
    for (int i = 0; i < 4; ++i) params.push_back(std::uint8_t(v >> (8 * i)));
  params.insert(params.end(), dib.begin(), dib.end());
  e.recordBytes(81, params);
  const gdi::Bitmap b = readMetafile(e.finish());
  EXPECT_EQ(b.pixel(1, 1), gdi::clBlack);
  EXPECT_EQ(b.pixel(3, 3), gdi::clWhite);
  EXPECT_EQ(b.pixel(8, 2), gdi::clBlack);
  EXPECT_EQ(b.pixel(2, 8), gdi::clBlue);
  EXPECT_EQ(b.pixel(5, 8), gdi::clWhite);
}
