#include "document/windows/TResizeForm.h"

TResizeForm::TResizeForm(QWidget* parent) : QDialog(parent) {
  setObjectName("TResizeForm");
  setWindowTitle("Resize Image");
}
