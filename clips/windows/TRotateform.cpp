#include "clips/windows/TRotateform.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <optional>

#include "app/interface/MainWindow.h"
#include "clips/engine/RotateSquare.h"
#include "platform/ui/Environment.h"
#include "platform/ui/GuardedConnect.h"
#include "platform/ui/Services.h"
#include "platform/ui/SpinEdit.h"

TRotateform::TRotateform(QWidget* parent) : QDialog(parent) {
  setObjectName("TRotateform");
  setWindowTitle("Rotate");

  Rlabel1 = new QLabel(QStringLiteral("Degrees of rotation (clockwise)"), this);
  Rlabel1->setObjectName("Rlabel1");
  rotedit1 = new ui::SpinEdit(this);
  rotedit1->setObjectName("rotedit1");
  rotedit1->setMinValue(0);
  rotedit1->setMaxValue(360);
  rotedit1->setValue(15);
  CheckBox1 = new QCheckBox(QStringLiteral("Enlarge the picture to fit"), this);
  CheckBox1->setObjectName("CheckBox1");
  Label1 = new QLabel(QStringLiteral("Corners that turn outside the picture are cut off."), this);
  Label1->setObjectName("Label1");
  Label1->setWordWrap(true);
  BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setDefault(true);
  BitBtn2 = new QPushButton(QStringLiteral("Cancel"), this);
  BitBtn2->setObjectName("BitBtn2");

  auto* grid = new QGridLayout(this);
  grid->addWidget(Rlabel1, 0, 0);
  grid->addWidget(rotedit1, 0, 1);
  grid->addWidget(CheckBox1, 1, 0, 1, 2);
  grid->addWidget(Label1, 2, 0, 1, 2);
  grid->addWidget(BitBtn1, 3, 0);
  grid->addWidget(BitBtn2, 3, 1);

  ui::connectGuarded(BitBtn1, &QPushButton::clicked, this, &TRotateform::BitBtn1Click);
  ui::connectGuarded(BitBtn2, &QPushButton::clicked, this, &TRotateform::BitBtn2Click);
  FormCreate();
}

void TRotateform::FormCreate() {
  adjustSize();
  const QSize screen = ui::environment().screenSize();
  move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

void TRotateform::BitBtn2Click() { reject(); }

void TRotateform::BitBtn1Click() {
  hide();
  app::MainWindow& main = app::mainWindow();
  main.prepareRotation();
  if (CheckBox1->isChecked()) resizeit();
  main.showProgress();
  clips::rotatePicture(main.undoCopy(), main.picture(), rotedit1->value(), main.progressStep());
  main.pictureChanged();
  main.hideProgress();
  accept();
}

void TRotateform::resizeit() {
  app::MainWindow& main = app::mainWindow();
  if (std::optional<gdi::Bitmap> square = clips::enlargedForRotation(main.undoCopy()))
    main.takeRotationSquare(*square);
}
