// Pictures dropped on the main window: files from the desktop and image
// controls on the "Drag To" page.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTabWidget>
#include <QUrl>

#include "platform/codecs/Bmp.h"
#include "platform/codecs/Jpeg.h"
#include "platform/ui/ImageControl.h"
#include "support/windows/StudioFixture.h"

using testing_support::Studio;

namespace {

// Drops `path` on the main window as the desktop's file manager would.
bool dropFiles(QWidget* target, const QStringList& paths) {
  QMimeData data;
  QList<QUrl> urls;
  for (const QString& p : paths) urls << QUrl::fromLocalFile(p);
  data.setUrls(urls);
  const QPointF at(20, 20);
  QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &drop);
  return drop.isAccepted();
}

gdi::Bitmap pattern(int w, int h) {
  gdi::Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.setPixel(x, y, (x * 8) | ((y * 8) << 8));
  return b;
}

}  // namespace

TEST(ShellDrop, LowerCaseJpgIsLoadedAsThePicture) {
  Studio studio;
  const QString path = studio.tempPath("holiday.jpg");
  codecs::writeJpegFile(path.toStdString(), pattern(32, 24));
  EXPECT_TRUE(dropFiles(&studio.main(), {path}));
  EXPECT_EQ(studio.main().picture().width(), 32);
  EXPECT_EQ(studio.main().picture().height(), 24);
  EXPECT_EQ(studio.main().windowTitle(), path);
  EXPECT_EQ(studio.main().image2->bitmap(), studio.main().picture());
  EXPECT_EQ(studio.main().PageControl1->currentWidget(), studio.main().TabSheet1);
}

TEST(ShellDrop, BmpInAnyCaseIsLoaded) {
  Studio studio;
  const QString path = studio.tempPath("frame.Bmp");
  const gdi::Bitmap b = pattern(12, 7);
  codecs::writeBmpFile(path.toStdString(), b);
  dropFiles(&studio.main(), {path});
  EXPECT_EQ(studio.main().picture(), b);
}

TEST(ShellDrop, OnlyTheFirstFileCounts) {
  Studio studio;
  const QString gif = studio.tempPath("first.gif");
  const QString bmp = studio.tempPath("second.bmp");
  codecs::writeBmpFile(bmp.toStdString(), pattern(5, 5));
  QFile(gif).open(QIODevice::WriteOnly);
  dropFiles(&studio.main(), {gif, bmp});
  EXPECT_EQ(studio.main().picture().width(), 400);
}

TEST(ShellDrop, GifIsIgnoredWithoutAQuestion) {
  Studio studio;
  studio.main().markModified();
  const QString path = studio.tempPath("anim.gif");
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("GIF89a");
  f.close();
  dropFiles(&studio.main(), {path});
  EXPECT_TRUE(studio.dialogs().questions().empty());
  EXPECT_EQ(studio.main().picture().width(), 400);
  EXPECT_EQ(studio.main().windowTitle(), "TEMP.BMP");
}

TEST(ShellDrop, UnsavedPictureIsAskedForAndCancelKeepsIt) {
  Studio studio;
  TPbook1& m = studio.main();
  m.markModified();
  const QString path = studio.tempPath("new.bmp");
  codecs::writeBmpFile(path.toStdString(), pattern(9, 9));
  studio.dialogs().answerMessage("Save changes to TEMP.BMP?", ui::MsgResult::Cancel);
  dropFiles(&m, {path});
  EXPECT_EQ(m.picture().width(), 400);

  studio.dialogs().answerMessage("Save changes to TEMP.BMP?", ui::MsgResult::No);
  dropFiles(&m, {path});
  EXPECT_EQ(m.picture().width(), 9);
}

TEST(ShellDrop, DamagedPictureLeavesThePictureAlone) {
  Studio studio;
  const QString path = studio.tempPath("broken.jpg");
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("\xFF\xD8\xFF\xE0 not really a jpeg");
  f.close();
  dropFiles(&studio.main(), {path});
  EXPECT_EQ(studio.main().picture().width(), 400);
  EXPECT_EQ(studio.main().windowTitle(), "TEMP.BMP");
}

TEST(ShellDrop, DragsWithoutFilesAreRefused) {
  Studio studio;
  QMimeData data;
  data.setText("hello");
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&studio.main(), &enter);
  EXPECT_FALSE(enter.isAccepted());
}

TEST(DragTo, ImageDroppedBecomesThePicture) {
  Studio studio;
  TPbook1& m = studio.main();
  ui::ImageControl source;
  source.setBitmap(pattern(20, 30));
  ASSERT_TRUE(m.Image1->dropFrom(&source, QPoint(4, 4)));
  EXPECT_EQ(m.Image1->bitmap(), source.bitmap());
  EXPECT_EQ(m.picture(), source.bitmap());
  EXPECT_TRUE(m.isModified());
  EXPECT_EQ(m.PageControl1->currentWidget(), m.TabSheet1);
  EXPECT_EQ(m.image2->bitmap(), source.bitmap());
  EXPECT_EQ(m.width(), 300);  // initpages ran for the small picture
}

TEST(DragTo, CancelAtTheSaveQuestionKeepsThePictureButNotTheDragImage) {
  Studio studio;
  TPbook1& m = studio.main();
  m.markModified();
  ui::ImageControl source;
  source.setBitmap(pattern(20, 30));
  studio.dialogs().answerMessage("Save changes to TEMP.BMP?", ui::MsgResult::Cancel);
  m.Image1->dropFrom(&source, QPoint(4, 4));
  EXPECT_EQ(m.Image1->bitmap(), source.bitmap());
  EXPECT_EQ(m.picture().width(), 400);
}

TEST(DragTo, AnEmptyImageChangesNothing) {
  Studio studio;
  ui::ImageControl source;
  studio.main().Image1->dropFrom(&source, QPoint(1, 1));
  EXPECT_EQ(studio.main().picture().width(), 400);
  EXPECT_FALSE(studio.main().isModified());
}
