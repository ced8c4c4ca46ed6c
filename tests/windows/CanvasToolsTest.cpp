// The canvas handlers driven as a user would: a tool chosen with the palette's
// buttons, then presses, moves and releases on the picture.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QToolButton>
#include <memory>
#include <vector>

#include "platform/gdi/Canvas.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/SpinEdit.h"
#include "support/PixelGrid.h"
#include "support/windows/StudioFixture.h"
#include "tools/engine/ToolTable.h"
#include "tools/windows/TForm3.h"

using namespace gdi;
using testing_support::countColor;
using testing_support::noiseBitmap;

namespace {

class CanvasTools : public ::testing::Test {
 protected:
  void SetUp() override { studio_ = std::make_unique<testing_support::Studio>(); }
  void TearDown() override { studio_.reset(); }

  testing_support::Studio& studio() { return *studio_; }
  TPbook1& main() { return studio().main(); }
  TForm3& palette() { return *app::windows().Form3; }
  Bitmap& picture() { return main().picture(); }
  ui::ImageControl* ptbox1() { return main().ptbox1; }

  // A button of the tool palette (the main window has buttons of the same names).
  void click(const char* button) {
    auto* b = palette().findChild<QToolButton*>(QString::fromLatin1(button));
    ASSERT_NE(b, nullptr) << button;
    b->click();
    QApplication::processEvents();
  }
  // A picture of noise, so that any stray pixel shows.
  void noisyPicture(int w = 120, int h = 100) {
    main().ptbox1->setBitmap(noiseBitmap(w, h, 42));
    main().initpages();
  }

  void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent e(type, QPointF(at), QPointF(ptbox1()->mapToGlobal(at)), button, held,
                  Qt::NoModifier);
    QApplication::sendEvent(ptbox1(), &e);
  }
  void press(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
    mouse(QEvent::MouseButtonPress, {x, y}, b, b);
  }
  void drag(int x, int y, Qt::MouseButtons held = Qt::LeftButton) {
    mouse(QEvent::MouseMove, {x, y}, Qt::NoButton, held);
  }
  void release(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
    mouse(QEvent::MouseButtonRelease, {x, y}, b, Qt::NoButton);
  }
  // Press at `from`, wander, come to `to`, release at `up`.
  void dragFigure(QPoint from, QPoint to, QPoint up) {
    press(from.x(), from.y());
    for (QPoint p : {QPoint(from.x() + 3, from.y() + 1), QPoint(110, 5), QPoint(2, 90),
                     QPoint(from.x(), from.y()), QPoint((from.x() + to.x()) / 2, to.y()), to})
      drag(p.x(), p.y());
    release(up.x(), up.y());
  }

  // The picture `before` with one figure drawn as the tools finish it.
  Bitmap finished(const Bitmap& before, int tool, QPoint a, QPoint b) {
    Bitmap want = before;
    gdi::Canvas& c = want.canvas();
    c.pen.width = palette().LineWidth;
    c.pen.color = palette().ForeColor;
    c.pen.style = PenStyle::InsideFrame;
    c.brush.setStyle(BrushStyle::Solid);
    c.brush.setColor(palette().BackColor);
    if (tools::isFilledShape(tool)) {
      if (palette().PlainFill) c.brush.setStyle(palette().BrushStyle);
    } else {
      c.brush.setStyle(BrushStyle::Clear);
    }
    switch (tool) {
      case 5:
      case 6:
        c.rectangle(a.x(), a.y(), b.x(), b.y());
        break;
      case 9:
      case 10:
        c.roundRect(a.x(), a.y(), b.x(), b.y(), 20, 16);
        break;
      case 13:
      case 14:
        c.ellipse(a.x(), a.y(), b.x(), b.y());
        break;
      default:
        break;
    }
    return want;
  }

 private:
  std::unique_ptr<testing_support::Studio> studio_;
};

struct FigureTool {
  const char* button;
  int code;
};

const FigureTool kFigures[] = {{"BitBtn2", 5},  {"BitBtn6", 6},   {"BitBtn7", 9},
                               {"BitBtn9", 10}, {"BitBtn10", 13}, {"BitBtn11", 14}};

}  // namespace

TEST_F(CanvasTools, EveryFigureLeavesOnlyItselfAfterAWanderingDrag) {
  for (const FigureTool& t : kFigures) {
    noisyPicture();
    click(t.button);
    ASSERT_EQ(palette().CurTool, t.code);
    palette().ForeColor = clRed;
    palette().BackColor = RGB(30, 160, 90);  // a band that shows its inside
    palette().LineWidth = palette().PenWidth = 3;
    palette().BrushStyle = BrushStyle::Cross;
    const Bitmap before = picture();
    dragFigure({20, 15}, {80, 70}, {80, 70});
    EXPECT_TRUE(picture() == finished(before, t.code, {20, 15}, {80, 70})) << t.button;
  }
}

