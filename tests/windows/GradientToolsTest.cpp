// The gradient window and the gradient tools, chosen on the palette's
// gradient panel and used on the picture.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <memory>

#include "platform/ui/ImageControl.h"
#include "support/PixelGrid.h"
#include "support/windows/StudioFixture.h"
#include "tools/windows/TForm3.h"
#include "tools/windows/Tgradform1.h"

using namespace gdi;
using testing_support::countColor;

namespace {

class Gradients : public ::testing::Test {
 protected:
  void SetUp() override {
    studio_ = std::make_unique<testing_support::Studio>();
    main().ptbox1->setBitmap(Bitmap(120, 100));
    main().initpages();
  }
  void TearDown() override { studio_.reset(); }

  TPbook1& main() { return studio_->main(); }
  TForm3& palette() { return *app::windows().Form3; }
  Tgradform1& window() { return *app::windows().gradform1; }
  Bitmap& picture() { return main().picture(); }

  // A button of the tool palette (the main window has buttons of the same names).
  void click(const char* name) {
    auto* b = palette().findChild<QAbstractButton*>(QString::fromLatin1(name));
    ASSERT_NE(b, nullptr) << name;
    b->click();
    QApplication::processEvents();
  }
  static void mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button,
                    Qt::MouseButtons held) {
    QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
  }
  void clickStrip(int x, Qt::MouseButton button) {
    mouse(window().Image1, QEvent::MouseButtonPress, {x, 10}, button, button);
    mouse(window().Image1, QEvent::MouseButtonRelease, {x, 10}, button, Qt::NoButton);
  }
  void dragOnPicture(QPoint from, QPoint to) {
    QWidget* p = main().ptbox1;
    mouse(p, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    mouse(p, QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
    mouse(p, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    mouse(p, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
  }
  // Black to white, stretched so every column of the strip differs.
  void blackToWhite() {
    palette().ForeColor = clBlack;
    palette().BackColor = clWhite;
    window().TrackBar2->setValue(255);
  }

 private:
  std::unique_ptr<testing_support::Studio> studio_;
};

}  // namespace

TEST_F(Gradients, ChoosingAGradientToolShowsTheWindowAndBuildsTheList) {
  blackToWhite();
  click("ToolButton1");  // the gradient panel
  click("gradbut3");     // "Horizontal Gradient Fill"
  EXPECT_EQ(palette().CurTool, 153);
  EXPECT_TRUE(window().isVisible());
  EXPECT_GE(palette().ListBox1.size(), 2);
  // One decimal colour per line, climbing from black.
  EXPECT_EQ(palette().ListBox1.front().toInt(), int(RGB(1, 1, 1)));
}

TEST_F(Gradients, TheMarkersChooseTheStretch) {
  blackToWhite();
  window().show();
  clickStrip(100, Qt::LeftButton);
  clickStrip(140, Qt::RightButton);
  EXPECT_EQ(window().Label1->x(), 100);
  EXPECT_EQ(window().Label2->x(), 140);
  // The markers pick the colours under them too.
  EXPECT_EQ(palette().ForeColor, window().Image1->bitmap().pixel(100, 10));
  EXPECT_EQ(palette().BackColor, window().Image1->bitmap().pixel(140, 10));
  window().BitBtn1->click();  // OK: list, preview, window closed
  EXPECT_FALSE(window().isVisible());
  EXPECT_GE(palette().ListBox1.size(), 2);
  EXPECT_LE(palette().ListBox1.size(), 20);
}

TEST_F(Gradients, MarkersAtOnePlaceLeaveGradientToolsDrawingNothing) {
  blackToWhite();
  window().show();
  clickStrip(100, Qt::LeftButton);
  clickStrip(100, Qt::RightButton);
  window().BitBtn1->click();
  EXPECT_TRUE(palette().ListBox1.isEmpty());
  click("ToolButton1");
  click("gradbut5");  // "Horizontal Gradient Rectangle": the tool rebuilds the list
  EXPECT_TRUE(palette().ListBox1.isEmpty());
  const Bitmap before = picture();
  dragOnPicture({10, 10}, {80, 70});
  EXPECT_TRUE(picture() == before);
}

TEST_F(Gradients, AreaFillTakesTheUndoCopyAndFillsOnlyTheClickedArea) {
  Bitmap start(120, 100);
  start.canvas().rectangle(20, 20, 60, 60);
  main().ptbox1->setBitmap(start);
  main().initpages();
  blackToWhite();
  click("ToolButton1");
  click("gradbut8");  // "Vertical Gradient Fill"
  const Bitmap before = picture();
  dragOnPicture({40, 40}, {40, 40});
  EXPECT_TRUE(main().image2->bitmap() == before);
  EXPECT_NE(picture().pixel(40, 40), clWhite);
  EXPECT_EQ(picture().pixel(100, 90), clWhite);
  EXPECT_EQ(countColor(picture(), 0x000001), 0);
}

TEST_F(Gradients, BoxFillsGlobeAndFrameDrawInTheDraggedBox) {
  blackToWhite();
  for (const char* tool : {"gradbut5", "gradbut6", "gradbut4", "gradbut2"}) {
    main().ptbox1->setBitmap(Bitmap(120, 100));
    main().initpages();
    click("ToolButton1");
    click(tool);
    dragOnPicture({10, 10}, {70, 70});
    EXPECT_NE(picture().pixel(40, 40), clWhite) << tool;
    EXPECT_EQ(picture().pixel(100, 90), clWhite) << tool;
    EXPECT_EQ(picture().pixel(5, 80), clWhite) << tool;
  }
}

TEST_F(Gradients, ShiftButtonsMoveTheStripsStart) {
  palette().ForeColor = RGB(100, 100, 100);
  window().show();
  const TColor first = window().Image1->bitmap().pixel(0, 5);
  window().RedDown->click();  // "R-": red starts two higher
  EXPECT_EQ(window().RedShift, 2);
  EXPECT_EQ(window().Image1->bitmap().pixel(0, 5), first + 2);
  window().SpeedButton5->click();  // every shift down one that stays at 0 or above
  EXPECT_EQ(window().RedShift, 1);
  EXPECT_EQ(window().GreenShift, 0);
}
