// The "AVI Capture" window: opening files, capture to the clipboard, dumps
// of a range to numbered bitmaps, stepping, the step timer and the sizes.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

#include "IndependentReader.h"
#include "animation/windows/Tfolderdlg1.h"
#include "app/Windows.h"
#include "codecs/CodecTestSupport.h"
#include "media/PlayerTestSupport.h"
#include "media/player/TDCAVIPlay.h"
#include "media/windows/TAVICAP.h"
#include "platform/codecs/Bmp.h"
#include "platform/ui/DirectoryListBox.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/SpinEdit.h"
#include "support/ExternalTool.h"
#include "support/FileSizeLimit.h"
#include "support/media/TestMedia.h"
#include "support/windows/StudioFixture.h"

using media_test::frameOf;
using media_test::framePicture;
using media_test::TestVideo;

namespace {

// A raw test video of `frames` frames of w x h.
TestVideo sized(int w, int h, int frames = 10) {
  TestVideo v;
  v.width = w;
  v.height = h;
  v.frames = frames;
  return v;
}

class AviCapture : public ::testing::Test {
 protected:
  AviCapture() { w.show(); }

  // Writes a test video into the scratch folder and opens it in the window.
  QString open(const std::string& name, const TestVideo& v = {}) {
    media_test::writeTestVideo(dir / name, v);
    const QString file = QString::fromStdString((dir / name).string());
    w.openFile(file);
    return file;
  }
  // The folder dialog's answer: the scratch folder (or `subfolder` of it
  // as typed into the name box), the name box, frames first..last.
  void dumpTo(const std::string& name, int first, int last) {
    studio.dialogs().answerForm("Tfolderdlg1", [=, this](QDialog& d) {
      auto& f = static_cast<Tfolderdlg1&>(d);
      offeredRange = {f.Panel5->isVisibleTo(&f) ? f.SpinEdit1->value() : -1, f.SpinEdit2->value()};
      f.DirectoryListBox1->setDirectory(QString::fromStdString(dir.path().string()));
      f.Edit1->setText(QString::fromStdString(name));
      f.SpinEdit1->setValue(first);
      f.SpinEdit2->setValue(last);
      f.BitBtn1->click();
      return f.result();
    });
  }
  void cancelFolder() {
    studio.dialogs().answerForm("Tfolderdlg1", [](QDialog& d) {
      static_cast<Tfolderdlg1&>(d).BitBtn2->click();
      return d.result();
    });
  }
  void dump(ui::MsgResult answer = ui::MsgResult::Yes) {
    studio.dialogs().answerMessage("OK to dump all the fames to files?", answer);
    w.BitBtn6->click();
  }
  std::vector<ui::Question> messages() { return studio.dialogs().messages(); }
  ui::MemoryClipboard& clipboard() { return studio.clipboard(); }

  testing_support::Studio studio;
  codec_test::TempDir dir;
  TAVICAP& w = *app::windows().AVICAP;
  std::pair<int, int> offeredRange{-1, -1};
};

}  // namespace

