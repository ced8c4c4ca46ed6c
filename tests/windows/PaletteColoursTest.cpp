// The palette's colours and line width: colour box, colour dialog, grid,
// width preview and spin, pick strip and gradient preview.
#include <set>

#include "PaletteFixture.h"
#include "platform/ui/ColorGrid.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/ShapeControl.h"
#include "platform/ui/SpinEdit.h"
#include "support/PixelGrid.h"
#include "tools/windows/Tgradform1.h"

using testing_support::countColor;
using testing_support::PaletteTest;

TEST_F(PaletteTest, HatchStylesShowOverSilverInTheColourBoxSolidDoesNot) {
  TForm3& f = palette();
  const gdi::Bitmap& box = f.Image1->bitmap();
  f.openPanel(f.Panel3);
  click("SpeedButton23");  // horizontal
  EXPECT_EQ(f.BrushStyle, gdi::BrushStyle::Horizontal);
  EXPECT_GT(countColor(box, gdi::clSilver), 0);
  EXPECT_TRUE(f.PlainFill);
  EXPECT_FALSE(f.PatternFill);
  EXPECT_TRUE(f.Panel3->isHidden());
  click("SpeedButton30");  // solid
  EXPECT_EQ(f.BrushStyle, gdi::BrushStyle::Solid);
  EXPECT_EQ(countColor(box, gdi::clSilver), 0);
  EXPECT_EQ(box.pixel(2, 2), gdi::clWhite);
  EXPECT_EQ(box.pixel(20, 15), gdi::clBlack);
  click("SpeedButton17");  // empty: silver only
  EXPECT_EQ(f.BrushStyle, gdi::BrushStyle::Clear);
  EXPECT_EQ(box.pixel(2, 2), gdi::clSilver);
  click("BitBtn33");
  EXPECT_EQ(f.BrushStyle, gdi::BrushStyle::Solid);
}

TEST_F(PaletteTest, EachFillStyleButtonSetsItsStyle) {
  const std::pair<const char*, gdi::BrushStyle> styles[] = {
      {"SpeedButton27", gdi::BrushStyle::FDiagonal}, {"SpeedButton20", gdi::BrushStyle::BDiagonal},
      {"SpeedButton18", gdi::BrushStyle::Cross},     {"SpeedButton21", gdi::BrushStyle::DiagCross},
      {"SpeedButton25", gdi::BrushStyle::Vertical},
  };
  for (const auto& [name, style] : styles) {
    palette().PatternFill = true;
    click(name);
    EXPECT_EQ(palette().BrushStyle, style) << name;
    EXPECT_FALSE(palette().PatternFill) << name;
  }
}

TEST_F(PaletteTest, TheWidthSpinIsClampedAtNinety) {
  TForm3& f = palette();
  f.SpinEdit1->setText("120");
  EXPECT_EQ(f.LineWidth, 90);
  EXPECT_EQ(f.PenWidth, 90);
  EXPECT_EQ(f.SpinEdit1->value(), 90);
  EXPECT_EQ(mainWindow().ptbox1->bitmap().canvas().pen.width, 90);
  f.SpinEdit1->setText("7");
  EXPECT_EQ(f.LineWidth, 7);
  EXPECT_EQ(f.PenWidth, 7);
  // Typing 0 does not reach the tools; the edit corrects itself later.
  f.SpinEdit1->setText("0");
  EXPECT_EQ(f.LineWidth, 1);
}

TEST_F(PaletteTest, WidthPresetsSetTheSpinAndPreview) {
  TForm3& f = palette();
  const std::pair<const char*, int> presets[] = {
      {"SpeedButton32", 5}, {"SpeedButton33", 20}, {"SpeedButton34", 30}, {"SpeedButton1", 1}};
  for (const auto& [name, width] : presets) {
    click(name);
    EXPECT_EQ(f.LineWidth, width) << name;
    EXPECT_EQ(f.PenWidth, width) << name;
    EXPECT_EQ(f.SpinEdit1->value(), width) << name;
  }
  click("SpeedButton33");
  EXPECT_EQ(f.paintbox1->bitmap().pixel(8, 20), gdi::clBlack);
  click("SpeedButton1");
  EXPECT_EQ(f.paintbox1->bitmap().pixel(8, 20), gdi::clWhite);
}

