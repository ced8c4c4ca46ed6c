// Screen, program folder, case-insensitive file lookup, busy cursor and the
// application-level error report.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <memory>
#include <stdexcept>

#include "platform/ui/BusyCursor.h"
#include "platform/ui/ErrorReport.h"
#include "platform/ui/FileLookup.h"
#include "platform/ui/GuardedConnect.h"
#include "platform/ui/Services.h"
#include "support/ui/TestUi.h"

namespace {

void touch(const QString& path) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
}

}  // namespace

TEST(Environment, ScreenAndProgramFolderCanBeSetAndReset) {
  ui::Environment env;
  const QSize real = env.screenSize();
  EXPECT_GT(real.width(), 0);
  env.setScreenSize(QSize(640, 480));
  EXPECT_EQ(env.screenSize(), QSize(640, 480));
  env.setScreenSize(std::nullopt);
  EXPECT_EQ(env.screenSize(), real);

  EXPECT_TRUE(env.programFolder().endsWith('/'));
  EXPECT_EQ(env.programFolder(), QCoreApplication::applicationDirPath() + '/');
  env.setProgramFolder("/opt/studio");
  EXPECT_EQ(env.programFolder(), "/opt/studio/");
  env.setProgramFolder("/opt/studio/");
  EXPECT_EQ(env.programFolder(), "/opt/studio/");
}

TEST(FileLookup, NamesMatchInAnyLetterCase) {
  QTemporaryDir dir;
  touch(dir.filePath("Getting Started.RTF"));
  ASSERT_TRUE(QDir(dir.path()).mkpath("Bin"));
  touch(dir.filePath("Bin/B1.BMP"));

  EXPECT_EQ(ui::findFileNoCase(dir.path(), "GETTING STARTED.RTF"),
            dir.filePath("Getting Started.RTF"));
  EXPECT_EQ(ui::findFileNoCase(dir.path(), "getting started.rtf"),
            dir.filePath("Getting Started.RTF"));
  EXPECT_EQ(ui::findFileNoCase(dir.path(), "bin\\b1.bmp"), dir.filePath("Bin/B1.BMP"));
  EXPECT_EQ(ui::findFileNoCase(dir.path(), "bin/b1.bmp"), dir.filePath("Bin/B1.BMP"));
  EXPECT_EQ(ui::findFileNoCase(dir.path(), "PAINTHELP.RTF"), QString());
  EXPECT_EQ(ui::findFileNoCase(dir.path(), "bin\\b2.bmp"), QString());
  EXPECT_EQ(ui::findFileNoCase(dir.path() + "/missing", "b1.bmp"), QString());
  EXPECT_EQ(ui::findFileNoCase(dir.path(), ""), QString());
}

TEST(FileLookup, ExactSpellingWinsAndProgramFilesAreFound) {
  QTemporaryDir dir;
  touch(dir.filePath("Support.RTF"));
  touch(dir.filePath("SUPPORT.RTF"));
  EXPECT_EQ(ui::findFileNoCase(dir.path(), "SUPPORT.RTF"), dir.filePath("SUPPORT.RTF"));
  EXPECT_EQ(ui::findFileNoCase(dir.path(), "Support.RTF"), dir.filePath("Support.RTF"));

  testing_support::TestUi t(dir.path());
  EXPECT_EQ(ui::environment().programFile("support.rtf").isEmpty(), false);
  EXPECT_EQ(ui::environment().programFile("Web Pages.RTF"), QString());
}

