// The main window's zoom: zoom on, factor and pan, editing while zoomed and
// "Normal Size", the capture frame, and the zoom view's bitmap commands.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>

#include "IndependentReader.h"
#include "app/Tclpform1.h"
#include "platform/codecs/Bmp.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/SpinEdit.h"
#include "support/PixelGrid.h"
#include "support/windows/StudioFixture.h"
#include "tools/windows/TForm3.h"

using testing_support::Studio;

namespace {

constexpr gdi::TColor kRed = 0x0000FF;
constexpr gdi::TColor kBlue = 0xFF0000;

void setPicture(TPbook1& m, gdi::Bitmap b) {
  m.picture() = std::move(b);
  m.ptbox1->refresh();
  ASSERT_TRUE(m.initpages());
}

void fill(gdi::Bitmap& b, const gdi::Rect& r, gdi::TColor c) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) b.setPixel(x, y, c);
}

}  // namespace

TEST(ZoomView, ZoomOnStoresThePictureAndOpensThePanel) {
  Studio studio;
  TPbook1& m = studio.main();
  gdi::Bitmap b(400, 300);
  b.setPixel(7, 8, kRed);
  setPicture(m, b);
  m.zmbuton->click();

  EXPECT_EQ(m.zoomStage(), app::ZoomStage::Viewing);
  EXPECT_FALSE(m.zmpanel1->isHidden());
  EXPECT_EQ(m.zmbk->bitmap(), b);
  EXPECT_EQ(m.zm1->Bitmap(), b);
  EXPECT_TRUE(m.zm1->displayEnabled());
  EXPECT_EQ(app::windows().Form3->CurTool, 31);
  EXPECT_EQ(m.PageControl1->currentWidget(), m.TabSheet3);
  EXPECT_EQ(m.spinedit1->value(), 200);
  EXPECT_EQ(m.spinedit4->value(), 150);
  EXPECT_TRUE(m.zmbutoff->isEnabled());
  EXPECT_TRUE(m.zclipbut1->isEnabled());
  EXPECT_TRUE(m.zbrowsebut1->isEnabled());
  EXPECT_FALSE(m.zcambut1->isEnabled());  // until a folder is chosen
  // The frame starts round the whole view.
  EXPECT_EQ(m.SpinEdit2->value(), 400);
  EXPECT_EQ(m.SpinEdit3->value(), 300);
  EXPECT_EQ(m.spbox1->value(), 0);
  EXPECT_EQ(m.spbox2->value(), 0);
}

TEST(ZoomView, PanelControlsCarryTheirHintsAndRanges) {
  Studio studio;
  TPbook1& m = studio.main();
  EXPECT_TRUE(m.zmpanel1->isHidden());
  EXPECT_EQ(m.zm1spin->minValue(), 100);
  EXPECT_EQ(m.zm1spin->maxValue(), 1000);
  EXPECT_EQ(m.zm1spin->increment(), 2);
  EXPECT_EQ(m.zm1spin->value(), 100);
  const std::pair<const char*, const char*> hints[] = {{"zm1spin", "Zoom image "},
                                                       {"spinedit1", "move image left or right"},
                                                       {"spinedit4", "Move image up or down"},
                                                       {"spbox1", "Move capture box left or right"},
                                                       {"spbox2", "Move capture box up or down"},
                                                       {"zsnum", "Move by this amount"}};
  for (const auto& [name, hint] : hints) {
    auto* spin = studio.find<ui::SpinEdit>(name);
    ASSERT_NE(spin, nullptr) << name;
    EXPECT_EQ(spin->toolTip(), QString::fromLatin1(hint)) << name;
    EXPECT_EQ(spin->parentWidget(), m.zmpanel1) << name;
  }
}

