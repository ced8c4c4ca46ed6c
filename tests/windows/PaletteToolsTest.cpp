// The tool palette's tool buttons: the code each sets, its extra action, and
// what choosing a tool does to the main window.
#include <QCheckBox>
#include <QLabel>
#include <QTabWidget>

#include "PaletteFixture.h"
#include "animation/windows/TAnimCap1.h"
#include "app/Toptions1.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/SpinEdit.h"
#include "platform/ui/WindowPlacement.h"
#include "support/PixelGrid.h"
#include "tools/windows/TTextMakerForm.h"
#include "tools/windows/TTextmemoform.h"
#include "tools/windows/Tgradform1.h"
#include "tools/windows/Tstation1.h"

using testing_support::PaletteTest;

namespace {

struct ToolCase {
  const char* button;
  int code;
  const char* hint;
};

const ToolCase kTools[] = {
    {"BitBtn13", 1, "Eraser"},
    {"BitBtn5", 2, "Paint Brush"},
    {"BitBtn3", 3, "Pencil"},
    {"BitBtn4", 4, "Pen"},
    {"BitBtn2", 5, "Rectangle"},
    {"BitBtn6", 6, "Filled Rectangle"},
    {"BitBtn12", 7, "Polygon"},
    {"BitBtn14", 8, "Filled Polygon"},
    {"BitBtn7", 9, "Rounded Rectangle"},
    {"BitBtn9", 10, "Filled Round Rectangle"},
    {"BitBtn15", 11, "Line"},
    {"BitBtn16", 12, "Bezier Curve"},
    {"BitBtn10", 13, "Circle"},
    {"BitBtn11", 14, "Filled Circle"},
    {"mixbut1", 15, "Special Spray Paint"},
    {"plainbut1", 15, "Solid Color Spray"},
    {"BitBtn18", 16, "Flood Fill"},
    {"BitBtn29", 17, "Color Sampler"},
    {"BitBtn30", 18, "Color Replacer"},
    {"BitBtn31", 19, "Color Replacer Polygon"},
    {"BitBtn32", 20, "Lime Green Marker"},
    {"BitBtn19", 21, "Lasso Outline"},
    {"BitBtn20", 22, "Rectangle Outline"},
    {"BitBtn21", 23, "Cut"},
    {"BitBtn28", 24, "Capture Circular Area"},
    {"BitBtn34", 25, "Special Outline Circlular Area"},
    {"pm1", 101, "Move Pixels Right"},
    {"pm2", 102, "Move Pixels Left"},
    {"pm3", 103, "Move Pixels Up"},
    {"pm4", 104, "Move Pixels Down"},
    {"pm5", 105, "Move Pixels Down Left"},
    {"pm6", 106, "Move Pixels Down RIght"},
    {"pm7", 107, "Move Pixels Up Left"},
    {"pm8", 108, "Move Pixels Up Right"},
    {"BitBtn8", 109, "Special Outline an Area"},
    {"gradbut1", 151, ""},
    {"gradbut2", 152, "Gradient Globe"},
    {"gradbut3", 153, "Horizontal Gradient Fill"},
    {"gradbut8", 154, "Vertical Gradient Fill"},
    {"gradbut5", 155, "Horizontal Gradient Rectangle"},
    {"gradbut6", 156, "Vertical Gradient Rectangle"},
    {"gradbut4", 157, "Gradient Frame"},
    {"gradbut7", 158, ""},
    {"gradbut9", 159, ""},
    {"gradbut10", 160, ""},
    {"BitBtn23", 217, "Replace a color with clipboard"},
    {"BitBtn25", 229, "Special Rectangle "},
};

}  // namespace

