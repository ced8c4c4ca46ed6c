#include "platform/ui/MessagePump.h"

#include <QCoreApplication>

namespace ui {

void processMessages() {
  if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace ui
