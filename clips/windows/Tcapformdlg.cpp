#include "clips/windows/Tcapformdlg.h"

Tcapformdlg::Tcapformdlg(QWidget* parent) : QDialog(parent) {
  setObjectName("Tcapformdlg");
  setWindowTitle("Capture screen");
}