TEST_F(CanvasTools, ABandShowsWhileDragging) {
  noisyPicture();
  click("BitBtn2");
  const Bitmap before = picture();
  press(10, 10);
  drag(60, 50);
  EXPECT_FALSE(picture() == before);
  EXPECT_EQ(picture().pixel(10, 30), before.pixel(10, 30) ^ 0xFFFFFF);  // inverted edge
  drag(40, 30);
  EXPECT_EQ(picture().pixel(59, 30), before.pixel(59, 30));  // the old band is gone
  release(40, 30);
}

TEST_F(CanvasTools, ReleasingAwayFromTheLastMoveLeavesNoBand) {
  for (const FigureTool& t : kFigures) {
    noisyPicture();
    click(t.button);
    palette().ForeColor = clBlue;
    const Bitmap before = picture();
    dragFigure({30, 20}, {90, 80}, {60, 50});
    EXPECT_TRUE(picture() == finished(before, t.code, {30, 20}, {60, 50})) << t.button;
  }
}

TEST_F(CanvasTools, AClickWithoutMovingDrawsOnlyTheDegenerateFigure) {
  noisyPicture();
  click("BitBtn2");
  const Bitmap before = picture();
  press(40, 40);
  release(40, 40);
  // An empty rectangle covers nothing, and no band was there to erase.
  EXPECT_TRUE(picture() == before);
  EXPECT_FALSE(main().StrokeOn);
  EXPECT_FALSE(main().MouseIsDown);
}

TEST_F(CanvasTools, TheUndoCopyIsTakenWhenAFigureIsPressed) {
  noisyPicture();
  click("BitBtn2");
  dragFigure({10, 10}, {50, 50}, {50, 50});
  const Bitmap afterFirst = picture();
  press(60, 60);
  EXPECT_TRUE(main().image2->bitmap() == afterFirst);
  release(60, 60);
}

TEST_F(CanvasTools, BrushStrokesFollowTheMouseAndFallUnderOneUndo) {
  noisyPicture();
  click("BitBtn5");  // "Paint Brush"
  palette().ForeColor = clYellow;
  palette().LineWidth = palette().PenWidth = 5;
  const Bitmap atChoice = picture();
  press(10, 50);
  drag(60, 50);
  drag(60, 90);
  release(60, 90);
  press(100, 10);
  drag(100, 40);
  release(100, 40);
  EXPECT_EQ(picture().pixel(35, 50), clYellow);
  EXPECT_EQ(picture().pixel(60, 70), clYellow);
  EXPECT_EQ(picture().pixel(100, 20), clYellow);
  EXPECT_EQ(picture().pixel(35, 60), atChoice.pixel(35, 60));
  EXPECT_TRUE(main().image2->bitmap() == atChoice);
}

TEST_F(CanvasTools, EraserPencilPenAndMarkerSetTheirColourAndWidthAtThePress) {
  noisyPicture();
  auto* spin = studio().find<ui::SpinEdit>("SpinEdit1");
  ASSERT_NE(spin, nullptr);
  click("BitBtn13");  // eraser
  press(10, 10);
  release(10, 10);
  EXPECT_EQ(palette().ForeColor, clWhite);
  EXPECT_EQ(palette().LineWidth, 10);
  EXPECT_EQ(spin->value(), 10);
  click("BitBtn3");  // pencil
  press(10, 10);
  release(10, 10);
  EXPECT_EQ(palette().ForeColor, clGray);
  EXPECT_EQ(palette().LineWidth, 2);
  click("BitBtn4");  // pen: exactly 2 stays
  press(10, 10);
  release(10, 10);
  EXPECT_EQ(palette().ForeColor, clBlue);
  EXPECT_EQ(palette().PenWidth, 2);
  click("BitBtn32");  // marker
  press(10, 10);
  drag(40, 10);
  release(40, 10);
  EXPECT_EQ(palette().ForeColor, clLime);
  EXPECT_EQ(palette().PenWidth, 10);
  EXPECT_EQ(picture().pixel(25, 14), clLime);
}

TEST_F(CanvasTools, TheLineLeavesNoRubberLineWhereverItIsReleased) {
  noisyPicture();
  click("BitBtn15");
  palette().ForeColor = clRed;
  const Bitmap before = picture();
  press(10, 10);
  drag(100, 20);
  drag(90, 80);
  release(50, 60);
  Bitmap want = before;
  want.canvas().pen.color = clRed;
  want.canvas().pen.width = palette().LineWidth;
  want.canvas().moveTo(10, 10);
  want.canvas().lineTo(50, 60);
  EXPECT_TRUE(picture() == want);
}

