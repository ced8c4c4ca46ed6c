// Rubber bands erase a figure by drawing it again in xor or not-xor mode, so
// every primitive must paint each pixel exactly once, whatever the pen and brush.
// (FillRect and FrameRect always copy, as on the original platform.)
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/gdi/Canvas.h"
#include "support/PixelGrid.h"

using namespace gdi;
using testing_support::noiseBitmap;
using testing_support::pixelHash;

namespace {

struct Primitive {
  std::string name;
  std::function<void(Canvas&)> draw;
};

std::vector<Primitive> primitives() {
  static const std::vector<Point> zigzag{{-20, 10}, {60, 70}, {15, 5},  {90, 40},
                                         {15, 5},   {40, 95}, {40, 95}, {-5, 60}};
  return {
      {"line",
       [](Canvas& c) {
         c.moveTo(-30, 17);
         c.lineTo(91, 64);
       }},
      {"steep line",
       [](Canvas& c) {
         c.moveTo(50, 120);
         c.lineTo(43, -9);
       }},
      {"point line",
       [](Canvas& c) {
         c.moveTo(40, 40);
         c.lineTo(40, 40);
       }},
      {"polyline", [](Canvas& c) { c.polyline(zigzag); }},
      {"polygon", [](Canvas& c) { c.polygon(zigzag); }},
      {"rectangle", [](Canvas& c) { c.rectangle(70, 80, 12, 9); }},
      {"thin rectangle", [](Canvas& c) { c.rectangle(30, 10, 32, 70); }},
      {"round rect", [](Canvas& c) { c.roundRect(5, 8, 88, 60, 20, 16); }},
      {"ellipse", [](Canvas& c) { c.ellipse(-10, 20, 75, 99); }},
      {"small ellipse", [](Canvas& c) { c.ellipse(40, 40, 43, 47); }},
  };
}

std::vector<std::pair<std::string, Brush>> brushes() {
  std::vector<std::pair<std::string, Brush>> out;
  Brush solid;
  solid.setColor(0x3366CC);
  out.push_back({"solid", solid});
  Brush clear;
  clear.setStyle(BrushStyle::Clear);
  out.push_back({"clear", clear});
  for (int s = int(BrushStyle::Horizontal); s <= int(BrushStyle::DiagCross); ++s) {
    Brush h;
    h.setColor(0xC0FFEE);
    h.setStyle(BrushStyle(s));
    out.push_back({"hatch " + std::to_string(s), h});
  }
  Brush pattern;
  pattern.setBitmap(noiseBitmap(5, 3, 77));
  out.push_back({"pattern", pattern});
  return out;
}

}  // namespace

TEST(XorTwice, EveryPrimitiveRestoresThePicture) {
  const Bitmap original = noiseBitmap(97, 89, 2024);
  const std::uint64_t before = pixelHash(original);
  for (const Primitive& p : primitives())
    for (const auto& [brushName, brush] : brushes())
      for (int width : {1, 2, 7, 30})
        for (PenStyle style : {PenStyle::Solid, PenStyle::Dash, PenStyle::DashDotDot,
                               PenStyle::InsideFrame, PenStyle::Clear})
          for (PenMode mode : {PenMode::Xor, PenMode::NotXor}) {
            Bitmap b = original;
            Canvas& c = b.canvas();
            c.pen = {0x5A5A5A, width, style, mode};
            c.brush = brush;
            p.draw(c);
            const std::uint64_t once = pixelHash(b);
            p.draw(c);
            ASSERT_EQ(pixelHash(b), before) << p.name << ", " << brushName << ", width " << width
                                            << ", style " << int(style) << ", mode " << int(mode);
            // Not-xor with a non-white pen changes every pixel it covers.
            if (mode == PenMode::NotXor && style == PenStyle::Solid && brushName == "solid" &&
                (width > 1 || p.name != "point line")) {
              EXPECT_NE(once, before) << p.name;
            }
          }
}
