#include "tools/windows/Tgradform1.h"

Tgradform1::Tgradform1(QWidget* parent) : QWidget(parent) {
  setObjectName("Tgradform1");
  setWindowTitle("Use a stretch of gradient color ");
  setWindowFlag(Qt::Window);
}