TEST(BusyCursor, NestedGuardsRestoreTheCursor) {
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  {
    ui::BusyCursor outer;
    try {
      ui::BusyCursor inner;
      EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
      throw std::runtime_error("stop");
    } catch (const std::runtime_error&) {
    }
    EXPECT_TRUE(ui::BusyCursor::active());
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  }
  EXPECT_FALSE(ui::BusyCursor::active());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(ErrorReport, AnExceptionInAHandlerBecomesAnErrorBoxAndTheProgramGoesOn) {
  testing_support::TestUi t;
  QPushButton button;
  int after = 0;
  ui::connectGuarded(&button, &QPushButton::clicked, &button,
                     [] { throw std::runtime_error("Cannot open file \"x.bmp\""); });
  ui::connectGuarded(&button, &QPushButton::clicked, &button, [&] { ++after; });
  t.dialogs().answerMessage("Cannot open file \"x.bmp\"", ui::MsgResult::Ok);
  button.click();
  EXPECT_EQ(after, 1);
  const auto m = t.dialogs().messages();
  ASSERT_EQ(m.size(), 1u);
  EXPECT_EQ(m[0].caption, "Error");
  EXPECT_EQ(m[0].buttons, ui::MsgButtons::Ok);
}

namespace {

// A window's handlers: one takes the signal's argument, one fewer, one throws.
class Handlers : public QObject {
 public:
  int value = 0;
  int clicks = 0;
  void valueChanged(int v) { value = v; }
  void click() { ++clicks; }
  void fail() { throw std::runtime_error("Not enough memory"); }
};

}  // namespace

TEST(ErrorReport, MemberHandlersTakeWhatTheyNeedOfTheSignalAndTheirExceptionsAreReported) {
  testing_support::TestUi t;
  QSpinBox spin;
  QPushButton button;
  Handlers h;
  ui::connectGuarded(&spin, &QSpinBox::valueChanged, &h, &Handlers::valueChanged);
  ui::connectGuarded(&spin, &QSpinBox::valueChanged, &h, &Handlers::click);
  ui::connectGuarded(&button, &QPushButton::clicked, &h, &Handlers::fail);
  spin.setValue(7);
  EXPECT_EQ(h.value, 7);
  EXPECT_EQ(h.clicks, 1);
  t.dialogs().answerMessage("Not enough memory.", ui::MsgResult::Ok);
  button.click();
  ASSERT_EQ(t.dialogs().messages().size(), 1u);
  EXPECT_EQ(t.dialogs().messages()[0].text, "Not enough memory.");
}

TEST(ErrorReport, AQueuedHandlerIsGuardedAndSkippedOnceItsWindowIsGone) {
  testing_support::TestUi t;
  auto window = std::make_unique<QObject>();
  bool ran = false;
  ui::singleShotGuarded(0, window.get(), [&] { ran = true; });
  window.reset();
  QCoreApplication::processEvents();
  EXPECT_FALSE(ran);
  QObject other;
  ui::singleShotGuarded(0, &other, [] { throw std::runtime_error("Disk full"); });
  t.dialogs().answerMessage("Disk full.", ui::MsgResult::Ok);
  QCoreApplication::processEvents();
  EXPECT_EQ(t.dialogs().messages().size(), 1u);
}

TEST(ErrorReport, MessageTexts) {
  auto text = [](auto thrower) {
    try {
      thrower();
    } catch (...) {
      return ui::errorText(std::current_exception());
    }
    return QString();
  };
  EXPECT_EQ(text([] { throw std::runtime_error("Printing failed."); }), "Printing failed.");
  EXPECT_EQ(text([] { throw std::runtime_error("Bad file 7"); }), "Bad file 7.");
  EXPECT_EQ(text([] { throw 42; }), "Unknown error.");
  EXPECT_EQ(text([] { throw std::runtime_error(""); }), "Unknown error.");
}

TEST(ErrorReport, AFailingReportDoesNotThrow) {
  ui::ScriptedDialogs* bare = new ui::ScriptedDialogs;  // no hook: unscripted throws
  auto old = ui::services().setDialogs(std::unique_ptr<ui::UserDialogs>(bare));
  EXPECT_NO_THROW(ui::runGuarded([] { throw std::runtime_error("boom"); }));
  EXPECT_EQ(bare->failures().size(), 1);
  ui::services().setDialogs(std::move(old));
}
