// The rotating label's pixels: where the shade copies go for each effect,
// the centring about the label's centre (cut toward zero), the turn's
// direction, the box in the label's colour, and the clipboard picture made
// from the label's own painting.
#include <gtest/gtest.h>

#include <QPixmap>

#include "controls/TMyLabelRotate.h"
#include "controls/engine/LabelClip.h"
#include "controls/engine/RotatedLabelPaint.h"
#include "platform/ui/QtBitmap.h"
#include "support/PixelGrid.h"

using namespace controls;
using testing_support::countColor;
using testing_support::noiseBitmap;

namespace {

constexpr gdi::Size kLabel{240, 120};
constexpr gdi::TColor kLight = gdi::clRed, kDark = gdi::clBlue, kInk = gdi::clBlack;

RotatedLabelLook look(T3DEffectShort effect, int angle = 0) {
  RotatedLabelLook l;
  l.Caption = "Quill & Moor";
  l.Font.setSize(20);
  l.Font.color = kInk;
  l.Style.Angle = angle;
  l.Style.AStyle3D = effect;
  l.Style.AShadeLeftTop = kLight;
  l.Style.AShadeRightBottom = kDark;
  return l;
}

// Pixels of the plain text, to build what the effects must give.
std::vector<bool> inkMask(const gdi::Bitmap& plain) {
  std::vector<bool> m(std::size_t(plain.width() * plain.height()));
  for (int y = 0; y < plain.height(); ++y)
    for (int x = 0; x < plain.width(); ++x)
      m[std::size_t(y * plain.width() + x)] = plain.pixel(x, y) == kInk;
  return m;
}

// The text over two copies shifted by (light, light) and (dark, dark) (or
// the dark one alone by (dx, dy) for the drop shadow), painted in order.
gdi::Bitmap expectedEffect(const gdi::Bitmap& plain, std::optional<int> light, int dx, int dy) {
  const std::vector<bool> m = inkMask(plain);
  const int w = plain.width(), h = plain.height();
  auto ink = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < w && y < h && m[std::size_t(y * w + x)];
  };
  gdi::Bitmap out(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (ink(x, y))
        out.setPixel(x, y, kInk);
      else if (ink(x - dx, y - dy))
        out.setPixel(x, y, kDark);
      else if (light && ink(x - *light, y - *light))
        out.setPixel(x, y, kLight);
    }
  return out;
}

gdi::Rect inkBounds(const gdi::Bitmap& b, gdi::TColor background) {
  gdi::Rect r;
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x)
      if (b.pixel(x, y) != background) r = r.united({x, y, x + 1, y + 1});
  return r;
}

}  // namespace

TEST(RotatedLabel, ShadeCopiesOfEachEffectLandOnePixelAwayOrAtTheShadowOffset) {
  for (int angle : {0, 30}) {
    const gdi::Bitmap plain = renderRotatedLabel(look(A3dNormal, angle), kLabel, gdi::clWhite);
    ASSERT_GT(countColor(plain, kInk), 100);
    // Raised: light copy up-left, dark copy down-right.
    EXPECT_EQ(renderRotatedLabel(look(A3dRaised, angle), kLabel, gdi::clWhite),
              expectedEffect(plain, -1, +1, +1))
        << angle;
    // Lowered: the other way round.
    EXPECT_EQ(renderRotatedLabel(look(A3dResit, angle), kLabel, gdi::clWhite),
              expectedEffect(plain, +1, -1, -1))
        << angle;
    // Shadow: the dark copy alone at the offsets, in screen directions.
    RotatedLabelLook shadow = look(A3dShadowed, angle);
    shadow.Style.AHShadeOffSet = 4;
    shadow.Style.AVShadeOffSet = -3;
    EXPECT_EQ(renderRotatedLabel(shadow, kLabel, gdi::clWhite), expectedEffect(plain, {}, 4, -3))
        << angle;
  }
}

TEST(RotatedLabel, TextIsCentredWithHalvesCutTowardZero) {
  // At 180 degrees the cosine is -1: half of 41 is -20 cut toward zero,
  // where rounding down would give -21 and shift the text by a pixel.
  const auto box = turnedBox({200, 100}, {41, 19}, 180);
  EXPECT_EQ(box[0], (gdi::Point{120, 59}));
  EXPECT_EQ(box[2], (gdi::Point{80, 41}));
  EXPECT_EQ(turnedBox({201, 101}, {41, 19}, 0)[0], (gdi::Point{80, 41}));
  // A right angle: the box's top-left corner is its bottom-left on screen.
  EXPECT_EQ(turnedBox({200, 100}, {41, 19}, 90)[0], (gdi::Point{91, 70}));

  for (int angle : {0, 30, 90, 135, 180, 270, 333}) {
    const gdi::Rect ink =
        inkBounds(renderRotatedLabel(look(A3dNormal, angle), kLabel, gdi::clWhite), gdi::clWhite);
    const int cx = (ink.left + ink.right) / 2, cy = (ink.top + ink.bottom) / 2;
    EXPECT_NEAR(cx, kLabel.cx / 2, 8) << angle;
    EXPECT_NEAR(cy, kLabel.cy / 2, 8) << angle;
  }
}

