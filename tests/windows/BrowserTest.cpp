// The image browser as a file browser: its lists, reading files into the
// preview, the JPEG choices and progress, copy, drops and the last folder.
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "app/TPbook1.h"

#include "DocumentWindows.h"
#include "document/windows/Tmessform.h"
#include "platform/codecs/PictureError.h"
#include "platform/ui/DirectoryListBox.h"
#include "platform/ui/FileListBox.h"
#include "platform/ui/ImageControl.h"

using namespace document_windows_test;

namespace {

class Browser : public DocumentWindows {
 protected:
  // Points the browser's lists at a folder.
  void browse(const QString& dir) {
    ASSERT_TRUE(browser().DirectoryListBox1->setDirectory(dir));
    browser().FileListBox1->refresh();
  }
  void select(const QString& name) {
    const QStringList names = browser().FileListBox1->names();
    const int row = int(names.indexOf(name));
    ASSERT_GE(row, 0) << name.toStdString();
    browser().FileListBox1->setCurrentRow(row);
  }
  const gdi::Bitmap& preview() { return browser().Image1->bitmap(); }
};

}  // namespace

TEST_F(Browser, TheFileListShowsPicturesOfEveryLetterCase) {
  const QString dir = folder("pics");
  for (const char* name : {"a.JPG", "b.bmp", "c.Ico", "d.WmF", "e.emf", "f.gif", "g.txt", "h.jpeg"})
    writeText(dir + "/" + name, "x");
  browse(dir);
  EXPECT_EQ(browser().FileListBox1->names(),
            (QStringList{"a.JPG", "b.bmp", "c.Ico", "d.WmF", "e.emf"}));
}

TEST_F(Browser, IconsAndMetafilesBecomeBitmapsNamedWithBmp) {
  const QString icon = path("logo.ico"), wmf = path("chart.wmf"), emf = path("chart2.emf");
  copyTestFile("logo.ico", icon);
  copyTestFile("chart.wmf", wmf);
  copyTestFile("chart.emf", emf);

  ASSERT_TRUE(browser().openthefile(icon));
  EXPECT_EQ(browser().shownName, path("logo.bmp"));
  EXPECT_EQ(browser().windowTitle(), path("logo.bmp"));
  EXPECT_EQ(preview().width(), 8);
  EXPECT_EQ(preview().height(), 6);
  EXPECT_EQ(preview().pixelFormat(), gdi::PixelFormat::Device);

  ASSERT_TRUE(browser().openthefile(wmf));
  EXPECT_EQ(browser().shownName, path("chart.bmp"));
  EXPECT_FALSE(preview().empty());
  ASSERT_TRUE(browser().openthefile(emf));
  EXPECT_EQ(browser().shownName, path("chart2.bmp"));

  // Bitmaps and JPEG files keep their own name.
  writeJpeg(path("sea.jpg"), 40, 30);
  ASSERT_TRUE(browser().openthefile(path("sea.jpg")));
  EXPECT_EQ(browser().shownName, path("sea.jpg"));
}

TEST_F(Browser, AnUnreadableFileLeavesThePreviewEmptyAndLoadSaysSo) {
  writeJpeg(path("good.jpg"), 20, 20);
  ASSERT_TRUE(browser().openthefile(path("good.jpg")));
  writeText(path("bad.jpg"), "this is no picture");
  EXPECT_FALSE(browser().openthefile(path("bad.jpg")));
  EXPECT_TRUE(preview().empty());

  QString first, second, caption;
  dialogs().answerForm("Tmessform", [&](QDialog& d) {
    auto& m = static_cast<Tmessform&>(d);
    first = m.Label1->text();
    second = m.Label2->text();
    caption = m.windowTitle();
    m.BitBtn1->click();
    return m.result();
  });
  const QString before = main().windowTitle();
  browser().loadpic();
  EXPECT_EQ(caption, "Message");
  EXPECT_EQ(first, "Unable to complete Request");
  EXPECT_EQ(second, "The file is not a picture this program reads");
  EXPECT_EQ(main().windowTitle(), before);

  // With nothing read at all, the old words stay.
  browser().Image1->setBitmap({});
  browser().openthefile(QString());
  dialogs().answerForm("Tmessform", [&](QDialog& d) {
    auto& m = static_cast<Tmessform&>(d);
    second = m.Label2->text();
    m.BitBtn1->click();
    return m.result();
  });
  browser().loadpic();
  EXPECT_EQ(second, "Not Enough Resources");
}

TEST_F(Browser, AFileThatCannotBeReadIsAnErrorForTheCaller) {
  try {
    browser().openthefile(path("missing.bmp"));
    ADD_FAILURE() << "no error";
  } catch (const codecs::PictureError& e) {
    EXPECT_EQ(e.kind(), codecs::ErrorKind::Io);
  }
  EXPECT_EQ(browser().windowTitle(), browser().shownName);
}

