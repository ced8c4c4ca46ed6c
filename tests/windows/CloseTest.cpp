// Closing the main window with the save question, and save as.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QToolButton>

#include "platform/codecs/Bmp.h"
#include "platform/codecs/Jpeg.h"
#include "support/JpegReadBack.h"
#include "support/windows/StudioFixture.h"

using testing_support::Studio;

TEST(Close, UnchangedPictureClosesWithoutAQuestion) {
  Studio studio;
  EXPECT_TRUE(studio.main().close());
  EXPECT_FALSE(studio.main().isVisible());
  EXPECT_TRUE(studio.dialogs().questions().empty());
}

TEST(Close, CancelKeepsTheWindowOpen) {
  Studio studio;
  studio.main().markModified();
  studio.dialogs().answerMessage("Save changes to TEMP.BMP?", ui::MsgResult::Cancel);
  EXPECT_FALSE(studio.main().close());
  EXPECT_TRUE(studio.main().isVisible());
  EXPECT_EQ(studio.dialogs().messages().at(0).buttons, ui::MsgButtons::YesNoCancel);
}

TEST(Close, NoClosesWithoutSaving) {
  Studio studio;
  studio.main().markModified();
  studio.dialogs().answerMessage("Save changes to TEMP.BMP?", ui::MsgResult::No);
  EXPECT_TRUE(studio.main().close());
  EXPECT_FALSE(studio.main().isVisible());
}

TEST(Close, YesSavesThenCloses) {
  Studio studio;
  studio.main().markModified();
  const QString path = studio.tempPath("kept.bmp");
  studio.dialogs().answerMessage("Save changes to TEMP.BMP?", ui::MsgResult::Yes);
  studio.dialogs().answerSave(path);
  EXPECT_TRUE(studio.main().close());
  EXPECT_EQ(codecs::readBmpFile(path.toStdString()), studio.main().picture());
  EXPECT_EQ(studio.main().windowTitle(), path);
  EXPECT_FALSE(studio.main().isModified());
}

TEST(Close, TheQuestionNamesTheFileWithoutItsFolder) {
  Studio studio;
  studio.main().setWindowTitle("/home/someone/pictures/shot.jpg");
  studio.main().markModified();
  studio.dialogs().answerMessage("Save changes to shot.jpg?", ui::MsgResult::Cancel);
  EXPECT_FALSE(studio.main().checktosave());
}

TEST(Close, ExitAsksTheSameQuestion) {
  Studio studio;
  studio.main().markModified();
  studio.dialogs().answerMessage("Save changes to TEMP.BMP?", ui::MsgResult::Cancel);
  studio.main().Exit1->trigger();
  EXPECT_TRUE(studio.main().isVisible());
}

TEST(SaveAs, JpgExtensionWritesJpeg) {
  Studio studio;
  const QString path = studio.tempPath("pic.JPG");
  studio.dialogs().answerSave(path);
  studio.main().ToolButton13->click();
  const codecs::JpegPicture jpeg = codecs::readJpegFile(path.toStdString());
  EXPECT_TRUE(testing_support::fileDecodesCleanly(path.toStdString()));
  EXPECT_EQ(jpeg.bitmap.width(), 400);
  EXPECT_TRUE(jpeg.info.progressive);
  EXPECT_EQ(studio.main().windowTitle(), path);
}

TEST(SaveAs, OtherExtensionsWriteBmpData) {
  Studio studio;
  const QString path = studio.tempPath("pic.png");
  studio.dialogs().answerSave(path);
  studio.main().domysave();
  EXPECT_EQ(codecs::readBmpFile(path.toStdString()), studio.main().picture());
}

TEST(SaveAs, ExistingFileIsOverwrittenOnlyOnYes) {
  Studio studio;
  const QString path = studio.tempPath("old.bmp");
  codecs::writeBmpFile(path.toStdString(), gdi::Bitmap(3, 3));
  studio.main().markModified();
  studio.dialogs().answerSave(path);
  studio.dialogs().answerMessage(QStringLiteral("OK to overwrite %1").arg(path), ui::MsgResult::No);
  studio.main().domysave();
  EXPECT_EQ(codecs::readBmpFile(path.toStdString()).width(), 3);
  EXPECT_TRUE(studio.main().isModified());

  studio.dialogs().answerSave(path);
  studio.dialogs().answerMessage(QStringLiteral("OK to overwrite %1").arg(path),
                                 ui::MsgResult::Yes);
  studio.main().domysave();
  EXPECT_EQ(codecs::readBmpFile(path.toStdString()).width(), 400);
  EXPECT_FALSE(studio.main().isModified());
}

TEST(SaveAs, GifIsWrittenAsBmpBesideItOnlyWhenAccepted) {
  Studio studio;
  const QString path = studio.tempPath("a.gif");
  studio.dialogs().answerSave(path);
  studio.dialogs().answerMessage("Gif utilities available at our website", ui::MsgResult::Ok);
  studio.dialogs().answerMessage(QStringLiteral("Save As %1.bmp?").arg(path), ui::MsgResult::Yes);
  studio.main().domysave();
  EXPECT_FALSE(QFileInfo::exists(path));
  EXPECT_TRUE(QFileInfo::exists(path + ".bmp"));
}
