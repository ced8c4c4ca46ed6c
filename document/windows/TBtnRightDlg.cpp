#include "document/windows/TBtnRightDlg.h"

TBtnRightDlg::TBtnRightDlg(QWidget* parent) : QDialog(parent) {
  setObjectName("TBtnRightDlg");
  setWindowTitle("New Image Size");
}
