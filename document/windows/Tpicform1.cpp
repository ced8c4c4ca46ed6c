#include "document/windows/Tpicform1.h"

Tpicform1::Tpicform1(QWidget* parent) : QWidget(parent) {
  setObjectName("Tpicform1");
  setWindowTitle("Image Browser");
  setWindowFlag(Qt::Window);
}