TEST_F(AviCapture, IsAStayOnTopWindowCentredOnTheScreen) {
  TAVICAP fresh;
  EXPECT_EQ(fresh.windowTitle(), "AVI Capture");
  EXPECT_TRUE(fresh.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  // The test screen is 1024 x 768.
  EXPECT_NEAR(fresh.x() + fresh.width() / 2, 512, 1);
  EXPECT_NEAR(fresh.y() + fresh.height() / 2, 384, 1);
  EXPECT_EQ(fresh.ComboBox1->currentText(), "Normal");
  EXPECT_EQ(fresh.Edit1->text(), "0");
  EXPECT_TRUE(fresh.CheckSound->isChecked() && fresh.CheckTransparent->isChecked() &&
              fresh.CheckCenter->isChecked());
  EXPECT_FALSE(fresh.tim->isChecked());
  EXPECT_FALSE(fresh.AVI->AutoSize());
  EXPECT_EQ(fresh.Timer1->interval(), 10);
  EXPECT_FALSE(fresh.Timer1->isActive());
}

TEST_F(AviCapture, SaysInOneLineWhyAFileShowsNothing) {
  open("good.avi");
  EXPECT_TRUE(w.AVI->isOpen());
  EXPECT_EQ(w.aviFile.toStdString(), (dir / "good.avi").string());
  EXPECT_TRUE(w.statusLine->text().contains("10 frames of 64 x 48"))
      << w.statusLine->text().toStdString();

  // Missing, sound only, damaged, not a video at all: closed, one line naming the file.
  TestVideo soundOnly;
  soundOnly.width = soundOnly.height = 0;
  soundOnly.sampleRate = 8000;
  media_test::writeTestVideo(dir / "sound.wav", soundOnly);
  media_test::writeTestVideo(dir / "cut.avi", TestVideo{});
  const std::vector<std::uint8_t> whole = codec_test::fileBytes(dir / "cut.avi");
  codec_test::writeBytes(dir / "cut.avi", {whole.begin(), whole.begin() + 200});
  codec_test::writeBytes(dir / "text.avi", {'h', 'e', 'l', 'l', 'o'});
  for (const char* name : {"missing.avi", "sound.wav", "cut.avi", "text.avi"}) {
    w.openFile(QString::fromStdString((dir / name).string()));
    EXPECT_FALSE(w.AVI->isOpen()) << name;
    const QString line = w.statusLine->text();
    EXPECT_TRUE(line.contains(name)) << line.toStdString();
    EXPECT_FALSE(line.contains('\n')) << line.toStdString();
  }
  w.openFile(QString::fromStdString((dir / "sound.wav").string()));
  EXPECT_TRUE(w.statusLine->text().contains("no video")) << w.statusLine->text().toStdString();
  // Nothing to capture or dump from a closed player, and no crash trying.
  w.BitBtn2->click();
  w.BitBtn5->click();
  EXPECT_FALSE(w.AVI->Active());
}

TEST_F(AviCapture, CaptureCopiesTheFrameShownAtItsOwnSizeWhateverCoversIt) {
  open("v.avi", sized(120, 90));
  w.CheckTransparent->setChecked(false);
  w.Edit1->setText("4");
  w.BitBtn4->click();
  // A window lying over the player is not in the capture.
  QWidget cover;
  cover.setWindowFlag(Qt::WindowStaysOnTopHint);
  cover.setGeometry(QRect(w.AVI->mapToGlobal(QPoint(0, 0)), QSize(200, 200)));
  cover.show();
  QCoreApplication::processEvents();

  w.BitBtn1->click();
  const gdi::Bitmap clip = clipboard().bitmap();
  EXPECT_EQ(clip.width(), 120);
  EXPECT_EQ(clip.height(), 90);
  EXPECT_TRUE(clip.samePixels(framePicture(4, 120, 90)));
  EXPECT_TRUE(clip.samePixels(w.AVI->renderToBitmap()));
  EXPECT_TRUE(w.Image2->bitmap().samePixels(clip));
  EXPECT_TRUE(messages().empty());

  // Transparent: the key colour (here the frame's left half) shows what is behind.
  w.CheckTransparent->setChecked(true);
  w.BitBtn1->click();
  const gdi::Bitmap seeThrough = clipboard().bitmap();
  EXPECT_TRUE(seeThrough.samePixels(w.AVI->renderToBitmap()));
  EXPECT_NE(frameOf(seeThrough), 4);
  EXPECT_EQ(seeThrough.pixel(119, 45), framePicture(4, 120, 90).pixel(119, 45));
}

TEST_F(AviCapture, AClipboardThatCannotTakeTheFrameIsReportedAndTheGrabStays) {
  open("v.avi");
  w.CheckTransparent->setChecked(false);
  clipboard().setAvailable(false);
  studio.dialogs().answerMessage("Clipboard Unavailable.", ui::MsgResult::Ok);
  w.BitBtn1->click();
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].text, "Clipboard Unavailable.");
  EXPECT_EQ(messages()[0].caption, "Clipboard Error");
  EXPECT_EQ(frameOf(w.Image2->bitmap()), 0);
}

TEST_F(AviCapture, DumpOfOneToThreeWritesTwoThreeAndFourReadableByOtherTools) {
  open("v.avi", sized(320, 240, 12));
  w.CheckTransparent->setChecked(false);
  w.ComboBox1->setCurrentText("Double");  // the dump takes frames at their own size
  dumpTo("shot.bmp", 1, 3);               // the name is cut at its "."
  dump();

  EXPECT_EQ(offeredRange, std::make_pair(1, 12));
  EXPECT_FALSE(app::windows().folderdlg1->Panel5->isVisibleTo(app::windows().folderdlg1));
  EXPECT_EQ(w.dumpPrefix.toStdString(), (dir / "shot").string());
  EXPECT_EQ(dir.entries(),
            (std::vector<std::string>{"shot002.bmp", "shot003.bmp", "shot004.bmp", "v.avi"}));
  for (int n : {2, 3, 4}) {
    const QString file =
        QString::fromStdString((dir / ("shot00" + std::to_string(n) + ".bmp")).string());
    EXPECT_EQ(testing_support::identifyFile(file), "BMP3 320x240");
    const gdi::Bitmap read = testing_support::readWithImageMagick(file);
    EXPECT_TRUE(read.samePixels(framePicture(n, 320, 240))) << n;
  }
  EXPECT_FALSE(w.stopbut->isVisible());
  EXPECT_FALSE(w.dumpBar->isVisible());
  EXPECT_TRUE(w.BitBtn6->isEnabled());
  EXPECT_TRUE(w.statusLine->text().startsWith("3 of 3 frames written"));
}

