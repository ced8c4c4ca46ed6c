#pragma once
// The studio's windows for the window benchmarks: started once per run as the
// program starts them, driven through the main window's public routines,
// controls found by objectName, and dialogs that answer as a user would.
#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QPoint>
#include <QString>
#include <optional>

#include "app/TPbook1.h"
#include "app/Windows.h"
#include "platform/ui/UserDialogs.h"

namespace bench_windows {

// Answers every question without a screen: the file dialogs give the path set
// last, "New Image Size" takes the size set last, overwriting is allowed and
// unsaved changes are dropped. Other message boxes are remembered, so a
// benchmark can stop with their text instead of timing a failure.
class BenchDialogs : public ui::UserDialogs {
 public:
  QString openPath;
  QString savePath;
  int newWidth = 4000;
  int newHeight = 4000;
  QString unexpected;  // the last message box that was not a routine question

  ui::MsgResult message(const ui::MessageBoxRequest& request) override;
  std::optional<gdi::TColor> chooseColor(gdi::TColor) override { return std::nullopt; }
  std::optional<gdi::Font> chooseFont(const gdi::Font&) override { return std::nullopt; }
  bool print(QPrinter&, const ui::PrintOptions&) override { return false; }
  bool printerSetup(QPrinter&) override { return false; }
  int runModal(QDialog& form) override;

 protected:
  std::optional<QString> askOpenFile(const ui::FileDialogOptions&) override { return openPath; }
  QStringList askOpenFiles(const ui::FileDialogOptions&) override { return {openPath}; }
  std::optional<QString> askSaveFile(const ui::FileDialogOptions&) override { return savePath; }
};

BenchDialogs& dialogs();
// The main window, shown on a 1600 x 1000 screen.
TPbook1& studio();

// The control or action with this objectName in any of the studio's windows.
template <class T>
T* find(const char* name) {
  studio();
  for (QWidget* w : app::windows().all())
    if (w)
      if (T* found = w->findChild<T*>(QString::fromLatin1(name))) return found;
  return nullptr;
}

}  // namespace bench_windows

namespace ui {
class ImageControl;
}

namespace bench_windows {

// The control that shows the picture.
ui::ImageControl& pictureControl();
// A mouse event on the picture, delivered with the repaint it causes.
void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held);

// Delivers what is pending, the repaints included.
void settle();
// Triggers the menu command or clicks the button with this objectName.
void command(const char* name);
// "New Image" at the given size.
void newImage(int width, int height);

// Resident memory of the process, in MiB.
double residentMiB();

}  // namespace bench_windows
