#include "animation/windows/Tmovwizfrm1.h"

Tmovwizfrm1::Tmovwizfrm1(QWidget* parent) : QWidget(parent) {
  setObjectName("Tmovwizfrm1");
  setWindowTitle("Movie Wizard");
  setWindowFlag(Qt::Window);
}