TEST_F(AviCapture, NearTheEndTheLastFrameIsWrittenAgainUnderItsOwnNumber) {
  open("v.avi");  // 10 frames
  w.CheckTransparent->setChecked(false);
  dumpTo("end", 7, 10);
  dump();
  EXPECT_EQ(dir.entries(), (std::vector<std::string>{"end008.bmp", "end009.bmp", "v.avi"}));
  EXPECT_EQ(frameOf(codecs::readBmpFile(dir / "end009.bmp")), 9);
  EXPECT_TRUE(w.statusLine->text().startsWith("4 of 4 frames written"));
}

TEST_F(AviCapture, NoFolderOrNoYesWritesNothing) {
  open("v.avi");
  cancelFolder();
  w.BitBtn6->click();  // no folder chosen: not even the question
  EXPECT_TRUE(messages().empty());
  dumpTo("f", 1, 3);
  dump(ui::MsgResult::No);
  dumpTo("f", 1, 3);
  dump(ui::MsgResult::Cancel);
  EXPECT_EQ(dir.entries(), (std::vector<std::string>{"v.avi"}));
}

TEST_F(AviCapture, AbortEndsTheDumpBetweenFilesLeavingOnlyWholeOnes) {
  open("v.avi", sized(160, 120, 40));
  w.CheckTransparent->setChecked(false);
  // "Abort" is pressed while the fourth file is on its way.
  QObject::connect(w.dumpBar, &QProgressBar::valueChanged, &w, [this](int done) {
    if (done == 3 && w.stopbut->isVisible()) w.stopbut->click();
  });
  dumpTo("a", 1, 40);
  dump();
  const std::vector<std::string> files = dir.entries();
  EXPECT_EQ(files, (std::vector<std::string>{"a002.bmp", "a003.bmp", "a004.bmp", "v.avi"}));
  for (const std::string& f : files) {
    if (f == "v.avi") continue;
    EXPECT_EQ(testing_support::identifyFile(QString::fromStdString((dir / f).string())),
              "BMP3 160x120");
  }
  EXPECT_FALSE(w.stop);
  EXPECT_FALSE(w.stopbut->isVisible());
  EXPECT_TRUE(w.statusLine->text().startsWith("3 of 40 frames written"));
}

TEST_F(AviCapture, AFileThatCannotBeWrittenEndsTheDumpNamingItAndLeavesNoPart) {
  open("v.avi", sized(320, 240));
  dumpTo("f", 1, 3);
  studio.dialogs().answerMessage("OK to dump all the fames to files?", ui::MsgResult::Yes);
  studio.dialogs().answerMessage(ui::MsgResult::Ok);
  {
    // A nearly full disk: room for 64 KB, a frame needs 225 KB.
    testing_support::FileSizeLimit limit(64 * 1024);
    w.BitBtn6->click();
  }
  EXPECT_EQ(dir.entries(), (std::vector<std::string>{"v.avi"}));
  ASSERT_EQ(messages().size(), 2u);
  EXPECT_TRUE(messages()[1].text.contains("f002.bmp")) << messages()[1].text.toStdString();
  EXPECT_EQ(messages()[1].caption, "Error");
  EXPECT_TRUE(w.statusLine->text().startsWith("0 of 3 frames written"));
  EXPECT_FALSE(w.dumping());
}

TEST_F(AviCapture, SeekNextAndTheTrackBarMoveThePlayer) {
  open("v.avi", sized(64, 48, 250));
  EXPECT_FALSE(w.tb->isVisible());
  w.Edit1->setText(" 5 ");
  w.BitBtn4->click();
  EXPECT_EQ(w.AVI->currentFrame(), 5);
  EXPECT_TRUE(w.tb->isVisible());
  EXPECT_EQ(w.tb->maximum(), 250);
  EXPECT_EQ(w.tb->tickInterval(), 2);  // 2.5 rounded half to even
  EXPECT_EQ(w.tb->value(), 5);
  w.Edit1->setText("five");  // not a number: ignored
  w.BitBtn4->click();
  EXPECT_EQ(w.AVI->currentFrame(), 5);
  w.BitBtn5->click();
  EXPECT_EQ(w.AVI->currentFrame(), 6);
  EXPECT_EQ(w.tb->value(), 6);
  w.tb->setValue(120);
  EXPECT_EQ(w.AVI->currentFrame(), 120);
  w.tb->setValue(250);  // the bar's end is past the last frame
  EXPECT_EQ(w.AVI->currentFrame(), 249);
  w.BitBtn5->click();  // held at the last frame
  EXPECT_EQ(w.AVI->currentFrame(), 249);
  w.Edit1->setText("-3");
  w.BitBtn4->click();
  EXPECT_EQ(w.AVI->currentFrame(), 0);
  // Play loops the whole file; Stop ends it.
  w.BitBtn2->click();
  EXPECT_TRUE(w.AVI->Active());
  EXPECT_EQ(w.AVI->StopFrame(), 249);
  EXPECT_EQ(w.AVI->Repetitions(), 0);
  w.BitBtn3->click();
  EXPECT_FALSE(w.AVI->Active());
}