TEST(ZoomView, FactorAndPanSpinsMoveTheView) {
  Studio studio;
  TPbook1& m = studio.main();  // 400 x 400
  m.zmbuton->click();
  m.zm1spin->setValue(200);
  EXPECT_EQ(m.zm1->visibleRect(), (gdi::Rect{100, 100, 300, 300}));
  EXPECT_EQ(m.zm1->zoomValue(), 200);

  // Panning stops where the rectangle meets the picture's edge.
  m.spinedit1->setValue(10);
  EXPECT_EQ(m.zm1->visibleRect(), (gdi::Rect{0, 100, 200, 300}));
  m.spinedit4->setValue(390);
  EXPECT_EQ(m.zm1->visibleRect(), (gdi::Rect{0, 200, 200, 400}));

  // At 1000 % the view shows 40 x 40 pixels round the centre of the last
  // rectangle (y = 300: the centre is the rectangle's, not the spin's).
  m.zm1spin->setValue(1000);
  const gdi::Rect r = m.zm1->visibleRect();
  EXPECT_EQ(r.width(), 40);
  EXPECT_EQ(r.height(), 40);
  EXPECT_EQ(r.bottom, 320);
}

TEST(ZoomView, ZoomFactorBeforeZoomOnStoresTheSourceItself) {
  Studio studio;
  TPbook1& m = studio.main();
  m.picture().setPixel(1, 1, kBlue);
  m.zm1spin->setValue(400);
  EXPECT_EQ(m.zoomStage(), app::ZoomStage::SourceKept);
  EXPECT_EQ(m.zmbk->bitmap().pixel(1, 1), kBlue);
  EXPECT_EQ(m.zm1->Bitmap().pixel(1, 1), kBlue);
  EXPECT_EQ(m.zm1->zoomValue(), 400);
  EXPECT_EQ(app::windows().Form3->CurTool, 31);
}

TEST(ZoomView, PaintingWhileZoomedShrinksIntoPlaceAtNormalSize) {
  Studio studio;
  TPbook1& m = studio.main();
  gdi::Bitmap b(400, 400);
  b.setPixel(150, 150, kRed);
  setPicture(m, b);
  m.zmbuton->click();
  m.zm1spin->setValue(200);
  ASSERT_EQ(m.zm1->visibleRect(), (gdi::Rect{100, 100, 300, 300}));

  // Picking a paint tool applies the zoom: the rectangle, taken from one
  // column left of it, fills the picture.
  m.apply_zoom();
  EXPECT_EQ(m.zoomStage(), app::ZoomStage::Applied);
  EXPECT_EQ(m.PageControl1->currentWidget(), m.TabSheet1);
  EXPECT_TRUE(m.zmpanel1->isHidden());
  EXPECT_FALSE(m.zmbuton->isEnabled());
  gdi::Bitmap& pic = m.picture();
  ASSERT_EQ(pic.width(), 400);
  EXPECT_EQ(pic.pixel(102, 100), kRed);
  EXPECT_EQ(pic.pixel(103, 101), kRed);
  EXPECT_EQ(pic.pixel(100, 100), gdi::clWhite);
  // Applying twice does nothing more.
  const gdi::Bitmap applied = pic;
  m.apply_zoom();
  EXPECT_EQ(m.picture(), applied);

  // Paint the lower right quarter of the enlarged picture.
  fill(pic, {200, 200, 400, 400}, kBlue);
  m.ptbox1->refresh();

  m.zmbutoff->click();
  EXPECT_EQ(m.zoomStage(), app::ZoomStage::Off);
  EXPECT_FALSE(m.zm1->displayEnabled());
  EXPECT_TRUE(m.zmbuton->isEnabled());
  EXPECT_EQ(m.zm1spin->value(), 100);
  const gdi::Bitmap& full = m.picture();
  ASSERT_EQ(full.width(), 400);
  ASSERT_EQ(full.height(), 400);
  // The quarter lands in the lower right quarter of the rectangle.
  EXPECT_EQ(full.pixel(200, 200), kBlue);
  EXPECT_EQ(full.pixel(299, 299), kBlue);
  EXPECT_EQ(full.pixel(199, 250), gdi::clWhite);
  EXPECT_EQ(full.pixel(300, 300), gdi::clWhite);
  EXPECT_EQ(full.pixel(350, 350), gdi::clWhite);
  // The rectangle's own pixels come back one column to the right: the
  // zoom was taken from one column left of it.
  EXPECT_EQ(full.pixel(151, 150), kRed);
  EXPECT_EQ(full.pixel(150, 150), gdi::clWhite);
  // The undo copy and the companions start from the merged picture.
  EXPECT_EQ(m.image2->bitmap(), full);
  EXPECT_EQ(m.zm1->Bitmap(), full);
}

