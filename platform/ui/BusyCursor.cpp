#include "platform/ui/BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace ui {

namespace {
int depth = 0;
bool haveGui() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }
}  // namespace

BusyCursor::BusyCursor() {
  ++depth;
  if (haveGui()) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    set_ = true;
  }
}

BusyCursor::~BusyCursor() {
  --depth;
  if (set_ && haveGui()) QGuiApplication::restoreOverrideCursor();
}

bool BusyCursor::active() { return depth > 0; }

}  // namespace ui
