#include "media/windows/TAVICAP.h"

TAVICAP::TAVICAP(QWidget* parent) : QWidget(parent) {
  setObjectName("TAVICAP");
  setWindowTitle("AVI Capture");
  setWindowFlag(Qt::Window);
}
