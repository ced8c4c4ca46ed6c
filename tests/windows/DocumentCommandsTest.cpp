// The main window's document commands: new, open, save as, quick save, and
// pictures between files and the clipboard.
#include <sys/resource.h>
#include <unistd.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>

#include <csignal>

#include "DocumentWindows.h"
#include "IndependentReader.h"
#include "PictureForms.h"
#include "app/Tclpform1.h"
#include "document/engine/PictureFiles.h"
#include "document/windows/TBtnRightDlg.h"
#include "document/windows/Tjpop1.h"
#include "platform/codecs/Bmp.h"
#include "platform/codecs/FileBytes.h"
#include "platform/codecs/Jpeg.h"
#include "platform/ui/DirectoryListBox.h"
#include "platform/ui/FileListBox.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/Services.h"
#include "platform/ui/SpinEdit.h"
#include "support/ExifJpeg.h"
#include "support/ExternalTool.h"
#include "support/FileSizeLimit.h"
#include "support/JpegReadBack.h"
#include "support/PixelGrid.h"
#include "support/ReadOnlyMount.h"

using namespace document_windows_test;

using testing_support::FileSizeLimit;

namespace {

class DocumentCommands : public DocumentWindows {
 protected:
  gdi::Bitmap& picture() { return main().picture(); }
  QByteArray fileHead(const QString& file, int n = 2) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.read(n) : QByteArray();
  }
  void answerNewSize(const QString& w, const QString& h, bool ok = true) {
    testing_support::answerNewImage(dialogs(), w, h, ok);
  }
};

}  // namespace

// ----- new -------------------------------------------------------------------------

TEST_F(DocumentCommands, NewImageLimitsTheSidesTo4000By10) {
  main().setWindowTitle("/pics/old.jpg");
  answerNewSize("5000", "3");
  main().ToolButton14->click();
  EXPECT_EQ(picture().width(), 4000);
  EXPECT_EQ(picture().height(), 10);
  EXPECT_EQ(picture().pixel(3999, 9), gdi::clWhite);
  EXPECT_EQ(main().windowTitle(), "TEMP.BMP");
  EXPECT_EQ(main().statusText(), "Width:4000 Height:10");
  EXPECT_EQ(main().PageControl1->currentWidget(), main().TabSheet1);
  EXPECT_TRUE(main().undoptb1->isEnabled());
  EXPECT_TRUE(main().redoptb1->isEnabled());
  EXPECT_EQ(main().image2->bitmap().width(), 4000);
  EXPECT_FALSE(main().zm1->isHidden());
  EXPECT_FALSE(main().chk1->isChecked());
}

TEST_F(DocumentCommands, NewImageAsksAboutUnsavedChangesAndCancelKeepsEverything) {
  main().markModified();
  dialogs().answerMessage("Save changes to TEMP.BMP?", ui::MsgResult::Cancel);
  main().New1->trigger();
  EXPECT_EQ(picture().width(), 400);

  // No: the size dialog; its Cancel leaves the picture and the zoom view.
  dialogs().answerMessage("Save changes to TEMP.BMP?", ui::MsgResult::No);
  answerNewSize("100", "100", /*ok=*/false);
  main().New1->trigger();
  EXPECT_EQ(picture().width(), 400);
  EXPECT_FALSE(main().zm1->isHidden());
}

// ----- open --------------------------------------------------------------------------

TEST_F(DocumentCommands, OpeningAnIconGivesABitmapNamedWithBmp) {
  const QString icon = path("logo.ico");
  copyTestFile("logo.ico", icon);
  dialogs().answerOpen(icon);
  main().FileDialog1->trigger();
  EXPECT_EQ(picture().width(), 8);
  EXPECT_EQ(picture().height(), 6);
  EXPECT_EQ(main().windowTitle(), path("logo.bmp"));
  // The undo copy is the loaded picture: undo changes nothing.
  main().undoptb1->click();
  EXPECT_EQ(picture().width(), 8);
  EXPECT_TRUE(picture() == main().image2->bitmap());
}

