#include "clips/windows/Tshapeform.h"

Tshapeform::Tshapeform(QWidget* parent) : QWidget(parent) {
  setObjectName("Tshapeform");
  setWindowTitle("Morf Paste");
  setWindowFlag(Qt::Window);
}
