#include "media/windows/TALmaker.h"

TALmaker::TALmaker(QWidget* parent) : QWidget(parent) {
  setObjectName("TALmaker");
  setWindowTitle("Play List Maker");
  setWindowFlag(Qt::Window);
}
