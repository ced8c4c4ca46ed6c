#include "app/Studio.h"

#include <QApplication>

#include "app/TPbook1.h"

namespace app {

int runStudio(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Quillmoor");
  QApplication::setApplicationDisplayName("Quillmoor");
  TPbook1 mainWindow;
  mainWindow.show();
  return QApplication::exec();
}

}  // namespace app