TEST_F(DocumentCommands, OpeningAMetafileGivesABitmapNamedWithBmp) {
  const QString wmf = path("chart.wmf");
  copyTestFile("chart.wmf", wmf);
  dialogs().answerOpen(wmf);
  main().opdlg();
  EXPECT_EQ(main().windowTitle(), path("chart.bmp"));
  EXPECT_EQ(picture().pixelFormat(), gdi::PixelFormat::Device);
}

TEST_F(DocumentCommands, AJpegIsOpenedAtFullSizeWhateverTheBrowsersScale) {
  writeJpeg(path("photo.JPG"), 64, 48);
  browser().Scale->setCurrentIndex(3);
  dialogs().answerOpen(path("photo.JPG"));
  main().opdlg();
  EXPECT_EQ(browser().Scale->currentIndex(), 0);
  EXPECT_EQ(picture().width(), 64);
  EXPECT_EQ(main().windowTitle(), path("photo.JPG"));
}

TEST_F(DocumentCommands, JpegAndJpeNamesAreOpenedAndSavedAsJpg) {
  for (const char* name : {"photo.jpeg", "photo.JPE"}) {
    writeJpeg(path(name), 640, 480);
    browser().Scale->setCurrentIndex(3);
    dialogs().answerOpen(path(name));
    main().FileDialog1->trigger();
    EXPECT_EQ(picture().width(), 640) << name;
    EXPECT_EQ(browser().Scale->currentIndex(), 0) << name;
    EXPECT_EQ(main().windowTitle(), path(name)) << name;
  }
  // Dropped from the desktop too.
  writeJpeg(path("dropped.jpeg"), 320, 240);
  main().dropFile(path("dropped.jpeg"));
  EXPECT_EQ(picture().width(), 320);

  picture() = testing_support::noiseBitmap(800, 600, 5);
  main().initpages();
  const QString saved = path("saved.jpeg");
  dialogs().answerSave(saved);
  main().ToolButton13->click();
  EXPECT_EQ(testing_support::identifyFile(saved), "JPEG 800x600");
  EXPECT_TRUE(codecs::readJpegFile(document::toPath(saved)).info.progressive);

  clipboard().setBitmap(testing_support::noiseBitmap(300, 200, 6));
  const QString clip = path("clip.jpe");
  dialogs().answerSave(clip);
  main().pbpastetobut1Click();
  EXPECT_EQ(testing_support::identifyFile(clip), "JPEG 300x200");
}

TEST_F(DocumentCommands, GifAndUnknownFilesAreNotOpened) {
  writeText(path("anim.gif"), "GIF89a");
  dialogs().answerOpen(path("anim.gif"));
  dialogs().answerMessage("Gif utilities available at our website", ui::MsgResult::Ok);
  main().opdlg();
  EXPECT_EQ(dialogs().messages().back().caption, "Error");

  writeBmp(path("pic.png"), quadrants(20, 20));
  dialogs().answerOpen(path("pic.png"));
  main().opdlg();
  EXPECT_EQ(picture().width(), 400);
  EXPECT_EQ(dialogs().messages().size(), 1u);
}

TEST_F(DocumentCommands, AnUnreadableFileLoadsNothing) {
  writeText(path("broken.bmp"), "BM this is not a bitmap");
  dialogs().answerOpen(path("broken.bmp"));
  dialogs().answerForm("Tmessform", [](QDialog&) { return int(QDialog::Accepted); });
  main().opdlg();
  EXPECT_EQ(picture().width(), 400);
  EXPECT_EQ(main().windowTitle(), "TEMP.BMP");
  EXPECT_TRUE(dialogs().messages().empty());

  // A "file" that cannot be read at all is reported with its name.
  folder("folder.bmp");
  dialogs().answerOpen(path("folder.bmp"));
  dialogs().answerMessage(ui::MsgResult::Ok);
  main().opdlg();
  ASSERT_EQ(dialogs().messages().size(), 1u);
  EXPECT_EQ(dialogs().messages()[0].caption, "Error");
  EXPECT_TRUE(dialogs().messages()[0].text.contains("folder.bmp"));
  EXPECT_EQ(picture().width(), 400);
}

