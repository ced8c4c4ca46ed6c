#include "animation/windows/TScreentest1.h"

TScreentest1::TScreentest1(QWidget* parent) : QWidget(parent) {
  setObjectName("TScreentest1");
  setWindowTitle("Preview");
  setWindowFlag(Qt::Window);
}
