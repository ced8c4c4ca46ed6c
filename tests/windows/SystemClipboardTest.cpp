// The studio on the real Qt clipboard, which another program has filled
// with text: every command that looks for a bitmap says there is none and
// leaves the text alone; a copy replaces it, as the user asked.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QToolButton>
#include <memory>

#include "app/Tclpform1.h"
#include "document/windows/Tpicform1.h"
#include "platform/ui/QtClipboard.h"
#include "platform/ui/Services.h"
#include "support/windows/StudioFixture.h"
#include "tools/windows/TForm3.h"

using testing_support::Studio;

namespace {

// The Qt clipboard in place of the test double for the life of the object.
class OnTheSystemClipboard {
 public:
  OnTheSystemClipboard()
      : double_(ui::services().setClipboard(std::make_unique<ui::QtClipboard>())) {}
  ~OnTheSystemClipboard() { ui::services().setClipboard(std::move(double_)); }
  OnTheSystemClipboard(const OnTheSystemClipboard&) = delete;
  OnTheSystemClipboard& operator=(const OnTheSystemClipboard&) = delete;

 private:
  std::unique_ptr<ui::Clipboard> double_;
};

QClipboard& systemClipboard() { return *QGuiApplication::clipboard(); }

}  // namespace

TEST(SystemClipboard, LookingForABitmapLeavesAnotherProgramsTextAlone) {
  Studio studio;
  OnTheSystemClipboard real;
  TPbook1& m = studio.main();
  Tclpform1& message = *app::windows().clpform1;
  systemClipboard().setText("hello");

  m.pbpastebut1->setEnabled(true);
  m.pbpastebut1->click();  // Paste
  EXPECT_TRUE(message.isVisible());
  EXPECT_EQ(message.Label1->text(), "Clipboard Not Available or Empty");
  EXPECT_TRUE(m.pastepanel1->isHidden());
  EXPECT_EQ(systemClipboard().text(), "hello");

  message.close();
  m.pbpastetobut1->setEnabled(true);
  m.pbpastetobut1->click();  // Paste to File
  EXPECT_TRUE(message.isVisible());
  EXPECT_EQ(systemClipboard().text(), "hello");

  // "Replace a color with clipboard" on a click.
  studio.dialogs().answerMessage("Clipboard not available", ui::MsgResult::Ok);
  m.clipreplace(gdi::clWhite);
  EXPECT_EQ(systemClipboard().text(), "hello");

  // New and Load ask the clipboard too.
  m.opeImfile();
  app::windows().picform1->close();
  EXPECT_EQ(systemClipboard().text(), "hello");
  EXPECT_TRUE(studio.dialogs().failures().isEmpty());

  // Copy Entire Image puts the picture there, in place of the text.
  m.ToolButton7->click();
  EXPECT_TRUE(systemClipboard().text().isEmpty());
  EXPECT_TRUE(systemClipboard().mimeData()->hasFormat("image/png"));
  EXPECT_EQ(ui::clipboard().bitmap(), m.picture());
}
