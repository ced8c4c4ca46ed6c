#include "tools/windows/Tgradform1.h"

Tgradform1::Tgradform1(QWidget* parent) : QWidget(parent) {
  setObjectName("Tgradform1");
  setWindowTitle("Use a stretch of gradient color ");
  setWindowFlag(Qt::Window);
}

// The strip and the gradient list come with the gradient window itself.
void Tgradform1::stretchcolor() {}
void Tgradform1::setcolorstretch() {}
