#include "animation/windows/Twizwiz1.h"

Twizwiz1::Twizwiz1(QWidget* parent) : QWidget(parent) {
  setObjectName("Twizwiz1");
  setWindowTitle("Wizard Support");
  setWindowFlag(Qt::Window);
}
