#include "animation/windows/Tanwizfrm1.h"

Tanwizfrm1::Tanwizfrm1(QWidget* parent) : QWidget(parent) {
  setObjectName("Tanwizfrm1");
  setWindowTitle("Animation Wizard");
  setWindowFlag(Qt::Window);
}
