#include "app/Studio.h"

#include "app/Look.h"
#include "app/TPbook1.h"
#include "app/Windows.h"
#include "platform/ui/Application.h"
#include "platform/ui/GuardedConnect.h"
#include "platform/ui/WindowPlacement.h"

namespace app {

void startStudio(const StartOptions& options) {
  if (options.applyLook)
    if (auto* application = qobject_cast<QApplication*>(QCoreApplication::instance()))
      applyLook(*application);
  ui::keepWindowsOnScreen();
  createWindows();
  if (options.show) windows().Pbook1->show();
}

void stopStudio() { destroyWindows(); }

int runStudio(int argc, char** argv) {
  ui::Application application(argc, argv);
  QApplication::setApplicationName("Quillmoor");
  // An empty display name keeps the platform from appending " — Quillmoor" to
  // every caption: the windows' captions are their own, and the narrow tool
  // palette's "Tools" was cut to make room for the suffix.
  QApplication::setApplicationDisplayName(QStringLiteral(""));
  // Satellite windows may stay open; closing the main window ends the program.
  QApplication::setQuitOnLastWindowClosed(false);
  startStudio();
  ui::connectGuarded(windows().Pbook1, &TPbook1::closed, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
  const int result = QApplication::exec();
  stopStudio();
  return result;
}

}  // namespace app
