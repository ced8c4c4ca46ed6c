#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/Canvas.h"
#include "support/PixelGrid.h"
#include "tools/engine/BezierCurve.h"

using gdi::Point;
using tools::BezierPoints;

TEST(BezierPath, ThirtySegmentsStopBeforeTheEnd) {
  // Expected values worked out with exact fractions and the six-byte
  // accumulation of t; none lies within 0.02 of a half.
  const BezierPoints curve{{10, 20}, {40, 200}, {160, -60}, {200, 120}};
  const std::vector<Point> expected{
      {10, 20},  {13, 37},  {17, 50},  {22, 62},  {26, 71},  {32, 77},  {37, 82},  {44, 85},
      {50, 87},  {57, 87},  {64, 86},  {71, 84},  {78, 81},  {86, 78},  {94, 74},  {101, 70},
      {109, 66}, {117, 62}, {124, 59}, {132, 56}, {140, 54}, {147, 53}, {154, 53}, {161, 55},
      {168, 58}, {174, 63}, {180, 69}, {186, 78}, {191, 90}, {196, 103}};
  // The accumulated t after thirty steps is a hair above 1, so the end point
  // itself is not among them.
  EXPECT_EQ(tools::bezierPath(curve, 30), expected);
  EXPECT_EQ(tools::bezierPath(curve), expected);
}

TEST(BezierPath, HalvesRoundToEven) {
  // With two segments t = 1/2 exactly; the weights are 1/8, 3/8, 3/8, 1/8.
  EXPECT_EQ(tools::bezierPath({{0, 0}, {0, 0}, {0, 0}, {4, 12}}, 2),
            (std::vector<Point>{{0, 0}, {0, 2}}));  // 0.5 -> 0, 1.5 -> 2
  EXPECT_EQ(tools::bezierPath({{0, 0}, {0, 0}, {0, 0}, {20, -20}}, 2),
            (std::vector<Point>{{0, 0}, {2, -2}}));  // 2.5 -> 2, -2.5 -> -2
}

TEST(BezierPath, PowersOfTwoReachTheEnd) {
  // 1/4 adds up exactly, so t reaches 1 and the loop ends without the end point.
  EXPECT_EQ(tools::bezierPath({{0, 0}, {0, 0}, {40, 0}, {40, 0}}, 4).size(), 4u);
}

TEST(DrawBezier, DrawingTwiceInNotXorRestoresThePicture) {
  gdi::Bitmap b = testing_support::noiseBitmap(120, 90, 7);
  const std::uint64_t before = testing_support::pixelHash(b);
  gdi::Canvas& c = b.canvas();
  c.pen = gdi::Pen{gdi::clBlack, 1, gdi::PenStyle::Solid, gdi::PenMode::NotXor};
  const BezierPoints curve{{5, 80}, {20, -40}, {100, 140}, {115, 10}};
  tools::drawBezier(c, curve);
  EXPECT_NE(testing_support::pixelHash(b), before);
  tools::drawBezier(c, curve);
  EXPECT_EQ(testing_support::pixelHash(b), before);
}

TEST(DrawBezier, StartsAtTheStartAndFollowsThePath) {
  gdi::Bitmap b(60, 60);
  gdi::Canvas& c = b.canvas();
  const BezierPoints curve{{2, 2}, {2, 50}, {50, 50}, {50, 2}};
  tools::drawBezier(c, curve);
  EXPECT_EQ(b.pixel(2, 2), gdi::clBlack);
  // Every point but the last, which one-pixel lines leave out.
  const std::vector<Point> path = tools::bezierPath(curve);
  for (std::size_t i = 0; i + 1 < path.size(); ++i)
    EXPECT_EQ(b.pixel(path[i].x, path[i].y), gdi::clBlack) << i;
  // The curve's end point is never reached.
  EXPECT_EQ(b.pixel(50, 2), gdi::clWhite);
}

TEST(BezierControls, WideChordTakesThirds) {
  EXPECT_EQ(tools::bezierControls({10, 10}, {100, 40}),
            (std::array<Point, 2>{{{40, 20}, {70, 30}}}));
}

TEST(BezierControls, UprightChordGetsControlsTwentyEitherSide) {
  // x within 10 of the start on either side; y is a normal wide chord.
  EXPECT_EQ(tools::bezierControls({50, 10}, {55, 200}),
            (std::array<Point, 2>{{{30, 73}, {70, 136}}}));
  EXPECT_EQ(tools::bezierControls({50, 10}, {60, 200})[0].x, 30);  // exactly 10 right
  EXPECT_EQ(tools::bezierControls({50, 10}, {40, 200})[0].x, 30);  // exactly 10 left
  EXPECT_EQ(tools::bezierControls({50, 10}, {61, 200})[0].x, 53);  // 11 right: thirds
  // A horizontal chord gets the same rule on y.
  EXPECT_EQ(tools::bezierControls({10, 50}, {200, 50}),
            (std::array<Point, 2>{{{73, 30}, {136, 70}}}));
}

TEST(BezierControls, ReversedChordCountsFromTheEnd) {
  EXPECT_EQ(tools::bezierControls({200, 100}, {20, 40}),
            (std::array<Point, 2>{{{80, 60}, {140, 80}}}));
  EXPECT_EQ(tools::bezierControls({50, 10}, {39, 200})[0].x, 42);  // 11 left: thirds from the end
}

TEST(BezierChord, TinyDragsAreIgnored) {
  EXPECT_TRUE(tools::isTinyChord({20, 20}, {20, 20}));
  EXPECT_TRUE(tools::isTinyChord({20, 20}, {29, 29}));
  EXPECT_TRUE(tools::isTinyChord({20, 20}, {11, 11}));
  EXPECT_FALSE(tools::isTinyChord({20, 20}, {30, 29}));
  EXPECT_FALSE(tools::isTinyChord({20, 20}, {10, 11}));
  // Only up-left and down-right count; a short drag straight down or up-right
  // starts a curve.
  EXPECT_FALSE(tools::isTinyChord({20, 20}, {20, 25}));
  EXPECT_FALSE(tools::isTinyChord({20, 20}, {25, 15}));
  // A click on the origin is not recognised as a click.
  EXPECT_FALSE(tools::isTinyChord({0, 0}, {0, 0}));
}