TEST(ZoomView, NormalSizeBeforeAnyToolOnlyResetsTheZoom) {
  Studio studio;
  TPbook1& m = studio.main();
  m.picture().setPixel(5, 5, kRed);
  const gdi::Bitmap before = m.picture();
  m.zmbuton->click();
  m.zm1spin->setValue(300);
  m.zmbutoff->click();
  EXPECT_EQ(m.picture(), before);
  EXPECT_EQ(m.zm1spin->value(), 100);
  EXPECT_EQ(m.zm1->zoomValue(), 100);
  EXPECT_TRUE(m.zmpanel1->isHidden());
  EXPECT_EQ(m.zoomStage(), app::ZoomStage::SourceKept);
  EXPECT_FALSE(m.toolPicked());
  // The reset of the factor leaves the palette's tool alone.
  app::windows().Form3->CurTool = 5;
  m.zmbuton->click();
  m.zm1spin->setValue(250);
  app::windows().Form3->CurTool = 5;
  m.zmbutoff->click();
  EXPECT_EQ(app::windows().Form3->CurTool, 5);
}

TEST(ZoomView, CaptureFrameIsCentredAndWrittenBackToThePanSpins) {
  Studio studio;
  TPbook1& m = studio.main();
  setPicture(m, gdi::Bitmap(400, 300));
  m.zmbuton->click();
  m.SpinEdit2->setValue(176);
  m.SpinEdit3->setValue(144);
  EXPECT_EQ(m.spbox1->value(), 112);
  EXPECT_EQ(m.spbox2->value(), 78);
  const QPoint o = m.zm1->pos();
  const int e = m.zrleft->width();
  EXPECT_GT(e, 0);
  EXPECT_EQ(m.zrleft->geometry(), QRect(o.x() + 112 - e, o.y() + 78, e, 144));
  EXPECT_EQ(m.zrright->geometry(), QRect(o.x() + 112 + 176, o.y() + 78, e, 144));
  EXPECT_EQ(m.zrtop->geometry(), QRect(o.x() + 112 - e, o.y() + 78 - e, 176 + 2 * e, e));
  EXPECT_EQ(m.zrbot->geometry(), QRect(o.x() + 112 - e, o.y() + 78 + 144, 176 + 2 * e, e));

  // Moved by the pan spins, the frame goes where they say.
  m.spbox1->setValue(20);
  EXPECT_EQ(m.zrleft->x(), o.x() + 20 - e);
  EXPECT_EQ(m.spbox2->value(), 78);

  // Wider than the picture: at its left edge; as high as it: at its top.
  m.SpinEdit2->setValue(500);
  m.SpinEdit3->setValue(300);
  EXPECT_EQ(m.spbox1->value(), 0);
  EXPECT_EQ(m.spbox2->value(), 0);
  m.spbox1->setValue(30);  // a wide frame cannot move sideways
  EXPECT_EQ(m.spbox1->value(), 0);
}

TEST(ZoomView, Copy2PutsTheViewOnTheClipboardOrSaysItCannot) {
  Studio studio;
  TPbook1& m = studio.main();
  gdi::Bitmap b(30, 20);
  b.setPixel(2, 3, kRed);
  setPicture(m, b);
  m.Copy2->trigger();
  EXPECT_EQ(studio.clipboard().bitmap(), b);
  EXPECT_FALSE(app::windows().clpform1->isVisible());

  studio.clipboard().setAvailable(false);
  m.Copy2->trigger();
  EXPECT_TRUE(app::windows().clpform1->isVisible());
  EXPECT_EQ(app::windows().clpform1->Label1->text(), "Clipboard Not Available or Empty");
}