TEST_F(CanvasTools, SprayBurstsStayInTheirSquare) {
  noisyPicture();
  click("BitBtn17");  // opens the spray kinds
  click("plainbut1");
  EXPECT_EQ(palette().CurTool, 15);
  EXPECT_EQ(palette().LineWidth, 10);
  palette().ForeColor = RGB(1, 2, 3);
  press(50, 50);
  release(50, 50);
  int sprayed = 0;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 120; ++x)
      if (picture().pixel(x, y) == RGB(1, 2, 3)) {
        ++sprayed;
        EXPECT_TRUE(x > 40 && x < 60 && y > 40 && y < 60) << x << "," << y;
      }
  EXPECT_GT(sprayed, 50);
}

TEST_F(CanvasTools, MixingSprayInvertsWhereItLands) {
  main().ptbox1->setBitmap(Bitmap(60, 60));
  main().initpages();
  click("BitBtn17");
  click("mixbut1");
  EXPECT_TRUE(main().SprayMixing);
  palette().ForeColor = clBlack;
  press(30, 30);
  release(30, 30);
  // Not-xor with black inverts: white pixels turn black.
  EXPECT_GT(countColor(picture(), clBlack), 50);
}

TEST_F(CanvasTools, FloodFillWithThePatternTilesIt) {
  Bitmap start(40, 30);
  start.canvas().rectangle(5, 5, 25, 20);
  main().ptbox1->setBitmap(start);
  main().initpages();
  click("ToolButton3");  // patterns on: fills use patbox1
  ASSERT_TRUE(palette().PatternFill);
  click("BitBtn18");
  press(10, 10);
  release(10, 10);
  const Bitmap& pattern = palette().patbox1->bitmap();
  ASSERT_FALSE(pattern.empty());
  for (int y = 6; y < 19; ++y)
    for (int x = 6; x < 24; ++x)
      ASSERT_EQ(picture().pixel(x, y), pattern.pixel(x % pattern.width(), y % pattern.height()))
          << x << "," << y;
  EXPECT_EQ(picture().pixel(30, 25), clWhite);
}

TEST_F(CanvasTools, SamplerTakesColoursFromThePicture) {
  Bitmap start(20, 20);
  start.setPixel(3, 4, clRed);
  start.setPixel(5, 6, clBlue);
  main().ptbox1->setBitmap(start);
  main().initpages();
  click("BitBtn29");
  press(3, 4);
  release(3, 4);
  press(5, 6, Qt::RightButton);
  release(5, 6, Qt::RightButton);
  EXPECT_EQ(palette().ForeColor, clRed);
  EXPECT_EQ(palette().BackColor, clBlue);
}

TEST_F(CanvasTools, ColourReplacerChangesOnlyTheExactColourRightAndBelow) {
  Bitmap start(30, 30);
  start.fill(clRed);
  start.setPixel(12, 12, RGB(254, 0, 0));
  main().ptbox1->setBitmap(start);
  main().initpages();
  click("BitBtn30");
  palette().ForeColor = clRed;
  palette().BackColor = clBlue;
  palette().LineWidth = 4;
  press(10, 10);
  drag(14, 10);
  release(14, 10);
  EXPECT_EQ(picture().pixel(11, 11), clBlue);
  EXPECT_EQ(picture().pixel(18, 14), clBlue);
  EXPECT_EQ(picture().pixel(10, 10), clRed);
  EXPECT_EQ(picture().pixel(12, 12), RGB(254, 0, 0));
  EXPECT_EQ(picture().pixel(11, 16), clRed);
}

TEST_F(CanvasTools, MovePixelsShiftsTheBlockOneStep) {
  noisyPicture();
  click("ToolButton2");  // the pixel movers
  click("pm1");          // "Move Pixels Right"
  ASSERT_EQ(palette().CurTool, 101);
  const Bitmap before = picture();
  press(20, 20);
  release(20, 20);
  for (int y = 20; y < 25; ++y) {
    EXPECT_EQ(picture().pixel(20, y), before.pixel(20, y));  // trailing column kept
    for (int x = 21; x <= 25; ++x) EXPECT_EQ(picture().pixel(x, y), before.pixel(x - 1, y));
  }
  EXPECT_EQ(picture().pixel(26, 20), before.pixel(26, 20));
  EXPECT_EQ(picture().pixel(17, 17), before.pixel(17, 17));  // the box is gone
}

TEST_F(CanvasTools, ClearImageFillsWithTheBackgroundColourAfterTheUndoCopy) {
  noisyPicture();
  const Bitmap before = picture();
  palette().BackColor = clYellow;
  click("BitBtn26");
  EXPECT_EQ(countColor(picture(), clYellow), 120 * 100);
  EXPECT_TRUE(main().image2->bitmap() == before);
}

TEST_F(CanvasTools, TheTimerDoesNotRunOnItsOwn) {
  ASSERT_NE(main().Timer1, nullptr);
  EXPECT_FALSE(main().Timer1->isActive());
  click("BitBtn2");
  press(5, 5);
  release(5, 5);
  EXPECT_FALSE(main().Timer1->isActive());
  EXPECT_EQ(main().Timer1->interval(), 1000);
}
