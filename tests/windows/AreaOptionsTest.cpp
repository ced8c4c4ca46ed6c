// The options window a special capture opens: every control readable, and
// what "Ok" and cancel do with each choice.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "app/Toptions1.h"
#include "clips/engine/AreaTone.h"
#include "clips/windows/Tmorfshapeform.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/SpinEdit.h"
#include "support/PixelGrid.h"
#include "support/windows/StudioFixture.h"
#include "tools/windows/TForm3.h"
#include "windows/CanvasMouse.h"

using testing_support::Studio;

namespace {

Toptions1& options() { return *app::windows().options1; }
TForm3& palette() { return *app::windows().Form3; }

void pick(const char* button) {
  palette().findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
}

// A noise picture without white, so every captured pixel takes part.
gdi::Bitmap noisePicture(Studio& studio) {
  gdi::Bitmap pic = testing_support::noiseBitmap(400, 400, 23);
  for (int y = 0; y < 400; ++y)
    for (int x = 0; x < 400; ++x)
      if (pic.pixel(x, y) == gdi::clWhite) pic.setPixel(x, y, gdi::clRed);
  studio.main().ptbox1->setBitmap(pic);
  return pic;
}

// "Special Rectangle " dragged over the box: the options window comes up.
void specialCapture(TPbook1& main, QPoint from, QPoint to) {
  pick("BitBtn25");
  testing_support::drag(main.ptbox1, from, to);
}

// Where a control lies in its window.
QRect inWindow(const QWidget* w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

}  // namespace

TEST(AreaOptions, EveryCaptionAndControlShowsAtItsSize) {
  Studio studio;
  TPbook1& main = studio.main();
  noisePicture(studio);
  options().RadioGroup1->setItemIndex(Toptions1::BlendArea);
  specialCapture(main, {10, 10}, {60, 50});
  Toptions1& o = options();
  ASSERT_TRUE(o.isVisible());
  EXPECT_EQ(o.windowTitle(), "Options");
  EXPECT_EQ(o.RadioGroup1->title(), "Polygon Area  Options");
  EXPECT_TRUE(o.Panel4->isVisible());
  EXPECT_TRUE(o.Panel5->isVisible());
  EXPECT_EQ(o.Label1->text(), "Steps");
  EXPECT_EQ(o.Label2->text(), " 1 to 64 ");
  EXPECT_EQ(o.BitBtn1->text(), "Ok");
  EXPECT_EQ(o.SpinEdit2->value(), 8);
  EXPECT_EQ(o.SpinEdit2->minValue(), 1);
  EXPECT_EQ(o.SpinEdit2->maxValue(), 64);

  std::vector<QWidget*> controls{o.Label1, o.Label2, o.SpinEdit2, o.BitBtn1, o.BitBtn2};
  for (int i = 0; i < 5; ++i) controls.push_back(o.RadioGroup1->button(i));
  const QRect window = o.rect();
  for (QWidget* c : controls) {
    const QString name =
        c->objectName() + " " +
        (qobject_cast<QAbstractButton*>(c) ? qobject_cast<QAbstractButton*>(c)->text() : QString());
    EXPECT_TRUE(c->isVisible()) << name.toStdString();
    EXPECT_GE(c->width(), c->minimumSizeHint().width()) << name.toStdString();
    EXPECT_GE(c->height(), c->minimumSizeHint().height()) << name.toStdString();
    EXPECT_TRUE(window.contains(inWindow(c))) << name.toStdString();
  }
  for (std::size_t i = 0; i < controls.size(); ++i)
    for (std::size_t j = i + 1; j < controls.size(); ++j)
      EXPECT_FALSE(inWindow(controls[i]).intersects(inWindow(controls[j])))
          << controls[i]->objectName().toStdString() << " / "
          << controls[j]->objectName().toStdString();
  // The radio captions are not cut.
  for (int i = 0; i < 5; ++i) {
    QRadioButton* b = o.RadioGroup1->button(i);
    EXPECT_GE(b->width(), b->sizeHint().width()) << b->text().toStdString();
  }
}

TEST(AreaOptions, StepsShowForTheToneChoicesAndStayShown) {
  Studio studio;
  Toptions1& o = options();
  o.Panel4->show();
  o.show();
  EXPECT_FALSE(o.Panel5->isVisible());
  o.RadioGroup1->button(Toptions1::BlendArea)->click();
  EXPECT_TRUE(o.Panel5->isVisible());
  o.RadioGroup1->button(Toptions1::OutlineMorph)->click();
  EXPECT_TRUE(o.Panel5->isVisible());
}

TEST(AreaOptions, OutlineChoiceWaitsForTheNextOutlineWithTheMorphPending) {
  Studio studio;
  TPbook1& main = studio.main();
  noisePicture(studio);
  options().RadioGroup1->setItemIndex(Toptions1::OutlineMorph);
  specialCapture(main, {10, 10}, {60, 50});
  ASSERT_TRUE(main.MorphPending);
  ASSERT_TRUE(main.Panel3->isVisible());
  main.PolyCount = 4;
  main.FirstRubber = false;
  options().BitBtn1->click();
  EXPECT_FALSE(options().isVisible());
  EXPECT_FALSE(options().Panel4->isVisible());
  EXPECT_FALSE(main.Panel3->isVisible());
  EXPECT_EQ(palette().CurTool, 109);
  EXPECT_TRUE(main.MorphPending);
  EXPECT_TRUE(main.FirstRubber);
  EXPECT_EQ(main.PolyCount, 1);
  EXPECT_FALSE(main.PolyActive);
}

TEST(AreaOptions, StandardShapeChoiceOpensMorfShapes) {
  Studio studio;
  TPbook1& main = studio.main();
  noisePicture(studio);
  options().RadioGroup1->setItemIndex(Toptions1::StandardShape);
  specialCapture(main, {10, 10}, {60, 50});
  options().BitBtn1->click();
  EXPECT_TRUE(app::windows().morfshapeform->isVisible());
  EXPECT_FALSE(main.MorphPending);
  EXPECT_EQ(palette().CurTool, 109);
  EXPECT_FALSE(options().isVisible());
}

TEST(AreaOptions, LightenDarkenAndBlendChangeTheAreaAndUndoTakesItBack) {
  struct Case {
    int choice;
    int steps;
  };
  for (const Case c : {Case{Toptions1::LightenArea, 20}, Case{Toptions1::DarkenArea, 64},
                       Case{Toptions1::BlendArea, 64}, Case{Toptions1::BlendArea, 1}}) {
    SCOPED_TRACE(testing::Message() << "choice " << c.choice << " steps " << c.steps);
    Studio studio;
    TPbook1& main = studio.main();
    const gdi::Bitmap before = noisePicture(studio);
    options().RadioGroup1->setItemIndex(c.choice);
    // A box at the picture's bottom right edge: nothing is read or written
    // off the picture.
    specialCapture(main, {340, 350}, {399, 399});
    const gdi::Bitmap clip = main.clpmap1->bitmap();
    const gdi::Point origin = main.CaptureOrigin;
    options().SpinEdit2->setValue(c.steps);
    options().BitBtn1->click();

    gdi::Bitmap expected = before;
    if (c.choice == Toptions1::BlendArea)
      clips::blendArea(expected, clip, origin, c.steps);
    else
      clips::lightenArea(
          expected, clip, origin,
          c.choice == Toptions1::LightenArea ? clips::Tone::Lighten : clips::Tone::Darken, c.steps);
    EXPECT_TRUE(main.picture().samePixels(expected));
    EXPECT_FALSE(main.picture().samePixels(before));
    EXPECT_TRUE(main.isModified());
    EXPECT_FALSE(main.bg1->isVisible());
    // Nothing waits to be morphed: a paste takes the clipboard's bitmap.
    EXPECT_FALSE(main.MorphPending);
    EXPECT_FALSE(main.Panel3->isVisible());

    main.undoptb1->click();
    EXPECT_TRUE(main.picture().samePixels(before));
  }
}

TEST(AreaOptions, CancelDropsThePendingMorphAndChangesNothing) {
  Studio studio;
  TPbook1& main = studio.main();
  const gdi::Bitmap before = noisePicture(studio);
  options().RadioGroup1->setItemIndex(Toptions1::DarkenArea);
  specialCapture(main, {10, 10}, {60, 50});
  ASSERT_TRUE(main.MorphPending);
  options().BitBtn2->click();
  EXPECT_FALSE(main.MorphPending);
  EXPECT_FALSE(options().isVisible());
  EXPECT_TRUE(options().Panel4->isHidden());
  EXPECT_TRUE(options().Panel5->isHidden());
  EXPECT_TRUE(main.picture().samePixels(before));
}
