// The automatic movie's input window and the preview window.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include "animation/windows/TScreentest1.h"
#include "animation/windows/Twizwiz1.h"
#include "platform/codecs/Bmp.h"
#include "platform/ui/ImageControl.h"
#include "support/windows/StudioFixture.h"

using testing_support::Studio;
using testing_support::StudioOptions;

namespace {

gdi::Bitmap stripes(int w, int h) {
  gdi::Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.setPixel(x, y, (x / 3 + y) % 2 ? 0x00FF00 : 0x102030);
  return b;
}

class WizardSupport : public ::testing::Test {
 protected:
  WizardSupport() : studio_(StudioOptions{.programFolder = program_.path()}) {}
  Twizwiz1& window() { return *app::windows().wizwiz1; }
  QString writeKey(const QString& name, int w, int h) {
    const QString file = program_.filePath(name);
    codecs::writeBmpFile(file.toStdString(), stripes(w, h));
    return file;
  }

  QTemporaryDir program_;
  Studio studio_;
};

}  // namespace

TEST_F(WizardSupport, AGifKeyPictureIsRefusedWithTheGifNotice) {
  QFile gif(program_.filePath("key.GiF"));
  ASSERT_TRUE(gif.open(QIODevice::WriteOnly));
  gif.write("GIF89a");
  gif.close();
  studio_.dialogs().answerMessage("Gif utilities available at our website", ui::MsgResult::Ok);
  EXPECT_FALSE(window().loadKeyFile(0, gif.fileName()));
  EXPECT_FALSE(window().Check1->isChecked());
  EXPECT_TRUE(window().im1->bitmap().empty());
}

TEST_F(WizardSupport, FourKeysEnableGoWhichMakesTheExampleFolders) {
  window().frameSize = {80, 60};
  int loaded = 0;
  QObject::connect(&window(), &Twizwiz1::imageLoaded, [&] { ++loaded; });
  for (int i = 0; i < 4; ++i) {
    EXPECT_FALSE(window().gobut1->isEnabled());
    ASSERT_TRUE(window().loadKeyFile(i, writeKey(QStringLiteral("k%1.bmp").arg(i), 200, 40 + i)));
  }
  EXPECT_EQ(loaded, 4);
  EXPECT_TRUE(window().Check4->isChecked());
  EXPECT_TRUE(window().gobut1->isEnabled());
  EXPECT_EQ(window().im2->bitmap().width(), 80);
  EXPECT_EQ(window().im2->bitmap().height(), 60);

  window().gobut1->click();
  const QString one = program_.filePath("Automatic Animation Example Folder/Series One");
  EXPECT_TRUE(QFileInfo(one).isDir());
  EXPECT_TRUE(
      QFileInfo(program_.filePath("Automatic Animation Example Folder/Series Two")).isDir());
  EXPECT_EQ(window().fname1->text(), one);
  EXPECT_EQ(window().targetFolder, one);
  EXPECT_TRUE(window().go);
  window().gobut1->click();  // the folders already there: no error
  EXPECT_TRUE(studio_.dialogs().messages().empty());
}

TEST_F(WizardSupport, KeyPicturesLargerThanTheFrameDropPixelsSmallerOnesAreAnded) {
  // 4 x 1 -> 2 x 1: ColorOnColor keeps one pixel of each pair.
  gdi::Bitmap wide(4, 1);
  const gdi::TColor row[] = {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF};
  for (int x = 0; x < 4; ++x) wide.setPixel(x, 0, row[x]);
  const gdi::Bitmap shrunk = Twizwiz1::keyFrame(wide, {2, 1});
  for (int x = 0; x < 2; ++x) {
    const gdi::TColor c = shrunk.pixel(x, 0);
    EXPECT_TRUE(c == row[2 * x] || c == row[2 * x + 1]) << x;
  }
  // Taller than the frame but narrower: still larger either way, so ColorOnColor.
  gdi::Bitmap tall(1, 2);
  tall.setPixel(0, 0, 0x0000FF);
  tall.setPixel(0, 1, 0x00FF00);
  const gdi::TColor c = Twizwiz1::keyFrame(tall, {2, 1}).pixel(0, 0);
  EXPECT_TRUE(c == 0x0000FF || c == 0x00FF00);
}

TEST(PreviewWindow, AClickFitsTheWindowToTheFrameADoubleClickFillsTheScreen) {
  Studio studio;
  TScreentest1& preview = *app::windows().Screentest1;
  preview.show();
  preview.Image2->setBitmap(stripes(123, 77));
  preview.Image2DblClick();
  EXPECT_TRUE(preview.isMaximized());
  preview.Image2Click();
  EXPECT_FALSE(preview.isMaximized());
  EXPECT_EQ(preview.size(), QSize(123, 77));
}
