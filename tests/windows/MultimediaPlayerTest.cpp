// The "Multimedia Player" window: opening video and sound files, the flags
// that say what can be captured, the hand-over to the AVI Capture window,
// Close and Done, the transport row and the help page.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdlib>
#include <optional>

#include "app/TPbook1.h"
#include "app/Windows.h"
#include "codecs/CodecTestSupport.h"
#include "media/PlayerTestSupport.h"
#include "media/player/TDCAVIPlay.h"
#include "media/windows/TAVICAP.h"
#include "media/windows/Taviwin.h"
#include "media/windows/Tmediaform1.h"
#include "platform/ui/RichEdit.h"
#include "support/media/TestMedia.h"
#include "support/windows/StudioFixture.h"

using media_test::TestVideo;

namespace {

class MultimediaPlayer : public ::testing::Test {
 protected:
  MultimediaPlayer() { w.show(); }

  QString path(const std::string& name) const {
    return QString::fromStdString((dir / name).string());
  }
  // A test video written as `name`; `as` renames it (the reader goes by the
  // contents, the window by the extension).
  QString video(const std::string& name, const std::string& as = {}) {
    media_test::writeTestVideo(dir / name, TestVideo{});
    if (as.empty()) return path(name);
    QFile::rename(path(name), path(as));
    return path(as);
  }
  QString sound(const std::string& name) {
    TestVideo wave;
    wave.width = wave.height = 0;
    wave.sampleRate = 8000;
    media_test::writeTestVideo(dir / name, wave);
    return path(name);
  }
  // "Open" answered with `file`; `message`, when given, is the box expected then.
  void open(const QString& file, std::optional<QString> message = std::nullopt) {
    studio.dialogs().answerOpen(file);
    if (message) studio.dialogs().answerMessage(*message, ui::MsgResult::Ok);
    w.BitBtn1->click();
  }
  std::vector<ui::Question> messages() { return studio.dialogs().messages(); }
  bool displayShown() const { return app::windows().aviwin->isVisible(); }

  testing_support::Studio studio;
  codec_test::TempDir dir;
  Tmediaform1& w = *app::windows().mediaform1;
};

}  // namespace

TEST(MultimediaPlayerWindow, IsCentredWithNothingOpen) {
  testing_support::Studio studio;
  Tmediaform1 fresh;
  EXPECT_EQ(fresh.windowTitle(), "Multimedia Player");
  // The test screen is 1024 x 768.
  EXPECT_LE(std::abs(2 * fresh.x() + fresh.width() - 1024), 1);
  EXPECT_LE(std::abs(2 * fresh.y() + fresh.height() - 768), 1);
  EXPECT_FALSE(fresh.mclbut1->isEnabled());
  EXPECT_FALSE(fresh.cbut->isEnabled());
  EXPECT_FALSE(fresh.playBtn->isEnabled());
  EXPECT_EQ(fresh.mclbut1->toolTip(), "Close the file to allow other processes to use it");
  EXPECT_EQ(fresh.cbut->toolTip(), "Capture Frames and Dump frames to disk");
  EXPECT_FALSE(fresh.mpeg->isVisibleTo(&fresh));
  EXPECT_FALSE(fresh.avic->isVisibleTo(&fresh));
}

TEST_F(MultimediaPlayer, AnAviIsShownAndHandedToTheCaptureWindow) {
  const QString file = video("clip.avi");
  open(file);
  ASSERT_EQ(studio.dialogs().questions().size(), 1u);
  EXPECT_EQ(studio.dialogs().questions()[0].file.filter,
            "*.avi, *.wav, *.mid, *.mpg,|*.avi;*.mpg;*.wav;*.mid|All FIles|*.*");
  EXPECT_TRUE(w.avic->isChecked());
  EXPECT_FALSE(w.mpeg->isChecked());
  EXPECT_TRUE(w.cbut->isEnabled());
  EXPECT_TRUE(w.mclbut1->isEnabled());
  ASSERT_TRUE(w.deviceOpen());
  ASSERT_NE(w.movie(), nullptr);
  EXPECT_TRUE(displayShown());
  EXPECT_EQ(w.movie()->window(), app::windows().aviwin);
  EXPECT_EQ(w.movie()->size(), QSize(64, 48));
  EXPECT_EQ(app::windows().aviwin->size(), QSize(64, 48));

  w.cbut->click();
  TAVICAP& capture = *app::windows().AVICAP;
  EXPECT_TRUE(capture.isVisible());
  EXPECT_EQ(capture.aviFile, file);
  EXPECT_TRUE(capture.AVI->isOpen());
  EXPECT_FALSE(w.deviceOpen());
  EXPECT_FALSE(w.mclbut1->isEnabled());
  EXPECT_FALSE(displayShown());

  // The capture command takes the same way, and never says "Only AVI".
  capture.close();
  w.capbut1Click();
  EXPECT_TRUE(capture.isVisible());
  EXPECT_TRUE(messages().empty());
}