TEST(ZoomView, Save2WritesTheFormatTheExtensionNamesAndAsksBeforeOverwriting) {
  Studio studio;
  TPbook1& m = studio.main();
  const gdi::Bitmap b = testing_support::noiseBitmap(400, 300, 3);
  setPicture(m, b);

  const QString jpeg = studio.tempPath("view.jpg");
  studio.dialogs().answerSave(jpeg);
  m.Save2->trigger();
  EXPECT_EQ(testing_support::identifyFile(jpeg), "JPEG 400x300");

  const QString bmp = studio.tempPath("view.bmp");
  studio.dialogs().answerSave(bmp);
  m.Save2->trigger();
  EXPECT_EQ(testing_support::identifyFile(bmp), "BMP3 400x300");
  EXPECT_EQ(codecs::readBmpFile(bmp.toStdString()), b);

  // An existing file is overwritten only on Yes.
  const gdi::Bitmap old(3, 3);
  codecs::writeBmpFile(bmp.toStdString(), old);
  studio.dialogs().answerSave(bmp);
  studio.dialogs().answerMessage(QStringLiteral("OK to overwrite %1").arg(bmp), ui::MsgResult::No);
  m.Save2->trigger();
  EXPECT_EQ(codecs::readBmpFile(bmp.toStdString()), old);
  studio.dialogs().answerSave(bmp);
  studio.dialogs().answerMessage(QStringLiteral("OK to overwrite %1").arg(bmp), ui::MsgResult::Yes);
  m.Save2->trigger();
  EXPECT_EQ(codecs::readBmpFile(bmp.toStdString()), b);

  // Cancelled: nothing written. The window keeps its name throughout.
  const QString other = studio.tempPath("none.bmp");
  studio.dialogs().cancelSave();
  m.Save2->trigger();
  EXPECT_FALSE(QFile::exists(other));
  EXPECT_EQ(m.windowTitle(), "TEMP.BMP");
}

TEST(ZoomView, EditZoomedFillsThePageAndNormalSizeGivesTheFullPictureBack) {
  Studio studio;
  TPbook1& m = studio.main();
  gdi::Bitmap b(120, 100);
  b.setPixel(60, 50, kRed);
  setPicture(m, b);
  m.zmbuton->click();
  m.chk1->setChecked(true);
  app::windows().Form3->resize_it();
  EXPECT_EQ(m.picture().width(), std::max(m.PageControl1->width(), 10));
  EXPECT_EQ(m.picture().height(), std::max(m.PageControl1->height(), 10));
  EXPECT_FALSE(m.chk1->isChecked());
  m.apply_zoom();
  m.zmbutoff->click();
  EXPECT_EQ(m.picture().width(), 120);
  EXPECT_EQ(m.picture().height(), 100);
}

TEST(ZoomView, RollingThePaletteDownKeepsWhatWasPaintedWhileZoomed) {
  Studio studio;
  TPbook1& m = studio.main();
  setPicture(m, gdi::Bitmap(200, 200));
  m.zmbuton->click();
  m.zm1spin->setValue(200);  // rectangle (50, 50, 150, 150)
  m.apply_zoom();
  fill(m.picture(), {0, 0, 200, 200}, kBlue);
  app::windows().Form3->dump_it();
  EXPECT_EQ(m.zoomStage(), app::ZoomStage::Off);
  EXPECT_TRUE(m.zmbuton->isEnabled());
  const gdi::Bitmap& pic = m.picture();
  ASSERT_EQ(pic.width(), 200);
  EXPECT_EQ(pic.pixel(100, 100), kBlue);
  EXPECT_EQ(pic.pixel(20, 20), gdi::clWhite);
  // Not zoomed: nothing to give back.
  const gdi::Bitmap now = m.picture();
  app::windows().Form3->dump_it();
  EXPECT_EQ(m.picture(), now);
}
