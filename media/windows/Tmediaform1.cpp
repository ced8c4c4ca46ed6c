#include "media/windows/Tmediaform1.h"

Tmediaform1::Tmediaform1(QWidget* parent) : QWidget(parent) {
  setObjectName("Tmediaform1");
  setWindowTitle("Multimedia Player");
  setWindowFlag(Qt::Window);
}
