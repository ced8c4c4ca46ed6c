#include "tools/windows/TTextmemoform.h"

TTextmemoform::TTextmemoform(QWidget* parent) : QWidget(parent) {
  setObjectName("TTextmemoform");
  setWindowTitle("Multiple Line Text");
  setWindowFlag(Qt::Window);
}
