#include "animation/windows/Torightdlg.h"

Torightdlg::Torightdlg(QWidget* parent) : QDialog(parent) {
  setObjectName("Torightdlg");
  setWindowTitle("File names already in use ");
}