TEST_F(Browser, AnEmptyNameReadsTheSelectedFileAndScreenshot1TheCaptureFile) {
  const QString dir = folder("pics");
  writeJpeg(dir + "/one.jpg", 30, 20);
  browse(dir);
  select("one.jpg");
  ASSERT_TRUE(browser().openthefile());
  EXPECT_EQ(preview().width(), 30);
  EXPECT_EQ(QFileInfo(browser().shownName).fileName(), "one.jpg");

  const QString old = QDir::currentPath();
  QDir::setCurrent(dir);
  writeJpeg(dir + "/SCREENSHOT.JPG", 12, 10);
  const bool read = browser().openthefile("screenshot1");
  QDir::setCurrent(old);
  EXPECT_TRUE(read);
  EXPECT_EQ(preview().width(), 12);
}

TEST_F(Browser, AProgressiveJpegShowsItsPercentageWhileDecoding) {
  writeJpeg(path("prog.jpg"), 300, 200, /*progressive=*/true);
  QStringList captions;
  QObject::connect(&browser(), &QWidget::windowTitleChanged,
                   [&](const QString& t) { captions << t; });
  browser().ProgressiveDisplay->setChecked(true);
  ASSERT_TRUE(browser().openthefile(path("prog.jpg")));
  ASSERT_GE(captions.size(), 3);
  EXPECT_EQ(captions.first(), "0%");
  EXPECT_TRUE(captions.contains("100%"));
  EXPECT_EQ(captions.last(), path("prog.jpg"));
  int last = -1;
  for (const QString& c : captions)
    if (c.endsWith('%')) {
      const int percent = c.chopped(1).toInt();
      EXPECT_GE(percent, last);
      last = percent;
    }
  // A progressive JPEG preview offers progressive display.
  EXPECT_TRUE(browser().ProgressiveDisplay->isEnabled());
  EXPECT_TRUE(browser().Scale->isEnabled());
}

TEST_F(Browser, TheJpegChoicesApplyToJpegPreviewsOnly) {
  writeBmp(path("plain.bmp"), quadrants(40, 40));
  writeJpeg(path("photo.jpg"), 80, 60);
  ASSERT_TRUE(browser().openthefile(path("plain.bmp")));
  EXPECT_FALSE(browser().Scale->isEnabled());
  EXPECT_FALSE(browser().ProgressiveDisplay->isEnabled());

  ASSERT_TRUE(browser().openthefile(path("photo.jpg")));
  EXPECT_TRUE(browser().Scale->isEnabled());
  EXPECT_FALSE(browser().ProgressiveDisplay->isEnabled());  // not progressive

  // Choosing half size reads the preview again at that scale.
  browser().Scale->setCurrentIndex(1);
  emit browser().Scale->activated(1);
  EXPECT_EQ(preview().width(), 40);
  EXPECT_EQ(preview().height(), 30);
  browser().ColorSpace->setCurrentIndex(1);
  emit browser().ColorSpace->activated(1);
  const gdi::TColor c = preview().pixel(30, 5);
  EXPECT_EQ(gdi::GetRValue(c), gdi::GetGValue(c));
  EXPECT_EQ(gdi::GetGValue(c), gdi::GetBValue(c));
}

TEST_F(Browser, CopyPutsThePreviewOnTheClipboardOrSaysItCannot) {
  writeBmp(path("plain.bmp"), quadrants(16, 8));
  ASSERT_TRUE(browser().openthefile(path("plain.bmp")));
  browser().show();
  browser().SpeedButton1->click();
  EXPECT_TRUE(clipboard().bitmap() == quadrants(16, 8));
  EXPECT_FALSE(browser().isVisible());

  clipboard().setAvailable(false);
  dialogs().answerMessage("Clipboard Not Available", ui::MsgResult::Ok);
  browser().SpeedButton1Click();
  EXPECT_EQ(dialogs().messages().back().caption, "Error");
}

TEST_F(Browser, AnImageDroppedOnThePreviewIsCopiedIntoIt) {
  ui::ImageControl source;
  source.setBitmap(quadrants(10, 10));
  ASSERT_TRUE(browser().Image1->dropFrom(&source, QPoint(1, 1)));
  EXPECT_TRUE(preview() == quadrants(10, 10));
  EXPECT_EQ(browser().shownName, "TEMP.BMP");
}

TEST_F(Browser, TheNextRunOpensInTheFolderOfTheFileLastLoaded) {
  const QString dir = folder("album");
  writeJpeg(dir + "/beach.jpg", 32, 24);
  browse(dir);
  select("beach.jpg");
  browser().FileListBox1DblClick();
  browser().LoadbutClick();

  restartWindows();
  EXPECT_EQ(QDir(browser().DirectoryListBox1->directory()), QDir(dir));
  browser().FormShow();
  EXPECT_EQ(browser().FileListBox1->names(), QStringList{"beach.jpg"});

  // A remembered file that is gone leaves the browser where it starts.
  QFile::remove(dir + "/beach.jpg");
  restartWindows();
  EXPECT_NE(QDir(browser().DirectoryListBox1->directory()), QDir(dir));
}