TEST_F(AviCapture, OnTimerStepsFrameByFrameAndStartsAgainAfterTheLast) {
  open("v.avi", sized(64, 48, 4));
  w.BitBtn2->click();
  w.tim->click();
  EXPECT_FALSE(w.AVI->Active());
  EXPECT_TRUE(w.Timer1->isActive());
  EXPECT_FALSE(w.CheckSound->isChecked());
  EXPECT_TRUE(w.fbut->isVisible() && w.sbut->isVisible() && w.tb->isVisible());
  std::vector<int> seen{w.AVI->currentFrame()};
  // Connected after the window's own handler: sees each tick's frame.
  QObject::connect(w.Timer1, &QTimer::timeout, &w, [&] { seen.push_back(w.AVI->currentFrame()); });
  ASSERT_TRUE(player_test::waitFor([&] { return seen.size() >= 7; }));
  seen.resize(7);
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 3, 0, 1, 2}));
  EXPECT_EQ(w.tb->value(), w.AVI->currentFrame());

  w.tim->click();
  EXPECT_FALSE(w.Timer1->isActive());
  EXPECT_TRUE(w.AVI->Active());
  EXPECT_TRUE(w.CheckSound->isChecked());
  EXPECT_FALSE(w.fbut->isVisible() || w.sbut->isVisible() || w.tb->isVisible());
  w.BitBtn3->click();
}

TEST_F(AviCapture, FasterNeverStopsTheTimerAndSlowerAddsATenthOfASecond) {
  w.sbut->click();
  w.sbut->click();
  EXPECT_EQ(w.Timer1->interval(), 210);
  w.fbut->click();
  EXPECT_EQ(w.Timer1->interval(), 110);
  w.fbut->click();
  w.fbut->click();
  EXPECT_EQ(w.Timer1->interval(), 10);
}

TEST_F(AviCapture, SizeChoicesPlaceAndScaleThePlayer) {
  open("v.avi", sized(120, 80));
  auto choose = [&](const char* text) {
    w.ComboBox1->setCurrentText(text);
    w.ComboBox1Change();
  };
  EXPECT_EQ(w.AVI->geometry(), w.Panel2->rect());
  choose("Double");
  EXPECT_EQ(w.AVI->geometry(), QRect(0, 0, 240, 160));
  EXPECT_TRUE(w.AVI->Stretch());
  choose("1/4");
  EXPECT_EQ(w.AVI->geometry(), QRect(0, 0, 30, 20));
  choose("1/2");
  EXPECT_EQ(w.AVI->geometry(), QRect(0, 0, 60, 40));
  choose("Stretch");
  EXPECT_EQ(w.AVI->geometry(), w.Panel2->rect());
  EXPECT_TRUE(w.AVI->Stretch());
  choose("Normal");
  EXPECT_EQ(w.AVI->geometry(), w.Panel2->rect());
  EXPECT_FALSE(w.AVI->Stretch());
  // The panel keeps a filling player filled.
  w.resize(w.width() + 50, w.height() + 30);
  QCoreApplication::processEvents();
  EXPECT_EQ(w.AVI->geometry(), w.Panel2->rect());

  // A capture in "1/2" takes what the player shows at that size.
  w.CheckTransparent->setChecked(false);
  choose("1/2");
  w.BitBtn1->click();
  EXPECT_EQ(clipboard().bitmap().width(), 60);
  EXPECT_EQ(clipboard().bitmap().height(), 40);
}

TEST_F(AviCapture, TheGrabbedFrameTakesADroppedPicture) {
  ui::ImageControl source;
  source.setBitmap(framePicture(7, 30, 20));
  EXPECT_TRUE(w.Image2->dropFrom(&source, QPoint(1, 1)));
  EXPECT_TRUE(w.Image2->bitmap().samePixels(framePicture(7, 30, 20)));
}

TEST_F(AviCapture, ACapturedFramePastesOntoThePicture) {
  open("v.avi", sized(100, 60));
  w.CheckTransparent->setChecked(false);
  w.BitBtn5->click();
  w.BitBtn1->click();
  TPbook1& m = studio.main();
  m.pbpastebut1->click();
  EXPECT_TRUE(m.pastepanel1->isVisible());
  EXPECT_TRUE(m.clpmap1->bitmap().samePixels(framePicture(1, 100, 60)));
}
