// The zoom view as a widget: its bitmap is its own, setters go through the
// rectangle rules, and what it paints is the rectangle stretched over the
// control, re-rendered only when something changed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPixmap>

#include "controls/TZoomImage.h"
#include "platform/ui/QtBitmap.h"
#include "support/PixelGrid.h"

using testing_support::Grid;
using testing_support::grid;
using testing_support::gridBitmap;

namespace {

// What the control shows on screen, through its paint event.
Grid shown(TZoomImage& zm) { return grid(ui::toBitmap(zm.grab().toImage())); }

void sendMouse(TZoomImage& zm, QEvent::Type type, Qt::MouseButton button, QPoint at) {
  const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
  QMouseEvent e(type, QPointF(at), zm.mapToGlobal(QPointF(at)), button, buttons, Qt::ShiftModifier);
  QApplication::sendEvent(&zm, &e);
}

TEST(TZoomImage, StartsWithoutBitmapAndIgnoresEverySetter) {
  TZoomImage zm;
  EXPECT_EQ(zm.size(), QSize(160, 160));
  EXPECT_TRUE(zm.Bitmap().empty());
  EXPECT_EQ(zm.visibleRect(), (gdi::Rect{0, 0, 10, 10}));
  EXPECT_EQ(zm.zoomValue(), 100);
  EXPECT_TRUE(zm.displayEnabled());

  zm.setZoomValue(300);
  zm.setVisright(50);
  zm.setXCenter(40);
  zm.setProperty("vistop", 3);
  zm.setInvert(true);
  EXPECT_EQ(zm.visibleRect(), (gdi::Rect{0, 0, 10, 10}));
  EXPECT_FALSE(zm.Invert());
  EXPECT_EQ(zm.stretchMode(), gdi::StretchMode::BlackOnWhite);
  EXPECT_TRUE(zm.renderFrame().empty());
}

TEST(TZoomImage, BitmapIsCopiedInAndAChangeResetsTheRectangle) {
  TZoomImage zm;
  gdi::Bitmap picture(400, 300);
  zm.setBitmap(picture);
  picture.fill(gdi::clBlack);
  EXPECT_EQ(zm.Bitmap().pixel(0, 0), gdi::clWhite);  // a copy, not shared
  EXPECT_EQ(zm.visibleRect(), (gdi::Rect{0, 0, 400, 300}));

  zm.setZoomValue(400);
  EXPECT_EQ(zm.visibleRect().width(), 40);
  // Growing the bitmap (through the accessor) and saying so shows all of it.
  zm.Bitmap().setSize(500, 320);
  zm.bitmapChanged();
  EXPECT_EQ(zm.visibleRect(), (gdi::Rect{0, 0, 500, 320}));
  // Taking the bitmap away brings back the default rectangle.
  zm.setBitmap(gdi::Bitmap());
  EXPECT_EQ(zm.visibleRect(), (gdi::Rect{0, 0, 10, 10}));
}

TEST(TZoomImage, HandingItTheSamePictureAgainChangesNothing) {
  TZoomImage zm;
  zm.resize(100, 100);
  gdi::Bitmap picture(400, 400);
  picture.setPixel(3, 3, gdi::clRed);
  zm.setBitmap(picture);
  zm.setZoomValue(400);
  const gdi::Rect zoomed = zm.visibleRect();
  zm.renderFrame();
  const int renders = zm.renderCount();
  zm.setBitmap(gdi::Bitmap(picture));
  EXPECT_EQ(zm.visibleRect(), zoomed);
  zm.renderFrame();
  EXPECT_EQ(zm.renderCount(), renders);

  // The same pixels with another palette are another picture.
  gdi::Bitmap paletted = zm.Bitmap();
  paletted.setPixelFormat(gdi::PixelFormat::Bits8);
  gdi::Bitmap samePixels = paletted;
  samePixels.setPalette(gdi::vgaPalette());
  ASSERT_EQ(samePixels, paletted);
  zm.setBitmap(paletted);
  zm.setZoomValue(400);
  zm.setBitmap(samePixels);
  EXPECT_EQ(zm.visibleRect(), (gdi::Rect{0, 0, 400, 400}));
}

TEST(TZoomImage, IsOpaqueOnlyWhenTheBitmapHasItsSize) {
  TZoomImage zm;
  zm.setBitmap(gdi::Bitmap(160, 160));
  EXPECT_TRUE(zm.testAttribute(Qt::WA_OpaquePaintEvent));
  zm.setBitmap(gdi::Bitmap(160, 161));
  EXPECT_FALSE(zm.testAttribute(Qt::WA_OpaquePaintEvent));
}

TEST(TZoomImage, SettersFollowTheRectangleRulesAndCentre) {
  TZoomImage zm;
  zm.resize(400, 400);
  zm.setBitmap(gdi::Bitmap(400, 400));
  zm.setVisright(20);
  zm.setVisbottom(20);
  zm.setZoomValue(200);
  EXPECT_EQ(zm.visibleRect(), (gdi::Rect{0, 0, 200, 200}));
  zm.setXCenter(10000);
  EXPECT_EQ(zm.visibleRect(), (gdi::Rect{200, 0, 400, 200}));
  EXPECT_EQ(zm.property("XCenter").toInt(), 300);
  zm.setProperty("visbottom", 9999);
  EXPECT_EQ(zm.visbottom(), 400);
}

TEST(TZoomImage, PaintsTheRectangleEnlarged) {
  TZoomImage zm;
  zm.resize(6, 4);
  zm.setBitmap(gridBitmap({"rgb", "#.y"}));
  EXPECT_EQ(zm.zoomValue(), 200);
  EXPECT_EQ(shown(zm), (Grid{"rrggbb", "rrggbb", "##..yy", "##..yy"}));
}

TEST(TZoomImage, InvertChoosesHowShrinkingCombinesPixels) {
  // Shrinking a checker board by 2: AND gives black, OR gives white.
  TZoomImage zm;
  zm.resize(2, 2);
  zm.setBitmap(gridBitmap({"#.#.", ".#.#", "#.#.", ".#.#"}));
  EXPECT_EQ(shown(zm), (Grid{"##", "##"}));
  zm.setInvert(true);
  EXPECT_EQ(zm.stretchMode(), gdi::StretchMode::WhiteOnBlack);
  EXPECT_EQ(shown(zm), (Grid{"..", ".."}));
}

TEST(TZoomImage, RectangleBeyondASmallBitmapShowsWhite) {
  TZoomImage zm;
  zm.resize(4, 2);
  zm.setBitmap(gridBitmap({"##", "##"}));
  zm.setVisright(2);  // the minimum makes it 10 wide, 8 of them outside
  ASSERT_EQ(zm.visibleRect(), (gdi::Rect{0, 0, 10, 2}));
  const gdi::Bitmap& frame = zm.renderFrame();
  EXPECT_EQ(frame.pixel(0, 0), gdi::clBlack);
  EXPECT_EQ(frame.pixel(3, 1), gdi::clWhite);
}

TEST(TZoomImage, RendersAgainOnlyWhenSomethingChanged) {
  TZoomImage zm;
  zm.resize(100, 100);
  zm.setBitmap(gdi::Bitmap(400, 400));
  zm.renderFrame();
  const int first = zm.renderCount();
  zm.renderFrame();
  zm.setZoomValue(zm.zoomValue());
  zm.setXCenter(zm.XCenter());
  zm.renderFrame();
  EXPECT_EQ(zm.renderCount(), first);

  zm.setZoomValue(200);
  zm.renderFrame();
  EXPECT_EQ(zm.renderCount(), first + 1);
  zm.setInvert(true);
  zm.renderFrame();
  EXPECT_EQ(zm.renderCount(), first + 2);
  zm.resize(120, 100);
  zm.renderFrame();
  EXPECT_EQ(zm.renderCount(), first + 3);

  // Drawing into the bitmap marks it dirty: shown without a reset.
  const gdi::Rect before = zm.visibleRect();
  zm.Bitmap().setPixel(before.left, before.top, gdi::clRed);
  EXPECT_EQ(zm.renderFrame().pixel(0, 0), gdi::clRed);
  EXPECT_EQ(zm.visibleRect(), before);

  // With the display off nothing is drawn; turning it on again reuses the frame.
  const int shownCount = zm.renderCount();
  zm.setDisplayEnabled(false);
  EXPECT_TRUE(zm.renderFrame().empty());
  zm.setDisplayEnabled(true);
  zm.renderFrame();
  EXPECT_EQ(zm.renderCount(), shownCount);
}

TEST(TZoomImage, PassesMouseEventsOnAndRepaintsAfterMouseUp) {
  TZoomImage zm;
  zm.resize(20, 20);
  zm.setBitmap(gdi::Bitmap(20, 20));
  std::vector<std::string> seen;
  QObject::connect(&zm, &TZoomImage::mouseDown,
                   [&](Qt::MouseButton b, Qt::KeyboardModifiers m, QPoint p) {
                     seen.push_back("down " + std::to_string(int(b)) + " " +
                                    std::to_string(int(m == Qt::ShiftModifier)) + " " +
                                    std::to_string(p.x()) + "," + std::to_string(p.y()));
                   });
  QObject::connect(&zm, &TZoomImage::mouseMove,
                   [&](Qt::MouseButtons b, Qt::KeyboardModifiers, QPoint p) {
                     seen.push_back("move " + std::to_string(int(b)) + " " + std::to_string(p.x()) +
                                    "," + std::to_string(p.y()));
                   });
  // The window draws on mouse up; the repaint that follows shows it.
  QObject::connect(&zm, &TZoomImage::mouseUp,
                   [&](Qt::MouseButton b, Qt::KeyboardModifiers, QPoint p) {
                     seen.push_back("up " + std::to_string(int(b)));
                     zm.Bitmap().setPixel(p.x(), p.y(), gdi::clBlue);
                   });
  zm.renderFrame();
  sendMouse(zm, QEvent::MouseButtonPress, Qt::LeftButton, {3, 4});
  sendMouse(zm, QEvent::MouseMove, Qt::LeftButton, {5, 6});
  sendMouse(zm, QEvent::MouseButtonRelease, Qt::LeftButton, {7, 8});
  EXPECT_EQ(seen, (std::vector<std::string>{"down 1 1 3,4", "move 1 5,6", "up 1"}));
  EXPECT_EQ(ui::toBitmap(zm.grab().toImage()).pixel(7, 8), gdi::clBlue);
}

}  // namespace
