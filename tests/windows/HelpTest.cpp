// Help pages on the "Getting Started" page.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include "platform/ui/ImageControl.h"
#include "platform/ui/RichEdit.h"
#include "support/windows/StudioFixture.h"

using testing_support::Studio;
using testing_support::StudioOptions;

namespace {

// A studio whose program folder is an empty temporary folder.
StudioOptions emptyProgramFolder(const QString& folder) {
  StudioOptions o;
  o.programFolder = folder;
  return o;
}

void expectPageShown(TPbook1& m) {
  EXPECT_EQ(m.PageControl1->currentWidget(), m.TabSheet6);
  EXPECT_FALSE(m.Panel6->isVisible());
  EXPECT_TRUE(m.getsbut1->isVisible());
}

struct HelpCommand {
  const char* control;
  const char* file;
};

const HelpCommand kMenuHelp[] = {{"HelpFiles1", "Getting Started.RTF"},
                                 {"GeneralHelp1", "PAINTHELP.RTF"},
                                 {"PastePanel2", "Paste Panel.RTF"},
                                 {"AnimationMagic1", "Animation Magic.RTF"},
                                 {"AnimationWizard1", "Animation Wizard.RTF"},
                                 {"MovieWizard1", "Movie Wizard.RTF"},
                                 {"MultimediaPlayer2", "Multimedia Player.RTF"},
                                 {"SupportServices1", "Support.RTF"},
                                 {"WebPages1", "Web Pages.RTF"}};

const HelpCommand kButtonHelp[] = {{"BitBtn9", "Zoom and Camera.RTF"},
                                   {"BitBtn15", "Web Pages.RTF"}};

}  // namespace

TEST(Help, EveryHelpCommandOpensItsPage) {
  for (const HelpCommand& c : kMenuHelp) {
    Studio studio;
    TPbook1& m = studio.main();
    m.RichEdit1->clear();
    studio.find<QAction>(c.control)->trigger();
    expectPageShown(m);
    EXPECT_GT(m.RichEdit1->lineCount(), 3) << c.control;
  }
  for (const HelpCommand& c : kButtonHelp) {
    Studio studio;
    TPbook1& m = studio.main();
    m.RichEdit1->clear();
    studio.find<QPushButton>(c.control)->click();
    expectPageShown(m);
    EXPECT_GT(m.RichEdit1->lineCount(), 3) << c.control;
  }
}

TEST(Help, EveryMissingPageSaysSo) {
  QTemporaryDir empty;
  for (const HelpCommand& c : kMenuHelp) {
    Studio studio(emptyProgramFolder(empty.path()));
    studio.dialogs().answerMessage("Help file is missing. E-mail for a replacement",
                                   ui::MsgResult::Ok);
    studio.find<QAction>(c.control)->trigger();
    ASSERT_EQ(studio.dialogs().messages().size(), 1u) << c.control;
    EXPECT_EQ(studio.dialogs().messages()[0].caption, "Error");
    EXPECT_TRUE(studio.main().Panel6->isVisible());
  }
  for (const HelpCommand& c : kButtonHelp) {
    Studio studio(emptyProgramFolder(empty.path()));
    studio.dialogs().answerMessage("Help file is missing. E-mail for a replacement",
                                   ui::MsgResult::Ok);
    studio.find<QPushButton>(c.control)->click();
    EXPECT_EQ(studio.dialogs().messages().size(), 1u) << c.control;
  }
}

TEST(Help, PageNamesMatchInAnyLetterCase) {
  QTemporaryDir folder;
  QFile page(folder.filePath("getting started.rtf"));
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  page.write("{\\rtf1\\ansi Welcome to the studio.\\par}");
  page.close();
  Studio studio(emptyProgramFolder(folder.path()));
  TPbook1& m = studio.main();
  Studio::leftClick(m.Panel6, QPoint(5, 5));
  expectPageShown(m);
  EXPECT_TRUE(m.RichEdit1->toPlainText().contains("Welcome to the studio."));
}

TEST(Help, BackShowsTheCoverPanelAgain) {
  Studio studio;
  TPbook1& m = studio.main();
  m.HelpFiles1->trigger();
  m.getsbut1->click();
  EXPECT_TRUE(m.Panel6->isVisible());
  EXPECT_FALSE(m.getsbut1->isVisible());
}

TEST(Help, QuietLinksAddAMissingLineInsteadOfAMessage) {
  QTemporaryDir empty;
  Studio studio(emptyProgramFolder(empty.path()));
  TPbook1& m = studio.main();
  Studio::leftClick(m.Panel6, QPoint(5, 5));
  EXPECT_EQ(m.RichEdit1->lines().last(), "File Getting Started.RTF is missing");
  expectPageShown(m);

  Studio::leftClick(m.Label16);
  EXPECT_EQ(m.RichEdit1->lines().last(), "File Animation Magic.RTF is missing");

  m.SpeedButton2->click();
  const QStringList lines = m.RichEdit1->lines();
  ASSERT_GE(lines.size(), 2);
  EXPECT_EQ(lines[lines.size() - 2], "File Paste Panel.RTF is missing.");
  EXPECT_TRUE(lines.last().contains("support@quillmoor.example"));
  EXPECT_TRUE(studio.dialogs().messages().empty());
}

TEST(Help, AnimationMagicLinkOpensItsPageNotGettingStarted) {
  Studio studio;
  TPbook1& m = studio.main();
  Studio::leftClick(m.Label16);
  expectPageShown(m);
  EXPECT_TRUE(m.RichEdit1->toPlainText().contains("Animation Magic", Qt::CaseInsensitive));
}

TEST(Help, PictureOnTheCoverShowsTheMainPage) {
  Studio studio;
  TPbook1& m = studio.main();
  Studio::leftClick(m.Image5, QPoint(10, 10));
  EXPECT_EQ(m.PageControl1->currentWidget(), m.TabSheet1);
}

TEST(Help, GifNoticeIsAnError) {
  Studio studio;
  studio.dialogs().answerMessage("Gif utilities available at our website", ui::MsgResult::Ok);
  studio.main().notifygif();
  EXPECT_EQ(studio.dialogs().messages().at(0).caption, "Error");
}
