#include "media/windows/Taviwin.h"

Taviwin::Taviwin(QWidget* parent) : QWidget(parent) {
  setObjectName("Taviwin");
  setWindowTitle("Movie Display Window");
  setWindowFlag(Qt::Window);
}