TEST_F(PaletteTest, ColourBoxOpensTheColourDialogForeInTheSquareBackElsewhere) {
  TForm3& f = palette();
  testUi().dialogs().answerColor(gdi::clRed);
  clickAt(f.Image1, {20, 15});
  EXPECT_EQ(f.ForeColor, gdi::clRed);
  EXPECT_EQ(f.SavedFore, gdi::clRed);
  EXPECT_EQ(f.Image1->bitmap().pixel(20, 15), gdi::clRed);
  testUi().dialogs().answerColor(gdi::clBlue);
  clickAt(f.Image1, {5, 35});
  EXPECT_EQ(f.BackColor, gdi::clBlue);
  EXPECT_EQ(f.SavedBack, gdi::clBlue);
  EXPECT_EQ(f.ForeColor, gdi::clRed);
  const auto& asked = testUi().dialogs().questions();
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[0].initialColor, gdi::clBlack);
  EXPECT_EQ(asked[1].initialColor, gdi::clWhite);
  // The right button opens nothing.
  clickAt(f.Image1, {20, 15}, Qt::RightButton);
  EXPECT_EQ(testUi().dialogs().questions().size(), 2u);
}

TEST_F(PaletteTest, CancellingTheColourDialogChangesNothing) {
  TForm3& f = palette();
  testUi().dialogs().answerColor(std::nullopt);
  testUi().dialogs().answerColor(std::nullopt);
  clickAt(f.Image1, {20, 15});
  clickAt(f.Image1, {3, 3});
  EXPECT_EQ(f.ForeColor, gdi::clBlack);
  EXPECT_EQ(f.BackColor, gdi::clWhite);
  EXPECT_EQ(f.SavedFore, gdi::clBlack);
  EXPECT_EQ(f.SavedBack, gdi::clWhite);
}

TEST_F(PaletteTest, ColourGridLeftForegroundRightBackground) {
  TForm3& f = palette();
  ui::ColorGrid* grid = f.ColorGrid1;
  const int red = 9, blue = 12;
  clickAt(grid, grid->cellRect(red).center());
  clickAt(grid, grid->cellRect(blue).center(), Qt::RightButton);
  EXPECT_EQ(f.ForeColor, gdi::clRed);
  EXPECT_EQ(f.BackColor, gdi::clBlue);
  EXPECT_EQ(f.SavedFore, gdi::clRed);
  EXPECT_EQ(f.SavedBack, gdi::clBlue);
  EXPECT_EQ(f.Image1->bitmap().pixel(2, 2), gdi::clBlue);
}

TEST_F(PaletteTest, WidthPreviewClicksPickItsPixels) {
  TForm3& f = palette();
  f.ForeColor = gdi::clRed;
  f.BackColor = gdi::clBlue;
  f.drawlinwid();
  clickAt(f.paintbox1, {16, 20});
  EXPECT_EQ(f.ForeColor, gdi::clBlack);
  clickAt(f.paintbox1, {6, 6}, Qt::RightButton);
  EXPECT_EQ(f.BackColor, gdi::clWhite);
  EXPECT_EQ(f.SavedBack, gdi::clWhite);
}

TEST_F(PaletteTest, PickStripHoverAndClickChooseColours) {
  TForm3& f = palette();
  const gdi::Bitmap& strip = f.Image3->bitmap();
  moveTo(f.Image3, {10, 12});
  EXPECT_EQ(f.HoverColor, strip.pixel(10, 12));
  clickAt(f.Image3, {100, 8});
  EXPECT_EQ(f.ForeColor, strip.pixel(100, 8));
  EXPECT_EQ(f.SavedFore, f.ForeColor);
  clickAt(f.Image3, {0, 36}, Qt::RightButton);
  EXPECT_EQ(f.BackColor, gdi::clBlack);
  EXPECT_EQ(f.SavedBack, gdi::clBlack);
  // Off the strip the hover colour is the button face.
  moveTo(f.Panel4, {1, 1});
  EXPECT_EQ(f.HoverColor, gdi::clBtnFace);
  EXPECT_EQ(f.Panel6->palette().color(QPalette::Window), ui::toQColor(gdi::clBtnFace));
}

TEST_F(PaletteTest, GradientPreviewShowsTheListAcrossThePanel) {
  TForm3& f = palette();
  f.ListBox1 = {QString::number(gdi::clRed), QString::number(gdi::clBlue)};
  f.showgrad();
  const gdi::Bitmap& shown = f.Image4->bitmap();
  EXPECT_EQ(shown.width(), f.Panel6->width());
  EXPECT_EQ(shown.height(), f.Panel6->height());
  EXPECT_EQ(shown.pixel(0, 0), gdi::clRed);
  EXPECT_EQ(shown.pixel(shown.width() - 1, shown.height() - 1), gdi::clBlue);
  // One colour is no gradient: the preview stays as it was.
  f.ListBox1 = {QString::number(gdi::clLime)};
  f.showgrad();
  EXPECT_EQ(shown.pixel(0, 0), gdi::clRed);
}

TEST_F(PaletteTest, ClickingTheGradientPreviewOpensTheGradientTools) {
  TForm3& f = palette();
  clickAt(f.Image4, {5, 5});
  EXPECT_FALSE(f.Panel7->isHidden());
  EXPECT_TRUE(app::windows().gradform1->isVisible());
}
