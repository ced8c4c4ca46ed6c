#include "tools/windows/Tstation1.h"

Tstation1::Tstation1(QWidget* parent) : QWidget(parent) {
  setObjectName("Tstation1");
  setWindowTitle("Stationery Designer");
  setWindowFlag(Qt::Window);
}
