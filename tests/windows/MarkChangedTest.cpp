// Steps that only mark the picture as drawn on (applying the zoom when a tool
// is picked, the pixel movers' put_back, the colour replacer) leave every
// pixel as it was whatever pen the canvas holds, while a click with a wide
// brush still leaves its round dot.
#include <gtest/gtest.h>

#include <QApplication>
#include <QToolButton>

#include "CanvasMouse.h"
#include "platform/gdi/Canvas.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/SpinEdit.h"
#include "support/PixelGrid.h"
#include "support/windows/StudioFixture.h"
#include "tools/windows/TForm3.h"

using testing_support::countColor;
using testing_support::noiseBitmap;

namespace {

constexpr gdi::TColor kInk = gdi::RGB(1, 2, 3);  // in no test picture

class MarkChanged : public ::testing::Test {
 protected:
  TPbook1& main() { return studio_.main(); }
  TForm3& palette() { return *app::windows().Form3; }
  gdi::Bitmap& picture() { return main().picture(); }
  void setPicture(gdi::Bitmap b) {
    main().ptbox1->setBitmap(std::move(b));
    ASSERT_TRUE(main().initpages());
  }
  void click(const char* button) {
    auto* b = palette().findChild<QToolButton*>(QString::fromLatin1(button));
    ASSERT_NE(b, nullptr) << button;
    b->click();
    QApplication::processEvents();
  }
  // The pen a wide tool leaves on the picture's canvas.
  void widePen(int width = 20) {
    gdi::Pen& pen = picture().canvas().pen;
    pen.width = width;
    pen.color = kInk;
    pen.mode = gdi::PenMode::Copy;
    palette().LineWidth = palette().PenWidth = width;
  }

  testing_support::Studio studio_;
};

}  // namespace

TEST_F(MarkChanged, PickingAToolWhileZoomedLeavesNoDotInTheCorner) {
  setPicture(gdi::Bitmap(400, 400));
  main().zmbuton->click();
  main().zm1spin->setValue(200);
  widePen();
  click("BitBtn5");  // "Paint Brush": applies the zoom
  ASSERT_EQ(main().zoomStage(), app::ZoomStage::Applied);
  EXPECT_EQ(countColor(picture(), gdi::clWhite), 400 * 400);
  main().zmbutoff->click();  // "Normal Size" merges the edit back
  EXPECT_EQ(countColor(picture(), gdi::clWhite), 400 * 400);
}

TEST_F(MarkChanged, PutBackLeavesEveryPixelWhateverThePenAndThePicture) {
  gdi::Bitmap palettePicture = noiseBitmap(200, 200, 7);
  palettePicture.setPixelFormat(gdi::PixelFormat::Bits8);
  palettePicture.setPalette(gdi::halftonePalette());
  for (const gdi::Bitmap& start : {noiseBitmap(200, 200, 3), palettePicture})
    for (int width : {1, 7, 20}) {
      setPicture(start);
      widePen(width);
      main().put_back();
      EXPECT_TRUE(picture() == start)
          << (start.hasPalette() ? "palette" : "true colour") << ", pen " << width;
      // The pen stays as put_back leaves it for the next rubber band.
      EXPECT_EQ(picture().canvas().pen.mode, gdi::PenMode::NotXor);
    }
}

TEST_F(MarkChanged, ColourReplacerWithoutItsColourLeavesThePictureAlone) {
  setPicture(noiseBitmap(120, 100, 11));
  click("BitBtn30");
  widePen();
  palette().ForeColor = kInk;
  palette().BackColor = gdi::clBlue;
  const gdi::Bitmap before = picture();
  testing_support::press(main().ptbox1, {30, 30});
  testing_support::moveTo(main().ptbox1, {60, 40});
  testing_support::release(main().ptbox1, {60, 40});
  EXPECT_TRUE(picture() == before);
}

TEST_F(MarkChanged, AClickWithAWideBrushStillLeavesARoundDot) {
  setPicture(gdi::Bitmap(120, 100));
  click("BitBtn5");
  palette().ForeColor = kInk;
  palette().LineWidth = palette().PenWidth = 20;
  testing_support::click(main().ptbox1, {60, 50});
  const auto dot = countColor(picture(), kInk);
  EXPECT_GT(dot, 250);  // about pi * 10 * 10
  EXPECT_LT(dot, 400);
  EXPECT_EQ(picture().pixel(60, 50), kInk);
  EXPECT_EQ(picture().pixel(60, 42), kInk);
  EXPECT_EQ(picture().pixel(60, 62), gdi::clWhite);
  EXPECT_EQ(picture().pixel(72, 50), gdi::clWhite);
}