TEST_F(MultimediaPlayer, AnMpgIsShownButMustBeConvertedBeforeCapture) {
  open(video("clip.avi", "clip.mpg"));
  EXPECT_TRUE(w.mpeg->isChecked());
  EXPECT_FALSE(w.avic->isChecked());
  EXPECT_FALSE(w.cbut->isEnabled());
  EXPECT_TRUE(w.deviceOpen());
  EXPECT_TRUE(displayShown());

  studio.dialogs().answerMessage("MPG must be converted to AVI before it can be captured",
                                 ui::MsgResult::Ok);
  w.capbut1Click();
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].caption, "MPG Error");
  EXPECT_FALSE(app::windows().AVICAP->isVisible());
  EXPECT_TRUE(w.deviceOpen());
}

TEST_F(MultimediaPlayer, CloseWithNothingOpenOnlyClearsTheFlags) {
  // The button is disabled with nothing open; its handler still runs when
  // the window closes.
  EXPECT_FALSE(w.mclbut1->isEnabled());
  w.avic->setChecked(true);
  w.mpeg->setChecked(true);
  w.mclbut1Click();
  EXPECT_FALSE(w.avic->isChecked());
  EXPECT_FALSE(w.mpeg->isChecked());
  EXPECT_FALSE(w.mclbut1->isEnabled());
  EXPECT_TRUE(messages().empty());
  EXPECT_TRUE(w.isVisible());
  w.avic->setChecked(true);
  w.close();
  EXPECT_FALSE(w.avic->isChecked());
  w.show();

  // With neither flag there is nothing to capture.
  studio.dialogs().answerMessage("Only AVI can be captured", ui::MsgResult::Ok);
  w.capbut1Click();
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].caption, "AVI Message");
}

TEST_F(MultimediaPlayer, CloseAndDoneLetGoOfTheFile) {
  open(video("clip.avi"));
  w.mclbut1->click();
  EXPECT_FALSE(w.deviceOpen());
  EXPECT_FALSE(w.mclbut1->isEnabled());
  EXPECT_FALSE(w.avic->isChecked());
  EXPECT_FALSE(w.cbut->isEnabled());
  EXPECT_FALSE(displayShown());
  EXPECT_TRUE(w.isVisible());

  open(video("clip.avi"));
  w.BitBtn2->click();
  EXPECT_FALSE(w.isVisible());
  EXPECT_FALSE(w.deviceOpen());
  EXPECT_FALSE(displayShown());
}

TEST_F(MultimediaPlayer, FilesThatCannotBeOpenedAreReportedAndTheWindowGoesOn) {
  codec_test::writeBytes(dir / "text.avi", {'h', 'e', 'l', 'l', 'o'});
  for (const char* name : {"text.avi", "missing.mpg"}) {
    studio.dialogs().answerOpen(path(name));
    studio.dialogs().answerMessage(ui::MsgResult::Ok);
    w.BitBtn1->click();
    ASSERT_EQ(messages().size(), 1u) << name;
    EXPECT_TRUE(messages()[0].text.contains(name)) << messages()[0].text.toStdString();
    EXPECT_FALSE(w.deviceOpen());
    EXPECT_FALSE(w.avic->isChecked() || w.mpeg->isChecked() || w.cbut->isEnabled());
    EXPECT_FALSE(w.mclbut1->isEnabled());
    EXPECT_FALSE(displayShown());
    studio.dialogs().reset();
  }
  // MIDI is said to be unplayable rather than played silently.
  codec_test::writeBytes(dir / "tune.mid", {'M', 'T', 'h', 'd'});
  open(path("tune.mid"), QStringLiteral("MIDI files cannot be played here"));
  EXPECT_FALSE(w.deviceOpen());
  studio.dialogs().reset();

  open(video("good.avi"));
  EXPECT_TRUE(w.deviceOpen());
  EXPECT_TRUE(w.cbut->isEnabled());
}

