#include "app/Tclpform1.h"

Tclpform1::Tclpform1(QWidget* parent) : QDialog(parent) {
  setObjectName("Tclpform1");
  setWindowTitle("Message");
}
