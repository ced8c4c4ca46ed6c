#include "app/Tactivityfrm.h"

Tactivityfrm::Tactivityfrm(QWidget* parent) : QWidget(parent) {
  setObjectName("Tactivityfrm");
  setWindowTitle("Activity Assistant");
  setWindowFlag(Qt::Window);
}
