#include "animation/windows/TAnimCap1.h"

TAnimCap1::TAnimCap1(QWidget* parent) : QWidget(parent) {
  setObjectName("TAnimCap1");
  setWindowTitle("Animation Manager");
  setWindowFlag(Qt::Window);
}
