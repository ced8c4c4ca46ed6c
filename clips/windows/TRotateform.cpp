#include "clips/windows/TRotateform.h"

TRotateform::TRotateform(QWidget* parent) : QDialog(parent) {
  setObjectName("TRotateform");
  setWindowTitle("Rotate");
}
