// The morph windows: "Morf Shapes" pours the captured picture into a
// standard shape, "Morf Paste Clip" pours the clipboard's picture into a
// shape from a BMP file or a dragged image; both paste the result.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "app/Tclpform1.h"
#include "app/Toptions1.h"
#include "clips/engine/Morph.h"
#include "clips/engine/MorphShapes.h"
#include "clips/windows/Tmorfshapeform.h"
#include "clips/windows/Tshapeform.h"
#include "platform/codecs/Bmp.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/ShapeControl.h"
#include "platform/ui/SpinEdit.h"
#include "support/PixelGrid.h"
#include "support/windows/StudioFixture.h"
#include "tools/windows/TForm3.h"
#include "windows/CanvasMouse.h"

using testing_support::Studio;

namespace {

Tmorfshapeform& shapes() { return *app::windows().morfshapeform; }
Tshapeform& fileShapes() { return *app::windows().shapeform; }

// A picture without white, so every pixel of it is content.
gdi::Bitmap content(int w, int h, std::uint32_t seed) {
  gdi::Bitmap b = testing_support::noiseBitmap(w, h, seed);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (b.pixel(x, y) == gdi::clWhite) b.setPixel(x, y, gdi::clRed);
  return b;
}

// A white picture with a dark diamond: the shape of a file.
gdi::Bitmap diamond(int side) {
  gdi::Bitmap b(side, side);
  const int c = side / 2;
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x)
      if (std::abs(x - c) + std::abs(y - c) < c - 2) b.setPixel(x, y, gdi::RGB(0, 0, 90));
  return b;
}

gdi::Bitmap morphed(const gdi::Bitmap& picture, gdi::Bitmap shape) {
  EXPECT_EQ(clips::morph(picture, shape), clips::MorphResult::Done);
  return shape;
}

// The capture whose options choice is "Morf Into a Standard Shape".
void captureForStandardShape(Studio& studio) {
  TPbook1& main = studio.main();
  main.ptbox1->setBitmap(content(400, 400, 41));
  app::windows().options1->RadioGroup1->setItemIndex(Toptions1::StandardShape);
  app::windows().Form3->findChild<QAbstractButton*>("BitBtn25")->click();
  testing_support::drag(main.ptbox1, {20, 20}, {90, 70});
  app::windows().options1->BitBtn1->click();
}

}  // namespace

TEST(MorfShapes, ShapeButtonsChooseDrawAndMarkTheKind) {
  Studio studio;
  Tmorfshapeform& f = shapes();
  f.show();
  EXPECT_EQ(f.shapeKind(), clips::ShapeKind::Rectangle);
  EXPECT_EQ(f.SpinEdit1->value(), 100);
  EXPECT_EQ(f.Image1->size(), QSize(100, 100));
  EXPECT_TRUE(
      f.Image1->bitmap().samePixels(clips::standardShape(clips::ShapeKind::Rectangle, {100, 100})));
  EXPECT_EQ(f.Shape1->brushColor(), clips::kShapeColor);

  f.SpinEdit2->setValue(70);
  testing_support::click(f.Shape4, {5, 5});
  EXPECT_EQ(f.shapeKind(), clips::ShapeKind::WideEllipse);
  EXPECT_EQ(f.SpinEdit1->value(), 140);  // twice the height
  EXPECT_EQ(f.Image1->bitmap().width(), 144);
  EXPECT_EQ(f.Image1->bitmap().height(), 74);
  EXPECT_EQ(f.Shape4->brushColor(), clips::kShapeColor);
  EXPECT_EQ(f.Shape1->brushColor(), gdi::clWhite);

  // Twice a height of 600 is held to the largest width.
  f.SpinEdit2->setValue(600);
  testing_support::click(f.Shape4, {5, 5});
  EXPECT_EQ(f.SpinEdit1->value(), 1000);
}

TEST(MorfShapes, OkPoursTheCapturedPictureIntoTheShapeAndPastesIt) {
  Studio studio;
  TPbook1& main = studio.main();
  captureForStandardShape(studio);
  Tmorfshapeform& f = shapes();
  ASSERT_TRUE(f.isVisible());
  const gdi::Bitmap picture = main.morfimage1->bitmap();
  f.SpinEdit1->setValue(120);
  f.SpinEdit2->setValue(80);
  testing_support::click(f.Shape3, {5, 5});
  f.BitBtn1->click();

  const gdi::Bitmap expected =
      morphed(picture, clips::standardShape(clips::ShapeKind::Ellipse, {120, 80}));
  EXPECT_FALSE(f.isVisible());
  EXPECT_TRUE(main.clpmap1->bitmap().samePixels(expected));
  EXPECT_TRUE(studio.clipboard().bitmap().samePixels(expected));
  EXPECT_TRUE(main.pastepanel1->isVisible());
  EXPECT_TRUE(app::windows().Form3->MaskMode);
  EXPECT_FALSE(main.MorphPending);
  EXPECT_EQ(app::windows().Form3->CurTool, 0);
}

TEST(MorfShapes, WithNothingToMorphItSaysSoAndStays) {
  Studio studio;
  studio.dialogs().answerMessage(ui::MsgResult::Ok);
  Tmorfshapeform& f = shapes();
  f.show();
  f.BitBtn1->click();
  ASSERT_EQ(studio.dialogs().messages().size(), 1u);
  EXPECT_TRUE(f.isVisible());
  EXPECT_FALSE(studio.main().pastepanel1->isVisible());
}

