#include "app/Taboutfrm1.h"

Taboutfrm1::Taboutfrm1(QWidget* parent) : QDialog(parent) {
  setObjectName("Taboutfrm1");
  setWindowTitle("About");
}
