// The palette's pattern panel: loading the pattern images, choosing one, and
// what a missing or damaged pattern file does.
#include <QFile>

#include "PaletteFixture.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/ShapeControl.h"
#include "support/PixelGrid.h"

using testing_support::PaletteTest;

namespace {

gdi::Bitmap tile(int side, std::uint32_t seed) {
  return testing_support::noiseBitmap(side, side, seed);
}

gdi::Bitmap swatchOf(const gdi::Bitmap& pattern) {
  gdi::Bitmap s(9, 9);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 9; ++x) s.setPixel(x, y, pattern.pixel(x + 8, y + 8));
  return s;
}

}  // namespace

TEST_F(PaletteTest, PatternsButtonLoadsThePatternFilesThatExist) {
  TForm3& f = palette();
  usePatternFolder();
  const gdi::Bitmap b2 = tile(24, 2), b7 = tile(32, 7);
  writePattern(2, b2);
  writePattern(7, b7);
  const gdi::Bitmap blank = f.Bp[0]->bitmap();
  click("ToolButton3");
  EXPECT_FALSE(f.Panel3->isHidden());
  EXPECT_TRUE(f.PatternFill);
  EXPECT_FALSE(f.PlainFill);
  EXPECT_TRUE(f.Bp[1]->bitmap() == b2);
  EXPECT_TRUE(f.Bp[6]->bitmap() == b7);
  EXPECT_TRUE(f.Bp[0]->bitmap() == blank);
  click("ToolButton3");
  EXPECT_TRUE(f.Panel3->isHidden());
  EXPECT_TRUE(f.PlainFill);
  EXPECT_FALSE(f.PatternFill);
}

TEST_F(PaletteTest, ClickingAPatternLoadsItAsTheCurrentPattern) {
  TForm3& f = palette();
  usePatternFolder();
  const gdi::Bitmap b3 = tile(32, 3);
  writePattern(3, b3);
  f.PatternFill = false;
  clickAt(f.Bp[2], {4, 4});
  EXPECT_TRUE(f.patbox1->bitmap() == b3);
  EXPECT_TRUE(f.Image2->bitmap() == swatchOf(b3));
  EXPECT_EQ(f.Shape1->pos(), f.Bp[2]->pos() - QPoint(2, 2));
  EXPECT_TRUE(f.PatternFill);
  EXPECT_FALSE(f.PlainFill);
  for (int n = 1; n <= 18; ++n) EXPECT_EQ(f.PatternSlot[n], n == 3) << n;
}

TEST_F(PaletteTest, AMissingPatternFileKeepsTheOldPatternButStillChoosesIt) {
  TForm3& f = palette();
  usePatternFolder();
  const gdi::Bitmap old = tile(24, 9);
  writePattern(1, old);
  clickAt(f.Bp[0], {4, 4});
  ASSERT_TRUE(f.patbox1->bitmap() == old);
  f.Image2->bitmap().fill(gdi::clRed);
  f.PatternFill = false;
  f.PlainFill = true;
  clickAt(f.Bp[4], {4, 4});  // no b5.bmp
  EXPECT_EQ(f.Shape1->pos(), f.Bp[4]->pos() - QPoint(2, 2));
  EXPECT_TRUE(f.patbox1->bitmap() == old);
  EXPECT_TRUE(f.Image2->bitmap() == swatchOf(old));
  EXPECT_TRUE(f.PatternFill);
  EXPECT_FALSE(f.PlainFill);
  EXPECT_TRUE(f.PatternSlot[5]);
  EXPECT_FALSE(f.PatternSlot[1]);
  EXPECT_TRUE(testUi().dialogs().questions().empty());
}

TEST_F(PaletteTest, ADamagedPatternFileIsReportedAndChangesNoImage) {
  TForm3& f = palette();
  usePatternFolder();
  const gdi::Bitmap old = tile(24, 4);
  writePattern(1, old);
  clickAt(f.Bp[0], {4, 4});
  QFile bad(testUi().tempPath("bin/b6.bmp"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("BM not a bitmap at all");
  bad.close();
  click("ToolButton3");  // the panel's images skip it quietly
  testUi().dialogs().answerMessage(ui::MsgResult::Ok);
  clickAt(f.Bp[5], {4, 4});
  const auto messages = testUi().dialogs().messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].caption, "Error");
  EXPECT_TRUE(messages[0].text.contains("b6.bmp"));
  EXPECT_TRUE(f.patbox1->bitmap() == old);
}

TEST_F(PaletteTest, PatternFilesAreFoundInAnyLetterCase) {
  TForm3& f = palette();
  usePatternFolder();
  const gdi::Bitmap b8 = tile(24, 8);
  QDir(testUi().tempPath()).mkpath("Bin");
  codecs::writeBmpFile(testUi().tempPath("Bin/B8.BMP").toStdString(), b8);
  clickAt(f.Bp[7], {4, 4});
  EXPECT_TRUE(f.patbox1->bitmap() == b8);
}
