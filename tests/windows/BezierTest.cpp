// The curve tool and the polygon tools on the picture, driven through the
// palette's buttons and the picture's mouse events.
#include <gtest/gtest.h>

#include <QAbstractButton>

#include "platform/gdi/Canvas.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/ShapeControl.h"
#include "support/PixelGrid.h"
#include "support/windows/StudioFixture.h"
#include "tools/engine/BezierCurve.h"
#include "tools/windows/TForm3.h"
#include "windows/CanvasMouse.h"

using testing_support::Studio;

namespace {

TForm3& state() { return *app::windows().Form3; }

// A tool button of the palette (the main window has buttons of the same names).
void pick(const char* button) {
  app::windows().Form3->findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
}

// The picture a committed curve should leave on a white picture.
gdi::Bitmap committed(const tools::BezierPoints& curve, gdi::TColor color, int width) {
  gdi::Bitmap b(400, 400);
  gdi::Canvas& c = b.canvas();
  c.pen = gdi::Pen{color, width, gdi::PenStyle::Solid, gdi::PenMode::Copy};
  tools::drawBezier(c, curve);
  return b;
}

struct CurveStudio {
  Studio studio;
  TPbook1& main = studio.main();
  gdi::Bitmap white{400, 400};
  CurveStudio() {
    main.ptbox1->setBitmap(white);
    pick("BitBtn16");  // "Bezier Curve"
  }
};

// After a handle was put down: moves no longer drag it, and a right click
// commits `curve` in black.
void expectCommittedWhereLeft(CurveStudio& s, const tools::BezierPoints& curve) {
  testing_support::moveTo(s.main.ptbox1, {300, 300}, Qt::NoButton);
  EXPECT_EQ(s.main.BezCtl1, curve.ctl1);
  testing_support::click(s.main.ptbox1, {300, 300}, Qt::RightButton);
  EXPECT_TRUE(s.main.picture().samePixels(committed(curve, gdi::clBlack, 1)));
}

}  // namespace

TEST(BezierTool, ChordDragShowsTheHandlesAndLeavesThePictureClean) {
  CurveStudio s;
  ASSERT_EQ(state().CurTool, 12);
  testing_support::drag(s.main.ptbox1, {20, 100}, {200, 160});
  EXPECT_TRUE(s.main.BezEditing);
  EXPECT_EQ(s.main.BezStart, (gdi::Point{20, 100}));
  EXPECT_EQ(s.main.BezEnd, (gdi::Point{200, 160}));
  EXPECT_EQ(s.main.BezCtl1, (gdi::Point{80, 120}));
  EXPECT_EQ(s.main.BezCtl2, (gdi::Point{140, 140}));
  // Handles centred on start, end, control 1, control 2.
  EXPECT_TRUE(s.main.s1->isVisible());
  EXPECT_EQ(s.main.s1->pos(), QPoint(12, 92));
  EXPECT_EQ(s.main.s2->pos(), QPoint(192, 152));
  EXPECT_EQ(s.main.s3->pos(), QPoint(72, 112));
  EXPECT_EQ(s.main.s4->pos(), QPoint(132, 132));
  EXPECT_EQ(s.main.s1->toolTip(), "Click move then click");
  // The chord's rubber line is gone.
  EXPECT_TRUE(s.main.picture().samePixels(s.white));
  EXPECT_TRUE(s.main.curveShowing());
}

TEST(BezierTool, RightClickCommitsTheCurveInTheRealPen) {
  CurveStudio s;
  state().ForeColor = gdi::clBlue;
  testing_support::drag(s.main.ptbox1, {20, 100}, {200, 160});
  // Passing over the picture shows the curve in not-xor.
  testing_support::moveTo(s.main.ptbox1, {250, 250}, Qt::NoButton);
  EXPECT_FALSE(s.main.picture().samePixels(s.white));
  const tools::BezierPoints curve{{20, 100}, {80, 120}, {140, 140}, {200, 160}};
  testing_support::click(s.main.ptbox1, {250, 250}, Qt::RightButton);
  EXPECT_TRUE(s.main.picture().samePixels(committed(curve, gdi::clBlue, 1)));
  EXPECT_FALSE(s.main.BezEditing);
  EXPECT_FALSE(s.main.StrokeOn);
  EXPECT_FALSE(s.main.s1->isVisible());
  EXPECT_EQ(s.main.BezStart, (gdi::Point{}));
}

TEST(BezierTool, RightClickStraightAfterTheChordCommitsTheInitialCurve) {
  CurveStudio s;
  state().LineWidth = 3;
  testing_support::drag(s.main.ptbox1, {50, 300}, {55, 40});  // upright chord
  testing_support::click(s.main.ptbox1, {300, 300}, Qt::RightButton);
  const tools::BezierPoints curve{{50, 300}, {30, 126}, {70, 212}, {55, 40}};
  EXPECT_TRUE(s.main.picture().samePixels(committed(curve, gdi::clBlack, 3)));
}

