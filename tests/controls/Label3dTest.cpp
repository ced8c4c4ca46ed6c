// The horizontal 3D label: its shade copies, the disabled colour, the filled
// background when opaque and the size an auto-sized label takes.
#include <gtest/gtest.h>

#include "controls/TLabel3d.h"
#include "controls/engine/Label3dPaint.h"
#include "support/PixelGrid.h"

using namespace controls;
using testing_support::countColor;

namespace {

constexpr gdi::Size kSize{200, 60};

Label3dLook look(T3DEffect effect) {
  Label3dLook l;
  l.Caption = "Heading";
  l.Font.setSize(18);
  l.Font.color = gdi::clBlack;
  l.AStyle3D = effect;
  l.AShadeLeftTop = gdi::clRed;
  l.AShadeRightBottom = gdi::clBlue;
  l.Alignment = gdi::DT_CENTER;
  return l;
}

// The plain render shifted by (dx, dy) into `colour`, under `over`.
void stamp(const gdi::Bitmap& plain, gdi::Bitmap& out, int dx, int dy, gdi::TColor colour) {
  for (int y = 0; y < plain.height(); ++y)
    for (int x = 0; x < plain.width(); ++x)
      if (plain.pixel(x, y) == gdi::clBlack) out.setPixel(x + dx, y + dy, colour);
}

}  // namespace

TEST(Label3d, RaisedLoweredAndShadowCopiesInTheirOrder) {
  const gdi::Bitmap plain = renderLabel3d(look(Normal3d), kSize, gdi::clWhite);
  ASSERT_GT(countColor(plain, gdi::clBlack), 100);
  struct Case {
    T3DEffect effect;
    std::vector<std::tuple<int, int, gdi::TColor>> copies;
  };
  for (const Case& c : {Case{Raised3d, {{1, 1, gdi::clBlue}, {-1, -1, gdi::clRed}}},
                        Case{Resit3d, {{1, 1, gdi::clRed}, {-1, -1, gdi::clBlue}}},
                        Case{Shadowed3d, {{5, -5, gdi::clBlue}}}}) {
    gdi::Bitmap expected(kSize.cx, kSize.cy);
    for (const auto& [dx, dy, colour] : c.copies) stamp(plain, expected, dx, dy, colour);
    stamp(plain, expected, 0, 0, gdi::clBlack);
    EXPECT_EQ(renderLabel3d(look(c.effect), kSize, gdi::clWhite), expected) << c.effect;
  }
}

TEST(Label3d, DisabledTextIsGreyAndAnOpaqueLabelFillsItsColour) {
  Label3dLook l = look(Raised3d);
  l.Enabled = false;
  l.Transparent = false;
  l.Color = gdi::clYellow;
  const gdi::Bitmap b = renderLabel3d(l, kSize, gdi::clWhite);
  EXPECT_EQ(countColor(b, gdi::clBlack), 0);
  EXPECT_GT(countColor(b, gdi::colorToRGB(gdi::clGrayText)), 100);
  EXPECT_EQ(countColor(b, gdi::clWhite), 0);
  EXPECT_EQ(b.pixel(0, 0), gdi::clYellow);
}

TEST(TLabel3d, AutoSizeFitsTheCaptionAndEmptyCaptionKeepsALine) {
  TLabel3d label;
  gdi::Font f;
  f.setSize(14);
  label.setFont(f);
  const QSize empty = label.size();
  EXPECT_GT(empty.height(), 10);
  EXPECT_GT(empty.width(), 0);
  label.setCaption("Two\nlines");
  EXPECT_EQ(label.height(), 2 * empty.height());
  label.setCaption("A much longer single line");
  EXPECT_GT(label.width(), 100);
  EXPECT_EQ(label.height(), empty.height());

  label.setAutoSize(false);
  label.resize(300, 80);
  label.setCaption("x");
  EXPECT_EQ(label.size(), QSize(300, 80));
}
