#include "app/Studio.h"

#include "platform/ui/Application.h"

#include "app/TPbook1.h"
#include "app/Windows.h"

namespace app {

int runStudio(int argc, char** argv) {
  ui::Application application(argc, argv);
  QApplication::setApplicationName("Quillmoor");
  QApplication::setApplicationDisplayName("Quillmoor");
  createWindows();
  windows().Pbook1->show();
  const int result = QApplication::exec();
  destroyWindows();
  return result;
}

}  // namespace app