TEST(RotatedLabel, PositiveAnglesTurnCounterClockwise) {
  const gdi::Bitmap b = renderRotatedLabel(look(A3dNormal, 30), kLabel, gdi::clWhite);
  // The end of the caption stands higher than its start.
  auto meanRow = [&](int x0, int x1) {
    double sum = 0;
    int n = 0;
    for (int y = 0; y < b.height(); ++y)
      for (int x = x0; x < x1; ++x)
        if (b.pixel(x, y) == kInk) sum += y, ++n;
    return sum / std::max(n, 1);
  };
  EXPECT_LT(meanRow(kLabel.cx / 2, kLabel.cx), meanRow(0, kLabel.cx / 2) - 10);
  const gdi::Rect upright =
      inkBounds(renderRotatedLabel(look(A3dNormal, 90), kLabel, gdi::clWhite), gdi::clWhite);
  EXPECT_GT(upright.height(), 2 * upright.width());
}

TEST(RotatedLabel, AngleOf360PaintsAsZero) {
  TMyLabelRotate label;
  label.resize(kLabel.cx, kLabel.cy);
  label.setCaption("Full turn");
  label.LabelStyle().setAngle(360);
  const gdi::Bitmap turned = label.renderToBitmap();
  label.LabelStyle().setAngle(0);
  EXPECT_EQ(turned, label.renderToBitmap());
  label.LabelStyle().setAngle(1);
  EXPECT_NE(turned, label.renderToBitmap());
}

TEST(RotatedLabel, BoxedLabelIsPlainTextOnATurnedBoxOfItsColour) {
  RotatedLabelLook boxed = look(A3dRaised, 30);
  boxed.MyTransparent = false;
  boxed.Color = gdi::clYellow;
  const gdi::Bitmap b = renderRotatedLabel(boxed, kLabel, gdi::clWhite);
  EXPECT_EQ(countColor(b, kLight), 0);  // the effect is forced to plain
  EXPECT_EQ(countColor(b, kDark), 0);
  EXPECT_GT(countColor(b, kInk), 100);
  // The box covers the centre, not the corners; every ink pixel lies on it.
  EXPECT_EQ(b.pixel(kLabel.cx / 2 + 60, kLabel.cy / 2 - 30) == gdi::clYellow ||
                b.pixel(kLabel.cx / 2 + 60, kLabel.cy / 2 - 30) == kInk,
            true);
  EXPECT_EQ(b.pixel(2, 2), gdi::clWhite);
  EXPECT_EQ(b.pixel(kLabel.cx - 3, kLabel.cy - 3), gdi::clWhite);
  const gdi::Rect ink =
      inkBounds(renderRotatedLabel(look(A3dNormal, 30), kLabel, gdi::clWhite), gdi::clWhite);
  const gdi::Rect box = inkBounds(b, gdi::clWhite);
  EXPECT_LT(box.left, ink.left);
  EXPECT_GT(box.right, ink.right);
  EXPECT_EQ(countColor(b, gdi::clWhite) + countColor(b, gdi::clYellow) + countColor(b, kInk),
            std::int64_t(kLabel.cx) * kLabel.cy);
}

TEST(LabelClip, BackgroundTurnsWhiteAndTheInkCornerMovesTo20x20) {
  const gdi::Bitmap painting = renderRotatedLabel(look(A3dRaised, 30), kLabel, gdi::clSilver);
  const gdi::Bitmap clip = labelClip(painting);
  ASSERT_EQ(clip.width(), kLabel.cx + 1);
  ASSERT_EQ(clip.height(), kLabel.cy + 1);
  EXPECT_EQ(countColor(clip, gdi::clSilver), 0);
  const gdi::Rect ink = inkBounds(clip, gdi::clWhite);
  EXPECT_EQ(ink.left, 20);
  EXPECT_EQ(ink.top, 20);
  // Nothing but the label's colours; the ink keeps its shape.
  const gdi::Rect before = inkBounds(painting, gdi::clSilver);
  EXPECT_EQ(ink.width(), std::min(before.width(), clip.width() - 20));
  EXPECT_EQ(countColor(clip, kInk), countColor(painting, kInk));
}

