#include "app/Toptions1.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/Windows.h"
#include "app/interface/MainWindow.h"
#include "clips/engine/AreaTone.h"
#include "clips/windows/Tmorfshapeform.h"
#include "platform/ui/GuardedConnect.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/SpinEdit.h"
#include "tools/windows/TForm3.h"

Toptions1::Toptions1(QWidget* parent) : QWidget(parent) {
  setObjectName("Toptions1");
  setWindowTitle("Options");
  setWindowFlag(Qt::Window);
  setWindowFlag(Qt::WindowStaysOnTopHint);

  Panel4 = new QFrame(this);
  Panel4->setObjectName("Panel4");
  RadioGroup1 = new ui::RadioGroup(
      "Polygon Area  Options",
      {"Outline The New Shape Then Morf it", "Morf Into a Standard Shape",
       "Lighten the selected area", "Darken The selected area", "Blend the selected area"},
      Panel4);
  RadioGroup1->setObjectName("RadioGroup1");
  RadioGroup1->setItemIndex(OutlineMorph);

  Panel5 = new QFrame(Panel4);
  Panel5->setObjectName("Panel5");
  Panel5->setFrameShape(QFrame::StyledPanel);
  Label1 = new QLabel("Steps", Panel5);
  Label1->setObjectName("Label1");
  Label2 = new QLabel(" 1 to 64 ", Panel5);
  Label2->setObjectName("Label2");
  SpinEdit2 = new ui::SpinEdit(Panel5);
  SpinEdit2->setObjectName("SpinEdit2");
  SpinEdit2->setMinValue(clips::kAreaStepsMin);
  SpinEdit2->setMaxValue(clips::kAreaStepsMax);
  SpinEdit2->setValue(clips::kAreaStepsDefault);
  auto* steps = new QHBoxLayout(Panel5);
  steps->addWidget(Label1);
  steps->addWidget(Label2);
  steps->addStretch();
  steps->addWidget(SpinEdit2);
  Panel5->hide();

  auto* choices = new QVBoxLayout(Panel4);
  choices->setContentsMargins(0, 0, 0, 0);
  choices->addWidget(RadioGroup1);
  choices->addWidget(Panel5);
  Panel4->hide();

  BitBtn1 = new QPushButton("Ok", this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setDefault(true);
  BitBtn2 = new QPushButton("Cancel", this);
  BitBtn2->setObjectName("BitBtn2");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(BitBtn1);
  buttons->addWidget(BitBtn2);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 10, 10, 10);
  layout->addWidget(Panel4);
  layout->addLayout(buttons);
  // The window follows what it shows: the choices, and the steps with them.
  layout->setSizeConstraint(QLayout::SetFixedSize);

  ui::connectGuarded(RadioGroup1, &ui::RadioGroup::clicked, this, &Toptions1::RadioGroup1Click);
  ui::connectGuarded(BitBtn1, &QPushButton::clicked, this, &Toptions1::BitBtn1Click);
  ui::connectGuarded(BitBtn2, &QPushButton::clicked, this, &Toptions1::BitBtn2Click);
}

// Only the lighten, darken and blend choices show the steps; nothing hides them.
void Toptions1::RadioGroup1Click() {
  if (RadioGroup1->itemIndex() >= LightenArea) Panel5->show();
}

void Toptions1::FormShow() { RadioGroup1Click(); }

void Toptions1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FormShow();
}

void Toptions1::BitBtn1Click() {
  app::MainWindow& main = app::mainWindow();
  TForm3& palette = *app::windows().Form3;
  Panel4->hide();
  const int steps = SpinEdit2->value();
  switch (RadioGroup1->itemIndex()) {
    case OutlineMorph:
      // The next outline the user draws is the shape the picture is poured into.
      main.endAreaOptions(true, true);
      palette.BitBtn8->click();
      break;
    case StandardShape:
      main.endAreaOptions(true, false);
      palette.CurTool = 109;
      if (Tmorfshapeform* shapes = app::windows().morfshapeform) shapes->show();
      break;
    case LightenArea:
    case DarkenArea:
      // The morph waiting for this choice is not wanted any more: a paste
      // must take the clipboard's bitmap again.
      main.endAreaOptions(false, false);
      main.lightenit(RadioGroup1->itemIndex() == LightenArea, steps);
      break;
    case BlendArea:
      main.endAreaOptions(false, false);
      main.doclipblend(steps);
      break;
    default:
      main.endAreaOptions(false, false);
      break;
  }
  hide();
}

void Toptions1::BitBtn2Click() {
  app::mainWindow().endAreaOptions(false, false);
  Panel4->hide();
  Panel5->hide();
  hide();
}