TEST_F(MultimediaPlayer, ACancelledDialogChangesNothing) {
  const QString file = video("clip.avi");
  open(file);
  studio.dialogs().cancelOpen();
  w.BitBtn1->click();
  EXPECT_EQ(w.fileName, file);
  EXPECT_TRUE(w.deviceOpen());
  EXPECT_TRUE(w.avic->isChecked());
  EXPECT_TRUE(w.cbut->isEnabled());
  EXPECT_TRUE(displayShown());
}

TEST_F(MultimediaPlayer, TheTransportRowDrivesTheVideo) {
  open(video("clip.avi"));
  TDCAVIPlay& movie = *w.movie();
  w.stepBtn->click();
  w.stepBtn->click();
  EXPECT_EQ(movie.currentFrame(), 2);
  w.backBtn->click();
  EXPECT_EQ(movie.currentFrame(), 1);
  w.nextBtn->click();
  EXPECT_EQ(movie.currentFrame(), 9);
  w.prevBtn->click();
  EXPECT_EQ(movie.currentFrame(), 0);
  w.backBtn->click();
  EXPECT_EQ(movie.currentFrame(), 0);

  w.playBtn->click();
  EXPECT_TRUE(movie.Active());
  EXPECT_TRUE(player_test::waitFor([&] { return movie.currentFrame() > 0; }));
  w.pauseBtn->click();
  EXPECT_FALSE(movie.Active());
  EXPECT_FALSE(w.ejectBtn->isEnabled());
}

TEST_F(MultimediaPlayer, ASoundFilePlaysWithoutTheDisplayWindow) {
  open(sound("tone.wav"));
  EXPECT_TRUE(w.deviceOpen());
  EXPECT_EQ(w.movie(), nullptr);
  EXPECT_FALSE(displayShown());
  EXPECT_FALSE(w.avic->isChecked() || w.mpeg->isChecked() || w.cbut->isEnabled());
  EXPECT_TRUE(w.playBtn->isEnabled());
  EXPECT_FALSE(w.stepBtn->isEnabled());
  w.playBtn->click();
  w.pauseBtn->click();
  w.prevBtn->click();
  w.playBtn->click();
  w.mclbut1->click();
  EXPECT_FALSE(w.deviceOpen());
  EXPECT_TRUE(messages().empty());
}

TEST_F(MultimediaPlayer, ShowingClearsStopAndNamesTheLastDump) {
  w.close();
  w.stop = true;
  app::windows().AVICAP->dumpPrefix = QStringLiteral("/tmp/shots/shot");
  studio.main().MultimediaPlayer1->trigger();
  EXPECT_TRUE(w.isVisible());
  EXPECT_FALSE(w.stop);
  EXPECT_EQ(w.bmpspot->text(), "/tmp/shots/shot");
}

TEST_F(MultimediaPlayer, HelpShowsItsPageOrSaysItIsMissing) {
  TPbook1& m = studio.main();
  w.BitBtn4->click();
  EXPECT_EQ(m.PageControl1->currentWidget(), m.TabSheet6);
  EXPECT_GT(m.RichEdit1->lineCount(), 3);
  EXPECT_TRUE(messages().empty());
}

TEST(MultimediaPlayerHelp, AMissingPageAddsALine) {
  QTemporaryDir empty;
  testing_support::StudioOptions options;
  options.programFolder = empty.path();
  testing_support::Studio studio(options);
  TPbook1& m = studio.main();
  app::windows().mediaform1->BitBtn4->click();
  EXPECT_EQ(m.PageControl1->currentWidget(), m.TabSheet6);
  EXPECT_TRUE(m.RichEdit1->toPlainText().contains("File Multimedia Player.RTF is missing."));
  EXPECT_FALSE(m.Panel6->isVisible());
  EXPECT_TRUE(m.getsbut1->isVisible());
  EXPECT_TRUE(studio.dialogs().messages().empty());
}
