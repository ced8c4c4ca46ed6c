#include "animation/windows/Tfolderdlg1.h"

Tfolderdlg1::Tfolderdlg1(QWidget* parent) : QDialog(parent) {
  setObjectName("Tfolderdlg1");
  setWindowTitle("Choose a folder");
}
