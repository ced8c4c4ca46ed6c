#include "tools/windows/TTextMakerForm.h"

TTextMakerForm::TTextMakerForm(QWidget* parent) : QWidget(parent) {
  setObjectName("TTextMakerForm");
  setWindowTitle("Rotated and 3D Text");
  setWindowFlag(Qt::Window);
}
