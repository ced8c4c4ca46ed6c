// Contact sheets in the browser: how many sheets, the questions after each,
// saving them, and stopping a sheet part way.
#include <QComboBox>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

#include "DocumentWindows.h"
#include "document/engine/PictureFiles.h"
#include "document/windows/Tjpop1.h"
#include "platform/codecs/FileBytes.h"
#include "platform/ui/DirectoryListBox.h"
#include "platform/ui/FileListBox.h"
#include "platform/ui/ImageControl.h"
#include "support/JpegReadBack.h"

using namespace document_windows_test;

namespace {

class Thumbnails : public DocumentWindows {
 protected:
  // A folder of n small JPEG files, shown in the browser.
  QString folderOf(int n) {
    const QString dir = folder("album");
    for (int i = 0; i < n; ++i) writeJpeg(dir + QString::asprintf("/p%02d.jpg", i), 40, 30);
    EXPECT_TRUE(browser().DirectoryListBox1->setDirectory(dir));
    return dir;
  }
  const gdi::Bitmap& preview() { return browser().Image1->bitmap(); }
  // Whether the n-th cell of the sheet in the preview holds a thumbnail.
  bool cellDrawn(int n) {
    const int x = 10 + (n % 4) * 120 + 50, y = 10 + (n / 4) * 150 + 50;
    return preview().pixel(x, y) != gdi::clWhite;
  }
};

}  // namespace

TEST_F(Thumbnails, FiveFilesMakeOneSheetSavedAsJpegAtTheChosenQuality) {
  folderOf(5);
  const QString out = path("sheet.jpg");
  dialogs().answerMessage("Save Thumbnails?", ui::MsgResult::Yes);
  dialogs().answerSave(out);
  dialogs().answerForm("Tjpop1", [](QDialog& d) {
    static_cast<Tjpop1&>(d).TrackBar1->setValue(30);
    return int(QDialog::Accepted);
  });
  browser().SpeedButton2->click();

  EXPECT_EQ(dialogs().messages().size(), 1u);
  EXPECT_EQ(dialogs().questions()[1].file.filter, "*.jpg");
  EXPECT_EQ(preview().width(), 500);
  EXPECT_EQ(preview().height(), 300);
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(cellDrawn(i)) << i;
  EXPECT_FALSE(cellDrawn(5));
  const document::LoadedPicture saved = document::readPictureFile(document::toPath(out));
  ASSERT_TRUE(saved.isJpeg());
  EXPECT_TRUE(testing_support::fileDecodesCleanly(document::toPath(out)));
  EXPECT_TRUE(saved.jpeg->progressive);
  EXPECT_EQ(saved.bitmap.width(), 500);
  EXPECT_TRUE(browser().ListBox1.isEmpty());
  EXPECT_FALSE(browser().SpeedButton3->isEnabled());
  EXPECT_EQ(browser().Scale->currentIndex(), 0);
}

TEST_F(Thumbnails, FortyFourFilesMakeTwoSheetsOfTenRows) {
  folderOf(44);
  const QString out = path("second.bmp");
  dialogs().answerMessage("Save Thumbnails?", ui::MsgResult::No);
  dialogs().answerMessage("Save Thumbnails?", ui::MsgResult::Yes);
  dialogs().answerSave(out);
  browser().makethumbs();

  EXPECT_EQ(preview().height(), 1500);
  // The second sheet holds the last four files in its first row only.
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(cellDrawn(i)) << i;
  EXPECT_FALSE(cellDrawn(4));
  const std::vector<std::uint8_t> bytes = codecs::readFileBytes(document::toPath(out));
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
}

TEST_F(Thumbnails, CancelOrAnUnchosenFileEndsTheRun) {
  folderOf(44);
  dialogs().answerMessage("Save Thumbnails?", ui::MsgResult::Cancel);
  browser().makethumbs();
  EXPECT_EQ(dialogs().messages().size(), 1u);

  dialogs().answerMessage("Save Thumbnails?", ui::MsgResult::Yes);
  dialogs().cancelSave();
  browser().makethumbs();
  EXPECT_EQ(dialogs().messages().size(), 2u);

  // An existing file is not replaced without a Yes.
  writeText(path("old.bmp"), "keep me");
  dialogs().answerMessage("Save Thumbnails?", ui::MsgResult::Yes);
  dialogs().answerSave(path("old.bmp"));
  dialogs().answerMessage("OK to overwrite " + path("old.bmp"), ui::MsgResult::No);
  browser().makethumbs();
  EXPECT_EQ(codecs::readFileBytes(document::toPath(path("old.bmp"))).size(), 7u);
}

TEST_F(Thumbnails, StopEndsTheSheetAfterTheCurrentFileAndOffersWhatThereIs) {
  folderOf(6);
  // The stop button is pressed while the first file is being drawn.
  QTimer::singleShot(0, browser().SpeedButton3, [this] { browser().SpeedButton3->click(); });
  dialogs().answerMessage("Save Thumbnails?", ui::MsgResult::No);
  browser().makethumbs();
  EXPECT_EQ(dialogs().messages().size(), 1u);
  EXPECT_EQ(preview().height(), 300);
  EXPECT_TRUE(cellDrawn(0));
  EXPECT_FALSE(cellDrawn(1));
  EXPECT_FALSE(browser().SpeedButton3->isEnabled());
}

TEST_F(Thumbnails, AFailedSaveOfASheetIsReportedWithTheFileName) {
  folderOf(2);
  const QString out = path("no-such-folder/sheet.bmp");
  dialogs().answerMessage("Save Thumbnails?", ui::MsgResult::Yes);
  dialogs().answerSave(out);
  dialogs().answerMessage(ui::MsgResult::Ok);
  browser().makethumbs();
  ASSERT_EQ(dialogs().messages().size(), 2u);
  EXPECT_EQ(dialogs().messages()[1].caption, "Error");
  EXPECT_TRUE(dialogs().messages()[1].text.contains("sheet.bmp"));
}
