#include "tools/windows/TForm3.h"

TForm3::TForm3(QWidget* parent) : QWidget(parent) {
  setObjectName("TForm3");
  setWindowTitle("Tools");
  setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
}
