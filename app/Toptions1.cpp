#include "app/Toptions1.h"

Toptions1::Toptions1(QWidget* parent) : QWidget(parent) {
  setObjectName("Toptions1");
  setWindowTitle("Options");
  setWindowFlag(Qt::Window);
}