TEST(BezierTool, HandleFollowsTheMouseBetweenTwoClicks) {
  CurveStudio s;
  testing_support::drag(s.main.ptbox1, {20, 100}, {200, 160});
  testing_support::click(s.main.s3, {8, 8});  // control 1
  EXPECT_TRUE(s.main.AnyHandleDrag);
  testing_support::moveTo(s.main.ptbox1, {90, 10}, Qt::NoButton);
  EXPECT_EQ(s.main.BezCtl1, (gdi::Point{90, 10}));
  testing_support::moveTo(s.main.ptbox1, {100, 20}, Qt::NoButton);
  testing_support::click(s.main.ptbox1, {100, 20});
  EXPECT_EQ(s.main.BezCtl1, (gdi::Point{100, 20}));
  EXPECT_EQ(s.main.s3->pos(), QPoint(92, 12));
  EXPECT_FALSE(s.main.AnyHandleDrag);
  expectCommittedWhereLeft(s, {{20, 100}, {100, 20}, {140, 140}, {200, 160}});
}

namespace {

// A point of the picture in handle `h`'s coordinates, where the handle is now.
QPoint onHandle(TPbook1& m, ui::ShapeControl* h, QPoint picturePoint) {
  return picturePoint + m.ptbox1->pos() - h->pos();
}

}  // namespace

TEST(BezierTool, AHandleDraggedWithTheButtonHeldFollowsThePointer) {
  CurveStudio s;
  testing_support::drag(s.main.ptbox1, {20, 100}, {200, 160});
  ui::ShapeControl* h = s.main.s3;  // control 1, at (80, 120)
  testing_support::press(h, {8, 8});
  EXPECT_TRUE(s.main.HandleDrag[2]);
  testing_support::moveTo(h, onHandle(s.main, h, {90, 60}));
  EXPECT_EQ(s.main.BezCtl1, (gdi::Point{90, 60}));
  EXPECT_EQ(h->pos(), QPoint(82, 52));  // centred on the pointer
  // While dragging, the curve shows at its new place in not-xor.
  gdi::Bitmap shown = s.white;
  shown.canvas().pen = gdi::Pen{gdi::clBlack, 1, gdi::PenStyle::Solid, gdi::PenMode::NotXor};
  tools::drawBezier(shown.canvas(), {{20, 100}, {90, 60}, {140, 140}, {200, 160}});
  EXPECT_TRUE(s.main.picture().samePixels(shown));
  testing_support::moveTo(h, onHandle(s.main, h, {100, 20}));
  testing_support::release(h, onHandle(s.main, h, {100, 20}));
  EXPECT_EQ(s.main.BezCtl1, (gdi::Point{100, 20}));
  EXPECT_EQ(h->pos(), QPoint(92, 12));
  EXPECT_FALSE(s.main.AnyHandleDrag);
  // The same curve as after click, move, click.
  expectCommittedWhereLeft(s, {{20, 100}, {100, 20}, {140, 140}, {200, 160}});
}

TEST(BezierTool, AHandlePressedWithoutADragWaitsForTheClickOnThePicture) {
  CurveStudio s;
  testing_support::drag(s.main.ptbox1, {20, 100}, {200, 160});
  ui::ShapeControl* h = s.main.s2;  // the end, at (200, 160)
  // A press that wobbles by a pixel is a click, not a drag.
  testing_support::press(h, {8, 8});
  testing_support::moveTo(h, {9, 8});
  testing_support::release(h, {9, 8});
  EXPECT_EQ(s.main.BezEnd, (gdi::Point{200, 160}));
  EXPECT_EQ(h->pos(), QPoint(192, 152));
  EXPECT_TRUE(s.main.HandleDrag[1]);
  testing_support::moveTo(s.main.ptbox1, {250, 200}, Qt::NoButton);
  testing_support::click(s.main.ptbox1, {250, 200});
  EXPECT_EQ(s.main.BezEnd, (gdi::Point{250, 200}));
  EXPECT_EQ(h->pos(), QPoint(242, 192));
  EXPECT_FALSE(s.main.AnyHandleDrag);
}

TEST(BezierTool, TinyDragsStartNoCurve) {
  CurveStudio s;
  testing_support::drag(s.main.ptbox1, {50, 50}, {56, 57});
  EXPECT_FALSE(s.main.BezEditing);
  EXPECT_FALSE(s.main.s1->isVisible());
  EXPECT_TRUE(s.main.picture().samePixels(s.white));
  testing_support::drag(s.main.ptbox1, {50, 50}, {45, 41});
  EXPECT_FALSE(s.main.BezEditing);
  EXPECT_TRUE(s.main.picture().samePixels(s.white));
}

TEST(BezierTool, ChoosingAnotherToolRemovesTheCurveUncommitted) {
  CurveStudio s;
  testing_support::drag(s.main.ptbox1, {20, 100}, {200, 160});
  testing_support::moveTo(s.main.ptbox1, {250, 250}, Qt::NoButton);
  ASSERT_FALSE(s.main.picture().samePixels(s.white));
  pick("BitBtn2");  // "Rectangle"
  EXPECT_TRUE(s.main.picture().samePixels(s.white));
  EXPECT_FALSE(s.main.s1->isVisible());
  EXPECT_FALSE(s.main.curveShowing());
}

