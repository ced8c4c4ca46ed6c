#include "app/Toptions1.h"

#include "platform/ui/RadioGroup.h"

Toptions1::Toptions1(QWidget* parent) : QWidget(parent) {
  setObjectName("Toptions1");
  setWindowTitle("Options");
  setWindowFlag(Qt::Window);
  RadioGroup1 = new ui::RadioGroup(
      "Polygon Area  Options",
      {"Outline The New Shape Then Morf it", "Morf Into a Standard Shape",
       "Lighten the selected area", "Darken The selected area", "Blend the selected area"},
      this);
  RadioGroup1->setObjectName("RadioGroup1");
  RadioGroup1->setItemIndex(0);
  Panel5 = new QWidget(this);
  Panel5->setObjectName("Panel5");
  Panel5->hide();
}
