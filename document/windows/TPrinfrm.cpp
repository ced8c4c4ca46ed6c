#include "document/windows/TPrinfrm.h"

TPrinfrm::TPrinfrm(QWidget* parent) : QWidget(parent) {
  setObjectName("TPrinfrm");
  setWindowTitle("Print");
  setWindowFlag(Qt::Window);
}