TEST_F(PaletteTest, StartsWithTheDesignStateBesideTheMainWindow) {
  TForm3& f = palette();
  EXPECT_EQ(f.windowTitle(), "Tools");
  EXPECT_TRUE(f.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(f.size(), QSize(132, f.fullHeight()));
  // Beside the main window's frame, level with its top.
  EXPECT_EQ(f.y(), mainWindow().y());
  EXPECT_GT(f.x(), ui::frameRect(mainWindow()).right());
  EXPECT_EQ(f.CurTool, 0);
  EXPECT_EQ(f.ForeColor, gdi::clBlack);
  EXPECT_EQ(f.BackColor, gdi::clWhite);
  EXPECT_EQ(f.SavedFore, gdi::clBlack);
  EXPECT_EQ(f.SavedBack, gdi::clWhite);
  EXPECT_EQ(f.LineWidth, 1);
  EXPECT_EQ(f.PenWidth, 1);
  EXPECT_EQ(f.BrushStyle, gdi::BrushStyle::Solid);
  EXPECT_TRUE(f.PlainFill);
  EXPECT_FALSE(f.PatternFill);
  EXPECT_TRUE(f.PatternSlot[1]);
  for (int n = 2; n <= 18; ++n) EXPECT_FALSE(f.PatternSlot[n]) << n;
  EXPECT_FALSE(f.MaskMode);
  EXPECT_EQ(f.HoverColor, gdi::clWhite);
  EXPECT_EQ(f.AppFolder, testUi().environment().programFolder());
  EXPECT_EQ(f.PatternPath, f.AppFolder + "bin/b1.bmp");
  EXPECT_EQ(f.SpinEdit1->value(), 1);
}

TEST_F(PaletteTest, EveryToolButtonSetsItsCodeAndShowsItsHint) {
  for (const ToolCase& t : kTools) {
    click(t.button);
    EXPECT_EQ(palette().CurTool, t.code) << t.button;
    EXPECT_EQ(control<QToolButton>(t.button)->toolTip(), t.hint) << t.button;
    EXPECT_EQ(palette().StatusText->text(), t.hint) << t.button;
  }
}

TEST_F(PaletteTest, FiltersRunAndLeaveNoToolChosen) {
  for (const char* name : {"SpeedButton6", "SpeedButton7", "SpeedButton8", "SpeedButton9"}) {
    click("BitBtn5");
    click(name);
    EXPECT_EQ(palette().CurTool, 0) << name;
    EXPECT_FALSE(control<QToolButton>("BitBtn5")->isChecked());
  }
  EXPECT_EQ(control<QToolButton>("SpeedButton6")->toolTip(), "Heavy Soft Focus Filter");
  EXPECT_EQ(control<QToolButton>("SpeedButton9")->toolTip(), "Lighten Image");
}

TEST_F(PaletteTest, OutlineToolsResetThePolygonStateOthersDoNot) {
  TPbook1& m = mainWindow();
  for (const ToolCase& t : kTools) {
    m.PolyCount = 7;
    m.PolyActive = true;
    click(t.button);
    const bool outline = t.code == 7 || t.code == 8 ||
                         (t.code >= 19 && t.code <= 25 && t.code != 20) || t.code == 109 ||
                         t.code == 229 || (t.code >= 101 && t.code <= 108);
    EXPECT_EQ(m.PolyCount, outline ? 1 : 7) << t.button;
    EXPECT_EQ(m.PolyActive, !outline) << t.button;
    EXPECT_TRUE(m.FirstRubber) << t.button;
  }
}

TEST_F(PaletteTest, MarkerAndSprayRaiseTheLineWidthButThePenWidthWaitsForTheRedraw) {
  TForm3& f = palette();
  for (const char* name : {"BitBtn32", "mixbut1", "plainbut1"}) {
    f.SpinEdit1->setValue(4);
    ASSERT_EQ(f.PenWidth, 4);
    click(name);
    EXPECT_EQ(f.LineWidth, 10) << name;
    EXPECT_EQ(f.PenWidth, 4) << name;
    EXPECT_EQ(f.SpinEdit1->value(), 4) << name;
    settle();
    EXPECT_EQ(f.SpinEdit1->value(), 10) << name;
    EXPECT_EQ(f.PenWidth, 10) << name;
    EXPECT_EQ(mainWindow().ptbox1->bitmap().canvas().pen.width, 10) << name;
  }
  // A broader width is kept.
  f.SpinEdit1->setValue(30);
  click("BitBtn32");
  EXPECT_EQ(f.LineWidth, 30);
}

TEST_F(PaletteTest, OnlyTheMixingSprayLeavesTheSprayMixingFlagSet) {
  click("mixbut1");
  EXPECT_TRUE(mainWindow().SprayMixing);
  click("plainbut1");
  EXPECT_FALSE(mainWindow().SprayMixing);
  click("mixbut1");
  click("BitBtn5");
  EXPECT_FALSE(mainWindow().SprayMixing);
}

TEST_F(PaletteTest, BezierClearsTheHandleFlags) {
  TPbook1& m = mainWindow();
  m.BezEditing = true;
  m.HandleDrag = {true, true, true, true};
  m.AnyHandleDrag = true;
  click("BitBtn16");
  EXPECT_FALSE(m.BezEditing);
  EXPECT_EQ(m.HandleDrag, (std::array<bool, 4>{}));
  EXPECT_FALSE(m.AnyHandleDrag);
}

TEST_F(PaletteTest, SpecialOutlinesHideTheStepsUnlessTheOptionNeedsThem) {
  Toptions1& o = *app::windows().options1;
  for (const char* name : {"BitBtn34", "BitBtn8"}) {
    o.RadioGroup1->setItemIndex(1);
    o.Panel5->show();
    click(name);
    EXPECT_TRUE(o.Panel5->isHidden()) << name;
    o.RadioGroup1->setItemIndex(2);
    o.Panel5->show();
    click(name);
    EXPECT_FALSE(o.Panel5->isHidden()) << name;
  }
}

TEST_F(PaletteTest, GradientToolsShowTheGradientWindow) {
  click("gradbut6");
  EXPECT_TRUE(app::windows().gradform1->isVisible());
}

TEST_F(PaletteTest, ChoosingAToolPreparesTheMainWindow) {
  TForm3& f = palette();
  TPbook1& m = mainWindow();
  m.PageControl1->setCurrentWidget(m.TabSheet2);
  f.MaskMode = true;
  m.SprayMixing = true;
  m.StrokeOn = true;
  m.FirstRubber = false;
  m.undoptb1->setEnabled(false);
  m.pastepanel1->show();
  m.clpmap1->move(30, 40);
  m.mask1->move(5, 6);
  gdi::Bitmap& picture = m.ptbox1->bitmap();
  picture.canvas().pen.mode = gdi::PenMode::Xor;
  picture.setPixel(3, 3, gdi::clRed);
  ASSERT_FALSE(m.isModified());

  click("BitBtn5");
  EXPECT_EQ(m.PageControl1->currentWidget(), m.TabSheet1);
  EXPECT_FALSE(f.MaskMode);
  EXPECT_FALSE(m.SprayMixing);
  EXPECT_FALSE(m.StrokeOn);
  EXPECT_TRUE(m.FirstRubber);
  EXPECT_TRUE(m.undoptb1->isEnabled());
  EXPECT_TRUE(m.pastepanel1->isHidden());
  EXPECT_EQ(m.clpmap1->pos(), QPoint(0, 0));
  EXPECT_EQ(m.mask1->pos(), QPoint(0, 0));
  EXPECT_EQ(picture.canvas().pen.mode, gdi::PenMode::Copy);
  EXPECT_TRUE(m.isModified());
  EXPECT_TRUE(m.toolPicked());
  // The undo copy is the picture as it was when the tool was chosen.
  EXPECT_TRUE(m.image2->bitmap() == picture);
  EXPECT_EQ(m.image2->bitmap().pixel(3, 3), gdi::clRed);
  EXPECT_TRUE(control<QToolButton>("BitBtn5")->isChecked());
}

TEST_F(PaletteTest, PixelMoversSizeTheMaskToFiveLineWidths) {
  TForm3& f = palette();
  TPbook1& m = mainWindow();
  f.SpinEdit1->setValue(3);
  click("pm4");
  EXPECT_EQ(m.mask1->bitmap().width(), 15);
  EXPECT_EQ(m.mask1->bitmap().height(), 15);
  // A new width follows while a pixel mover is chosen, from the spin or a preset.
  f.SpinEdit1->setValue(4);
  EXPECT_EQ(m.mask1->bitmap().width(), 20);
  click("SpeedButton33");
  EXPECT_EQ(m.mask1->bitmap().width(), 100);
  click("BitBtn5");
  click("SpeedButton32");
  EXPECT_EQ(m.mask1->bitmap().width(), 100);
}

TEST_F(PaletteTest, EraserRedrawsTheWidthPreviewAtOnce) {
  TForm3& f = palette();
  f.LineWidth = 9;
  click("BitBtn13");
  EXPECT_EQ(f.paintbox1->bitmap().pixel(12, 20), gdi::clBlack);
  EXPECT_EQ(f.SpinEdit1->value(), 9);
}

TEST_F(PaletteTest, ButtonsOpenTheirWindows) {
  app::Windows& w = app::windows();
  click("SpeedButton2");
  EXPECT_TRUE(w.TextMakerForm->isVisible());
  click("BitBtn35");
  EXPECT_TRUE(w.Textmemoform->isVisible());
  click("SpeedButton10");
  EXPECT_TRUE(w.station1->isVisible());
  click("BitBtn1");
  EXPECT_TRUE(w.AnimCap1->isVisible());
  EXPECT_EQ(palette().CurTool, 0);
}

TEST_F(PaletteTest, ZoomedEditingFromChk1AndBackWhenRollingDown) {
  TForm3& f = palette();
  TPbook1& m = mainWindow();
  const gdi::Bitmap full = testing_support::noiseBitmap(400, 400, 5);
  m.ptbox1->setBitmap(full);
  m.zmbuton->click();
  m.chk1->setChecked(true);
  f.resize_it();
  EXPECT_FALSE(m.chk1->isChecked());
  EXPECT_EQ(m.zoomStage(), app::ZoomStage::Viewing);
  EXPECT_TRUE(m.zm1->Bitmap() == full);
  EXPECT_EQ(m.picture().width(), m.PageControl1->width());
  EXPECT_EQ(m.picture().height(), m.PageControl1->height());
  EXPECT_EQ(m.picture().pixel(7, 9), full.pixel(7, 9));
  // Rolling the palette down while the zoom is on gives the full picture back.
  f.roll_uptools();
  f.roll_downtools();
  EXPECT_EQ(m.zoomStage(), app::ZoomStage::SourceKept);
  EXPECT_TRUE(m.picture() == full);
}
