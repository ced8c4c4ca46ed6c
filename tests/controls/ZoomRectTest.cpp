// The zoom view's rectangle arithmetic: edges with the 10-pixel minimum, the
// zoom value both ways and the centre moves, on plain numbers.
#include <gtest/gtest.h>

#include "controls/ZoomRect.h"

using controls::ZoomRect;

namespace {

ZoomRect view(int bitmapW, int bitmapH, int viewW, int viewH) {
  ZoomRect r;
  r.bitmapWidth = bitmapW;
  r.bitmapHeight = bitmapH;
  r.viewWidth = viewW;
  r.viewHeight = viewH;
  r.reset();
  return r;
}

void expectRect(const ZoomRect& z, int l, int t, int r, int b) {
  EXPECT_EQ(z.left, l);
  EXPECT_EQ(z.top, t);
  EXPECT_EQ(z.right, r);
  EXPECT_EQ(z.bottom, b);
}

TEST(ZoomRect, WithoutBitmapEverySetterIsIgnoredAndZoomReads100) {
  ZoomRect z;
  z.reset();
  z.setLeft(3);
  z.setTop(3);
  z.setRight(300);
  z.setBottom(300);
  z.setZoomValue(400);
  z.setXCenter(50);
  z.setYCenter(50);
  expectRect(z, 0, 0, 10, 10);
  EXPECT_EQ(z.zoomValue(), 100);
}

TEST(ZoomRect, ResetShowsTheWholeBitmap) {
  ZoomRect z = view(400, 300, 160, 160);
  expectRect(z, 0, 0, 400, 300);
  z.bitmapWidth = z.bitmapHeight = 0;
  z.reset();
  expectRect(z, 0, 0, 10, 10);
}

TEST(ZoomRect, EdgesKeepTenPixelsAndStayInsideTheBitmap) {
  ZoomRect z = view(400, 300, 400, 300);
  // Bottom past the height is cut to the height.
  z.setBottom(500);
  EXPECT_EQ(z.bottom, 300);
  // Top within 10 of the bottom is pulled back to bottom - 10.
  z.setTop(295);
  EXPECT_EQ(z.top, 290);
  // Bottom within 10 of the top is pushed to top + 10.
  z.setTop(100);
  z.setBottom(105);
  EXPECT_EQ(z.bottom, 110);
  // The same on the horizontal edges.
  z.setRight(1000);
  EXPECT_EQ(z.right, 400);
  z.setLeft(399);
  EXPECT_EQ(z.left, 390);
  z.setLeft(20);
  z.setRight(21);
  EXPECT_EQ(z.right, 30);
}

TEST(ZoomRect, EdgesNeverWrapAroundSixteenBits) {
  // A bitmap smaller than the minimum: pulling top back would go below 0.
  ZoomRect small = view(5, 5, 160, 160);
  small.setTop(2);
  EXPECT_EQ(small.top, 0);
  small.setLeft(4);
  EXPECT_EQ(small.left, 0);
  small.setLeft(-7);
  EXPECT_EQ(small.left, 0);

  // The widest bitmap: values past 65535 are clamped, not truncated.
  ZoomRect wide = view(65535, 20, 160, 160);
  wide.setRight(70000);
  EXPECT_EQ(wide.right, 65535);
  wide.setLeft(65535);
  EXPECT_EQ(wide.left, 65525);
  wide.setXCenter(100000);
  EXPECT_EQ(wide.right, 65535);
  // top + 10 past the edge type's range stays at its top.
  ZoomRect high = view(20, 65535, 160, 160);
  high.setTop(65535);
  EXPECT_EQ(high.top, 65525);
}

TEST(ZoomRect, ZoomValueReadsTheTruncatedMeanScale) {
  ZoomRect z = view(1000, 1000, 160, 160);  // whole bitmap: 160 / 1000 on both axes
  EXPECT_EQ(z.zoomValue(), 16);
  ZoomRect a = view(1000, 1000, 400, 200);
  a.left = 0, a.top = 0, a.right = 200, a.bottom = 200;
  EXPECT_EQ(a.zoomValue(), 150);  // (2 + 1) / 2
  ZoomRect t = view(1000, 1000, 160, 160);
  t.right = 300, t.bottom = 300;
  EXPECT_EQ(t.zoomValue(), 53);  // 0.5333... truncated
}

TEST(ZoomRect, Zoom200PushesTheCentreIn) {
  // Centre (10, 10) is too near the corner for a 200 x 200 rectangle.
  ZoomRect z = view(400, 400, 400, 400);
  z.setRight(20);
  z.setBottom(20);
  ASSERT_EQ(z.xCenter(), 10);
  ASSERT_EQ(z.yCenter(), 10);
  z.setZoomValue(200);
  expectRect(z, 0, 0, 200, 200);
  EXPECT_EQ(z.zoomValue(), 200);
  // And near the far corner it is pushed back the other way.
  z.setZoomValue(0);
  z.setLeft(380);
  z.setTop(380);
  ASSERT_EQ(z.xCenter(), 390);
  z.setZoomValue(400);
  expectRect(z, 300, 300, 400, 400);
}

TEST(ZoomRect, Zoom1000InASmallViewKeepsTheTenPixelMinimum) {
  ZoomRect z = view(400, 400, 40, 40);
  z.setZoomValue(1000);
  EXPECT_EQ(z.right - z.left, 10);
  EXPECT_EQ(z.bottom - z.top, 10);
  EXPECT_EQ(z.xCenter(), 200);
  EXPECT_EQ(z.yCenter(), 200);
  // The minimum caps what the view can really show.
  EXPECT_EQ(z.zoomValue(), 400);
}

TEST(ZoomRect, ZoomWriteTruncatesExactly) {
  // 700 / (700 * 0.01) is 99.99... in binary floating point; the rectangle
  // is the exact 100 pixels.
  ZoomRect z = view(1000, 1000, 700, 700);
  z.setZoomValue(700);
  EXPECT_EQ(z.right - z.left, 100);
  EXPECT_EQ(z.bottom - z.top, 100);
  EXPECT_EQ(z.zoomValue(), 700);
}

TEST(ZoomRect, ZoomZeroShowsTheWholeBitmapAndSmallZoomsAreCutToIt) {
  ZoomRect z = view(400, 300, 160, 160);
  z.setZoomValue(400);
  z.setZoomValue(0);
  expectRect(z, 0, 0, 400, 300);
  // 10 % would want 1600 x 1600: cut to the bitmap.
  z.setZoomValue(10);
  expectRect(z, 0, 0, 400, 300);
}

TEST(ZoomRect, ZoomOnBitmapsSmallerThanTheMinimumStartsAtZero) {
  ZoomRect z = view(5, 5, 160, 160);
  z.setZoomValue(100);
  EXPECT_EQ(z.left, 0);
  EXPECT_EQ(z.right, 10);
  EXPECT_EQ(z.top, 0);
  EXPECT_LE(z.bottom, 5);
  // A bitmap one pixel high still gives a rectangle with an area.
  ZoomRect line = view(50, 1, 160, 160);
  line.setZoomValue(300);
  EXPECT_LT(line.top, line.bottom);
  EXPECT_GT(line.zoomValue(), 0);
}

TEST(ZoomRect, CentreMovesStopAtTheBitmapEdges) {
  ZoomRect z = view(400, 300, 160, 160);
  z.setRight(100);
  z.setBottom(80);
  z.setXCenter(5000);
  expectRect(z, 300, 0, 400, 80);
  z.setXCenter(0);
  expectRect(z, 0, 0, 100, 80);
  z.setYCenter(150);
  expectRect(z, 0, 110, 100, 190);
  z.setYCenter(65535);
  expectRect(z, 0, 220, 100, 300);
  z.setXCenter(120);
  EXPECT_EQ(z.xCenter(), 120);
  EXPECT_EQ(z.right - z.left, 100);
}

}  // namespace