TEST(MorfPasteClip, NeedsAPictureOnTheClipboard) {
  Studio studio;
  studio.clipboard().clear();
  studio.main().ToolButton3->click();
  EXPECT_TRUE(studio.find<Tclpform1>("Tclpform1")->isVisible());
  EXPECT_FALSE(fileShapes().isVisible());

  const gdi::Bitmap picture = content(80, 60, 2);
  studio.clipboard().setBitmap(picture);
  studio.main().ToolButton3->click();
  EXPECT_TRUE(fileShapes().isVisible());
  EXPECT_TRUE(studio.main().morfimage1->bitmap().samePixels(picture));
  EXPECT_TRUE(fileShapes().Image2->bitmap().samePixels(picture));
}

TEST(MorfPasteClip, WithoutAShapeEveryButtonSaysNoFileLoaded) {
  Studio studio;
  studio.clipboard().setBitmap(content(80, 60, 2));
  Tshapeform& f = fileShapes();
  f.show();
  for (QPushButton* b : {f.BitBtn1, f.BitBtn4, f.BitBtn5}) {
    f.Label1->clear();
    b->click();
    EXPECT_EQ(f.Label1->text(), "No file loaded") << b->objectName().toStdString();
  }
  EXPECT_TRUE(f.isVisible());
  EXPECT_FALSE(studio.main().pastepanel1->isVisible());
}

TEST(MorfPasteClip, ABmpShapeAtItsSizeTakesTheClipboardsPicture) {
  Studio studio;
  TPbook1& main = studio.main();
  const QString file = studio.tempPath("diamond.bmp");
  codecs::writeBmpFile(file.toStdString(), diamond(90));
  Tshapeform& f = fileShapes();
  f.show();
  studio.dialogs().answerOpen(file);
  f.BitBtn3->click();
  EXPECT_EQ(f.Label1->text(), "diamond.bmp");
  EXPECT_EQ(f.SpinEdit1->value(), 90);
  EXPECT_EQ(f.SpinEdit2->value(), 90);
  EXPECT_TRUE(f.shapeLoaded());

  // No picture on the clipboard: the window stays and says so.
  studio.clipboard().clear();
  f.BitBtn1->click();
  EXPECT_EQ(f.Label1->text(), "Clipboard not Available");
  EXPECT_TRUE(f.isVisible());

  const gdi::Bitmap picture = content(70, 50, 3);
  studio.clipboard().setBitmap(picture);
  f.SpinEdit1->setValue(120);
  f.SpinEdit2->setValue(60);
  f.BitBtn1->click();
  const gdi::Bitmap shape = clips::stretchedShape(diamond(90), {120, 60});
  const gdi::Bitmap expected = morphed(picture, shape);
  EXPECT_EQ(f.Label1->text(), "Copied Successfully");
  EXPECT_FALSE(f.isVisible());
  EXPECT_TRUE(f.Image1->bitmap().samePixels(shape));
  EXPECT_TRUE(main.clpmap1->bitmap().samePixels(expected));
  EXPECT_TRUE(main.pastepanel1->isVisible());
  EXPECT_FALSE(main.MorphPending);
}

TEST(MorfPasteClip, AShapeWiderThanTheLimitIsPastedUnmorphedAndTheUserTold) {
  Studio studio;
  TPbook1& main = studio.main();
  studio.clipboard().setBitmap(content(70, 50, 3));
  Tshapeform& f = fileShapes();
  f.show();
  main.dragimage1->setBitmap(diamond(100));
  ASSERT_TRUE(f.Image1->dropFrom(main.dragimage1, {5, 5}));
  EXPECT_EQ(f.SpinEdit1->value(), 100);
  f.SpinEdit1->setValue(clips::kMorphMaxWidth + 1);
  f.SpinEdit2->setValue(40);
  studio.dialogs().answerMessage(ui::MsgResult::Ok);
  f.BitBtn1->click();
  ASSERT_EQ(studio.dialogs().messages().size(), 1u);
  EXPECT_TRUE(studio.dialogs().messages()[0].text.contains("2000"));
  const gdi::Bitmap shape = clips::stretchedShape(diamond(100), {clips::kMorphMaxWidth + 1, 40});
  EXPECT_TRUE(main.clpmap1->bitmap().samePixels(shape));
  EXPECT_TRUE(main.pastepanel1->isVisible());
}

TEST(MorfPasteClip, PreviewPoursTheShapeIntoTheClipsOutline) {
  Studio studio;
  TPbook1& main = studio.main();
  Tshapeform& f = fileShapes();
  f.show();
  const gdi::Bitmap picture = content(60, 60, 4);
  main.dragimage1->setBitmap(picture);
  f.Image1->dropFrom(main.dragimage1, {1, 1});
  const gdi::Bitmap outline = diamond(80);
  studio.clipboard().setBitmap(outline);
  f.BitBtn4->click();
  EXPECT_TRUE(f.Image1->bitmap().samePixels(morphed(picture, outline)));
  // A second preview starts from the shape again, not from the first result.
  f.BitBtn4->click();
  EXPECT_TRUE(f.Image1->bitmap().samePixels(morphed(picture, outline)));
  EXPECT_FALSE(main.pastepanel1->isVisible());
}

TEST(MorfPasteClip, StandardShapesButtonSwitchesWindows) {
  Studio studio;
  fileShapes().show();
  fileShapes().BitBtn6->click();
  EXPECT_FALSE(fileShapes().isVisible());
  EXPECT_TRUE(shapes().isVisible());
}
