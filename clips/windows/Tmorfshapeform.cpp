#include "clips/windows/Tmorfshapeform.h"

Tmorfshapeform::Tmorfshapeform(QWidget* parent) : QWidget(parent) {
  setObjectName("Tmorfshapeform");
  setWindowTitle("Morf Shapes");
  setWindowFlag(Qt::Window);
}
