#include "document/windows/Tjpop1.h"

Tjpop1::Tjpop1(QWidget* parent) : QWidget(parent) {
  setObjectName("Tjpop1");
  setWindowTitle("Jpeg Save Options");
  setWindowFlag(Qt::Window);
}
