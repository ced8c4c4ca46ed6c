// The palette's overlays, rolling up and down, and the help memo.
#include <QPlainTextEdit>
#include <QStatusBar>

#include "PaletteFixture.h"

using testing_support::PaletteTest;

TEST_F(PaletteTest, OverlaysOpenWithTheirButtonsAndCloseWithBack) {
  TForm3& f = palette();
  struct Case { const char* open; QWidget* panel; const char* back; };
  const Case cases[] = {{"ToolButton1", f.Panel7, "BitBtn22"},
                        {"ToolButton2", f.pmoverpanel1, "BitBtn44"},
                        {"ToolButton3", f.Panel3, "backpatbut1"},
                        {"BitBtn17", f.Panel8, "Bitbtn27"}};
  for (const Case& c : cases) {
    ASSERT_TRUE(c.panel->isHidden()) << c.open;
    click(c.open);
    EXPECT_FALSE(c.panel->isHidden()) << c.open;
    const bool plain = f.PlainFill, pattern = f.PatternFill;
    click(c.back);
    EXPECT_TRUE(c.panel->isHidden()) << c.back;
    // Back only hides its panel.
    EXPECT_EQ(f.PlainFill, plain) << c.back;
    EXPECT_EQ(f.PatternFill, pattern) << c.back;
  }
  click("ToolButton1");
  click("ToolButton1");
  EXPECT_TRUE(f.Panel7->isHidden());
}

TEST_F(PaletteTest, RollingUpLeavesTheStatusBarAndThirtyFivePixels) {
  TForm3& f = palette();
  ASSERT_TRUE(f.isVisible());
  // The design height, or a little more when the hints need a second line.
  ASSERT_GE(f.fullHeight(), TForm3::kDesignHeight);
  ASSERT_EQ(f.height(), f.fullHeight());
  click("ToolButton4");
  EXPECT_EQ(f.height(), f.StatusBar1->height() + 35);
  EXPECT_EQ(f.StatusBar1->y(), 35);
  click("ToolButton5");
  EXPECT_EQ(f.height(), f.fullHeight());
}

TEST_F(PaletteTest, OpeningThePatternsOnARolledUpPaletteRollsItDownFirst) {
  TForm3& f = palette();
  f.roll_uptools();
  click("ToolButton3");
  EXPECT_EQ(f.height(), f.fullHeight());
  EXPECT_FALSE(f.Panel3->isHidden());
}

TEST_F(PaletteTest, HelpMemoShowsPatternHelpAndTemplateHelp) {
  TForm3& f = palette();
  const QStringList patternHelp = {
      "The solid white", "block is normal.", " ", "Line patterns are", "transparent.", " ",
      "Bitmap patterns", "are in the Bin", "subdirectory.", "To create one:",
      "\"Paste to file\" a", "small true color", "bitmap,", "overwriting an", "existing one."};
  const QStringList templateHelp = {"Paste a template", "such as clipart", "or lines of TEXT",
                                    "onto the page.", " ", "Then select OK", "to capture the",
                                    "area within the", "template"};
  EXPECT_EQ(f.Memo1->toPlainText().split('\n'), patternHelp);
  EXPECT_GE(f.Panel9->x(), 144);
  EXPECT_TRUE(f.Panel9->isHidden());

  click("BitBtn37");
  EXPECT_EQ(f.Memo1->toPlainText().split('\n'), templateHelp);
  EXPECT_EQ(f.Panel9->x(), 0);
  EXPECT_FALSE(f.Panel9->isHidden());

  // Closing the help ends a template capture and puts the pattern help back.
  mainWindow().TemplateCapture = true;
  click("BitBtn24");
  EXPECT_EQ(f.Memo1->toPlainText().split('\n'), patternHelp);
  EXPECT_EQ(f.Panel9->x(), 144);
  EXPECT_TRUE(f.Panel9->isHidden());

  click("SpeedButton3");
  EXPECT_EQ(f.Panel9->x(), 0);
  EXPECT_FALSE(f.Panel9->isHidden());
}