TEST(LabelClip, TextInTheLabelColourVanishes) {
  // The box covers the label's pixel (5, 5), so its colour is taken as the
  // background; text of the same colour goes white with it.
  RotatedLabelLook same = look(A3dNormal, 0);
  same.Caption = "WWWWWWWWWWWW";
  same.MyTransparent = false;
  same.Color = kInk;
  gdi::Bitmap scratch(1, 1);
  gdi::Canvas measure(scratch);
  measure.font = same.Font;
  const gdi::Size text = measure.textExtent(same.Caption);
  const gdi::Bitmap painting = renderRotatedLabel(same, text, gdi::clSilver);
  ASSERT_EQ(painting.pixel(5, 5), kInk);
  const gdi::Bitmap clip = labelClip(painting);
  EXPECT_EQ(countColor(clip, gdi::clWhite), std::int64_t(clip.width()) * clip.height());

  // In a different colour the same label keeps its text.
  same.Font.color = gdi::clRed;
  EXPECT_GT(countColor(labelClip(renderRotatedLabel(same, text, gdi::clSilver)), gdi::clRed), 50);
}

TEST(LabelClip, MatchesThePixelByPixelSteps) {
  // Detailed content: noise with a calm area round (5, 5) taken as background.
  gdi::Bitmap painting = noiseBitmap(157, 93, 7);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) painting.setPixel(x, y, gdi::clGreen);
  for (int y = 40; y < 93; y += 3)
    for (int x = 0; x < 157; x += 2) painting.setPixel(x, y, gdi::clGreen);

  // Reference: the written steps with pixel reads and writes and a
  // transparent draw.
  const int w = painting.width(), h = painting.height();
  gdi::Bitmap first(w + 1, h + 1);
  const gdi::TColor bg = painting.pixel(5, 5);
  for (int y = 0; y <= h - 1; ++y)
    for (int x = 0; x <= w - 1; ++x)
      first.setPixel(x, y, painting.pixel(x, y) == bg ? gdi::clWhite : painting.pixel(x, y));
  first.setTransparent(true);
  first.setTransparentColor(first.pixel(5, 5));
  int top = h + 1, left = w + 1;
  for (int y = 0; y <= h; ++y)
    for (int x = 0; x <= w; ++x)
      if (first.pixel(x, y) != first.transparentColor()) {
        top = std::min(top, y);
        left = std::min(left, x);
      }
  gdi::Bitmap reference(w + 1, h + 1);
  gdi::Canvas(reference).draw(20 - left, 20 - top, first);

  EXPECT_EQ(labelClip(painting), reference);
  EXPECT_EQ(left, 0);  // the noise reaches the left edge: the ink moves right
}

TEST(LabelClip, LabelWithoutInkGivesWhite) {
  gdi::Bitmap empty(50, 30);
  empty.fill(gdi::clSilver);
  const gdi::Bitmap clip = labelClip(empty);
  EXPECT_EQ(countColor(clip, gdi::clWhite), 51 * 31);
  EXPECT_TRUE(labelClip(gdi::Bitmap()).empty());
}

TEST(TMyLabelRotate, ShowsOnScreenWhatItRendersAndClipsItsOwnPainting) {
  QWidget form;
  form.resize(400, 300);
  QPalette p = form.palette();
  p.setColor(QPalette::Window, QColor(212, 208, 200));
  form.setPalette(p);
  auto* label = new TMyLabelRotate(&form);
  label->setGeometry(50, 40, kLabel.cx, kLabel.cy);
  label->setCaption("Rotated and 3D Text");
  gdi::Font f = label->Font();
  f.setSize(18);
  f.color = gdi::clNavy;
  label->setFont(f);
  label->LabelStyle().setAngle(30);
  // A window lying over the label must not end up in the clip.
  auto* cover = new QWidget(&form);
  cover->setAutoFillBackground(true);
  cover->setGeometry(60, 50, 100, 60);

  const gdi::Bitmap own = label->renderToBitmap();
  EXPECT_EQ(own.pixel(0, 0), gdi::RGB(212, 208, 200));
  EXPECT_EQ(label->clipboardBitmap(), labelClip(own));

  cover->hide();
  const gdi::Bitmap screen = ui::toBitmap(form.grab(label->geometry()).toImage());
  EXPECT_EQ(screen, own);
}