TEST_F(DocumentCommands, LoadImageAsksFirstThenLoadsThroughTheBrowser) {
  const QString dir = folder("album");
  writeJpeg(dir + "/sea.jpg", 50, 40);
  main().markModified();
  dialogs().answerMessage("Save changes to TEMP.BMP?", ui::MsgResult::Cancel);
  main().ToolButton11->click();
  EXPECT_FALSE(browser().isVisible());

  dialogs().answerMessage("Save changes to TEMP.BMP?", ui::MsgResult::No);
  main().Browser1->trigger();
  ASSERT_TRUE(browser().isVisible());
  browser().DirectoryListBox1->setDirectory(dir);
  browser().FileListBox1->setCurrentRow(0);
  browser().FileListBox1DblClick();
  browser().Loadbut->click();
  EXPECT_FALSE(browser().isVisible());
  EXPECT_EQ(picture().width(), 50);
  EXPECT_EQ(QFileInfo(main().windowTitle()).fileName(), "sea.jpg");
  EXPECT_TRUE(picture() == main().image2->bitmap());
}

// ----- save ----------------------------------------------------------------------------

TEST_F(DocumentCommands, SaveAsJpgUsesTheQualityOfTheOptionsWindow) {
  picture() = testing_support::photoLikePicture(800, 600);
  app::windows().jpop1->TrackBar1->setValue(35);
  const QString file = path("pic.jpg");
  dialogs().answerSave(file);
  main().markModified();
  main().ToolButton13->click();
  const std::vector<std::uint8_t> written = codecs::readFileBytes(document::toPath(file));
  EXPECT_EQ(written, codecs::encodeJpeg(picture(), {.quality = 35, .progressive = true}));
  EXPECT_TRUE(testing_support::fileDecodesCleanly(document::toPath(file)));
  EXPECT_TRUE(testing_support::djpegReads(document::toPath(file), {800, 600}));
  EXPECT_FALSE(main().isModified());
  EXPECT_EQ(main().windowTitle(), file);
}

TEST_F(DocumentCommands, SaveAsPngWritesBmpData) {
  const QString file = path("pic.png");
  dialogs().answerSave(file);
  main().domysave();
  EXPECT_EQ(fileHead(file), "BM");
  EXPECT_EQ(main().windowTitle(), file);
}

TEST_F(DocumentCommands, QuickSaveWritesTheBareNameIntoTheCurrentFolder) {
  const QString dir = folder("cwd");
  const QString old = QDir::currentPath();
  QDir::setCurrent(dir);
  main().setWindowTitle("C:\\work\\shot.jpg");
  main().markModified();
  dialogs().answerMessage("Saved as shot.bmp", ui::MsgResult::Ok);
  main().ToolButton12->click();
  main().setWindowTitle("TEMP.BMP");
  dialogs().answerMessage("Saved as TEMP.bmp", ui::MsgResult::Ok);
  main().savebutClick();
  QDir::setCurrent(old);

  EXPECT_EQ(dialogs().messages().at(0).caption, "Saved");
  EXPECT_EQ(fileHead(dir + "/shot.bmp"), "BM");
  EXPECT_EQ(fileHead(dir + "/TEMP.bmp"), "BM");
  EXPECT_FALSE(main().isModified());
  EXPECT_EQ(main().windowTitle(), "TEMP.BMP");
}

TEST_F(DocumentCommands, QuickSaveWritesIntoTheFolderOfTheFileLastChosenInADialog) {
  const QString old = QDir::currentPath();
  const QString album = folder("album"), other = folder("other");
  writeJpeg(album + "/photo.jpg", 64, 48);
  dialogs().answerOpen(album + "/photo.jpg");
  main().opdlg();
  ASSERT_EQ(main().windowTitle(), album + "/photo.jpg");
  dialogs().answerMessage("Saved as photo.bmp", ui::MsgResult::Ok);
  main().ToolButton12->click();
  // Read back by another program: a bitmap of the picture's size.
  const testing_support::ToolRun identify =
      testing_support::runTool("identify", {"-format", "%m %w %h", album + "/photo.bmp"});
  EXPECT_EQ(identify.output.trimmed(), "BMP3 64 48");
  EXPECT_TRUE(testing_support::readWithImageMagick(album + "/photo.bmp") == picture());

  // A save dialog moves it too, and so does any open dialog.
  dialogs().answerSave(other + "/copy.bmp");
  main().domysave();
  dialogs().answerOpen(album + "/photo.jpg");
  ui::dialogs().openFile({});
  EXPECT_EQ(QDir::currentPath(), album);
  QDir::setCurrent(old);
}

