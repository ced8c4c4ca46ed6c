#pragma once
// The studio started in-process for window tests, exactly as the program
// starts it (app::startStudio), with the test services in place: scripted
// dialogs, the memory clipboard, a fixed screen size and a program folder.
// Everything is torn down when the object ends.
//
//   testing_support::Studio studio;                       // 1024 x 768, built program folder
//   studio.dialogs().answerMessage("Save changes to TEMP.BMP?", ui::MsgResult::No);
//   studio.find<QToolButton>("ToolButton13")->click();
//   EXPECT_EQ(studio.main().picture().width(), 400);
#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>
#include <optional>

#include "app/TPbook1.h"
#include "app/Windows.h"
#include "support/ui/TestUi.h"

namespace testing_support {

struct StudioOptions {
  QSize screen{1024, 768};
  // Empty: the program folder of the build (help pages, glyphs, patterns).
  QString programFolder;
  bool show = true;
};

// The default options on a screen of `width` x `height`.
inline StudioOptions onScreen(int width, int height) {
  StudioOptions o;
  o.screen = QSize(width, height);
  return o;
}

class Studio {
 public:
  explicit Studio(const StudioOptions& options = {});
  ~Studio();
  Studio(const Studio&) = delete;
  Studio& operator=(const Studio&) = delete;

  TestUi& ui() { return ui_; }
  ui::ScriptedDialogs& dialogs() { return ui_.dialogs(); }
  ui::MemoryClipboard& clipboard() { return ui_.clipboard(); }
  TPbook1& main() { return *app::windows().Pbook1; }

  // The control with this objectName in any of the studio's windows (the
  // main window first); null when there is none.
  template <class T = QWidget>
  T* find(const QString& name) const {
    for (QWidget* w : app::windows().all()) {
      if (!w) continue;
      if (w->objectName() == name)
        if (auto* self = qobject_cast<T*>(w)) return self;
      if (auto* child = w->findChild<T*>(name)) return child;
    }
    return nullptr;
  }

  // A left click at `at` (the centre when not given), as press and release.
  static void leftClick(QWidget* widget, std::optional<QPoint> at = std::nullopt);

  // The folder the build copies the program's files into.
  static QString builtProgramFolder();
  // A folder for test files, removed with this object.
  QString tempPath(const QString& name = {}) const { return ui_.tempPath(name); }

 private:
  TestUi ui_;
};

}  // namespace testing_support