TEST(BezierTool, ChoosingAnotherToolStraightAfterTheChordLeavesNothing) {
  CurveStudio s;
  testing_support::drag(s.main.ptbox1, {20, 100}, {200, 160});
  // No move yet: the curve is not on the picture, so nothing is drawn away.
  pick("BitBtn2");  // "Rectangle"
  EXPECT_TRUE(s.main.picture().samePixels(s.white));
  EXPECT_FALSE(s.main.BezEditing);
  EXPECT_FALSE(s.main.s1->isVisible());
}

TEST(BezierTool, ChoosingACaptureOrTheCurveAgainRemovesTheCurveUnderEdit) {
  // These choices reset the stroke flags before the curve is taken away.
  for (const char* button : {"BitBtn16", "BitBtn19", "BitBtn21"}) {
    CurveStudio s;
    testing_support::drag(s.main.ptbox1, {20, 100}, {200, 160});
    testing_support::moveTo(s.main.ptbox1, {250, 250}, Qt::NoButton);
    ASSERT_FALSE(s.main.picture().samePixels(s.white)) << button;
    pick(button);
    EXPECT_TRUE(s.main.picture().samePixels(s.white)) << button;
    EXPECT_FALSE(s.main.s1->isVisible()) << button;
  }
}

TEST(BezierTool, AWideLightPenCommitsOnlyTheCurve) {
  CurveStudio s;
  state().LineWidth = 5;
  state().ForeColor = gdi::clYellow;
  testing_support::drag(s.main.ptbox1, {20, 100}, {200, 160});
  testing_support::moveTo(s.main.ptbox1, {250, 250}, Qt::NoButton);
  testing_support::click(s.main.ptbox1, {250, 250}, Qt::RightButton);
  const tools::BezierPoints curve{{20, 100}, {80, 120}, {140, 140}, {200, 160}};
  EXPECT_TRUE(s.main.picture().samePixels(committed(curve, gdi::clYellow, 5)));
  EXPECT_FALSE(s.main.curveShowing());
}

TEST(BezierTool, DragOnThePictureAwayFromTheHandlesLeavesTheCurveAsShown) {
  CurveStudio s;
  testing_support::drag(s.main.ptbox1, {20, 100}, {200, 160});
  testing_support::moveTo(s.main.ptbox1, {250, 250}, Qt::NoButton);
  const gdi::Bitmap shown = s.main.picture();
  testing_support::drag(s.main.ptbox1, {300, 300}, {350, 380});
  EXPECT_TRUE(s.main.picture().samePixels(shown));
  EXPECT_TRUE(s.main.BezEditing);
  testing_support::click(s.main.ptbox1, {10, 10}, Qt::RightButton);
  const tools::BezierPoints curve{{20, 100}, {80, 120}, {140, 140}, {200, 160}};
  EXPECT_TRUE(s.main.picture().samePixels(committed(curve, gdi::clBlack, 1)));
}

TEST(PolygonTool, FilledPolygonClosedAfterTwoClicksFillsTheTriangle) {
  Studio studio;
  TPbook1& main = studio.main();
  main.ptbox1->setBitmap(gdi::Bitmap(400, 400));
  pick("BitBtn14");  // "Filled Polygon"
  ASSERT_EQ(state().CurTool, 8);
  state().BackColor = gdi::clRed;
  testing_support::press(main.ptbox1, {10, 10});
  testing_support::release(main.ptbox1, {100, 10});
  EXPECT_EQ(main.PolyCount, 3);
  EXPECT_EQ(main.picture().pixel(50, 10), gdi::clBlack);  // the first edge
  testing_support::click(main.ptbox1, {10, 100}, Qt::RightButton);
  EXPECT_EQ(main.picture().pixel(30, 30), gdi::clRed);
  EXPECT_EQ(main.picture().pixel(80, 80), gdi::clWhite);
  EXPECT_EQ(main.PolyCount, 1);
  EXPECT_FALSE(main.PolyActive);
  for (int i = 4; i <= 500; ++i) ASSERT_EQ(main.PolyPoints[i], (gdi::Point{10, 10})) << i;
}

TEST(PolygonTool, OutlinePolygonDrawsTheClosingEdge) {
  Studio studio;
  TPbook1& main = studio.main();
  main.ptbox1->setBitmap(gdi::Bitmap(400, 400));
  pick("BitBtn12");  // "Polygon"
  state().BackColor = gdi::clRed;
  testing_support::click(main.ptbox1, {10, 10});
  testing_support::click(main.ptbox1, {100, 10});
  testing_support::click(main.ptbox1, {100, 100}, Qt::RightButton);
  EXPECT_EQ(main.picture().pixel(55, 55), gdi::clBlack);  // closing edge back to the start
  EXPECT_EQ(main.picture().pixel(80, 30), gdi::clWhite);  // not filled
}