TEST_F(DocumentCommands, AFailedQuickSaveNamesTheWholePathAndTheRealCause) {
  testing_support::ReadOnlyMount medium("TEMP.bmp", "an old picture");
  if (!medium.available()) GTEST_SKIP() << "mounting is not allowed here";
  const QString old = QDir::currentPath();
  dialogs().answerOpen(medium.path("anything.bmp"));
  ui::dialogs().openFile({});
  main().markModified();
  for (const char* caption : {"TEMP.BMP", "new.bmp"}) {
    main().setWindowTitle(caption);
    dialogs().answerMessage(ui::MsgResult::Ok);
    main().savebutClick();
  }
  QDir::setCurrent(old);
  const std::vector<ui::Question> told = dialogs().messages();
  ASSERT_EQ(told.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    const QString file = medium.path(i == 0 ? "TEMP.bmp" : "new.bmp");
    EXPECT_EQ(told[i].caption, "Error");
    EXPECT_TRUE(told[i].text.contains(file)) << told[i].text.toStdString();
    EXPECT_TRUE(told[i].text.contains("Read-only file system")) << told[i].text.toStdString();
  }
  EXPECT_TRUE(main().isModified());
  EXPECT_EQ(fileHead(medium.path("TEMP.bmp"), 6), "an old");
}

TEST_F(DocumentCommands, APhotoOpensUprightWhateverWayTheCameraHeldIt) {
  // Quadrants black, red over lime, blue as stored; the camera noted that
  // the photo is shown turned a quarter anticlockwise.
  const QString file = path("turned.jpg");
  writeJpeg(file, 120, 80);
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray stored = f.readAll();
  f.close();
  const std::vector<std::uint8_t> turned = testing_support::withApp1(
      {stored.begin(), stored.end()}, testing_support::exifPayload(8, EXIF_BYTE_ORDER_INTEL));
  writeText(file,
            QByteArray(reinterpret_cast<const char*>(turned.data()), qsizetype(turned.size())));
  dialogs().answerOpen(file);
  main().opdlg();
  ASSERT_EQ(picture().width(), 80);
  ASSERT_EQ(picture().height(), 120);
  // Shown: red, blue on top; black, lime below.
  auto near = [](gdi::TColor a, gdi::TColor b) {
    return std::abs(gdi::GetRValue(a) - gdi::GetRValue(b)) < 40 &&
           std::abs(gdi::GetGValue(a) - gdi::GetGValue(b)) < 40 &&
           std::abs(gdi::GetBValue(a) - gdi::GetBValue(b)) < 40;
  };
  EXPECT_TRUE(near(picture().pixel(20, 30), gdi::clRed));
  EXPECT_TRUE(near(picture().pixel(60, 30), gdi::clBlue));
  EXPECT_TRUE(near(picture().pixel(20, 90), gdi::clBlack));
  EXPECT_TRUE(near(picture().pixel(60, 90), gdi::clLime));
}

TEST_F(DocumentCommands, AFailedSaveKeepsTheOldFileThePictureAndTheModifiedFlag) {
  const QString file = path("kept.bmp");
  writeText(file, "the old picture");
  picture() = quadrants(400, 400);
  main().setWindowTitle("/somewhere/drawing.bmp");
  main().markModified();
  dialogs().answerSave(file);
  dialogs().answerMessage("OK to overwrite " + file, ui::MsgResult::Yes);
  dialogs().answerMessage(ui::MsgResult::Ok);
  {
    FileSizeLimit nearlyFull(1000);
    main().domysave();
  }
  ASSERT_EQ(dialogs().messages().size(), 2u);
  EXPECT_EQ(dialogs().messages()[1].caption, "Error");
  EXPECT_TRUE(dialogs().messages()[1].text.contains(file));
  EXPECT_EQ(fileHead(file, 100), "the old picture");
  EXPECT_TRUE(main().isModified());
  EXPECT_EQ(main().windowTitle(), "/somewhere/drawing.bmp");
  EXPECT_TRUE(picture() == quadrants(400, 400));
  EXPECT_EQ(QDir(path("")).entryList(QDir::Files).filter("kept").size(), 1);
}

TEST_F(DocumentCommands, ASaveIntoAReadOnlyFolderIsReportedAndChangesNothing) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not stop the superuser";
  const QString dir = folder("locked");
  writeText(dir + "/pic.bmp", "old");
  QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
  main().markModified();
  dialogs().answerSave(dir + "/pic.bmp");
  dialogs().answerMessage("OK to overwrite " + dir + "/pic.bmp", ui::MsgResult::Yes);
  dialogs().answerMessage(ui::MsgResult::Ok);
  main().domysave();
  QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_EQ(fileHead(dir + "/pic.bmp", 10), "old");
  EXPECT_TRUE(main().isModified());
  EXPECT_TRUE(dialogs().messages().back().text.contains("pic.bmp"));
}

// ----- files and the clipboard ------------------------------------------------------------

TEST_F(DocumentCommands, PasteFromFilePutsThePictureOnTheClipboard) {
  writeBmp(path("clip.bmp"), quadrants(30, 20));
  main().pbpastebut1->setEnabled(false);
  dialogs().answerOpen(path("clip.bmp"));
  main().pbpastrefrombut1->click();
  EXPECT_TRUE(clipboard().bitmap() == quadrants(30, 20));
  EXPECT_TRUE(main().pbpastebut1->isEnabled());
  EXPECT_TRUE(main().pbpastetobut1->isEnabled());
  EXPECT_EQ(picture().width(), 400);  // the picture itself is not touched

  clipboard().setAvailable(false);
  dialogs().answerOpen(path("clip.bmp"));
  main().pfromfile();
  EXPECT_TRUE(app::windows().clpform1->isVisible());
  EXPECT_EQ(app::windows().clpform1->Label1->text(), "Clipboard Not Available or Empty");
}

TEST_F(DocumentCommands, PasteToFileWritesTheClipboardsBitmap) {
  const gdi::Bitmap clip = testing_support::photoLikePicture(640, 480);
  clipboard().setBitmap(clip);
  main().markModified();
  const QString file = path("clip.jpg");
  dialogs().answerSave(file);
  main().pbpastetobut1Click();
  EXPECT_EQ(dialogs().questions()[0].file.fileName, "*.BMP;*.JPG");
  const codecs::JpegPicture jpeg = codecs::readJpegFile(document::toPath(file));
  EXPECT_EQ(jpeg.bitmap.width(), 640);
  EXPECT_TRUE(jpeg.info.progressive);
  EXPECT_TRUE(testing_support::fileDecodesCleanly(document::toPath(file)));
  // The clip keeps the JPEG library's default quality.
  EXPECT_EQ(codecs::readFileBytes(document::toPath(file)),
            codecs::encodeJpeg(clip, {.quality = std::nullopt, .progressive = true}));
  EXPECT_TRUE(main().clpmap1->bitmap() == clip);
  // The file holds the clip, not the picture: the window keeps its name, so
  // the close check and a quick save still mean the picture.
  EXPECT_EQ(main().windowTitle(), "TEMP.BMP");
  EXPECT_TRUE(main().isModified());

  dialogs().answerSave(path("clip.bmp"));
  main().pbpastetobut1Click();
  EXPECT_EQ(fileHead(path("clip.bmp")), "BM");
}

TEST_F(DocumentCommands, PasteToFileWithAnEmptyClipboardSaysSo) {
  main().pbpastetobut1Click();
  EXPECT_TRUE(app::windows().clpform1->isVisible());
  EXPECT_EQ(app::windows().clpform1->Label1->text(), "Clipboard Not Available or Empty");
  EXPECT_TRUE(dialogs().questions().empty());
}
