#include "clips/windows/Tcapformdlg.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "platform/ui/GuardedConnect.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/QtBitmap.h"
#include "platform/ui/Services.h"

Tcapformdlg::Tcapformdlg(QWidget* parent) : QDialog(parent) {
  setObjectName("Tcapformdlg");
  setWindowTitle("Capture screen");
  setWindowFlag(Qt::WindowStaysOnTopHint);

  Image1 = new ui::ImageControl(this);
  Image1->setObjectName("Image1");
  Image1->setAutoSize(true);
  const QImage icon = style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(32, 32).toImage();
  if (!icon.isNull()) Image1->setBitmap(ui::toBitmap(icon));
  Label1 = new QLabel(QStringLiteral("Press OK to capture screen."), this);
  Label1->setObjectName("Label1");
  BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setDefault(true);
  BitBtn2 = new QPushButton(QStringLiteral("Cancel"), this);
  BitBtn2->setObjectName("BitBtn2");
  ui::connectGuarded(BitBtn1, &QPushButton::clicked, this, &Tcapformdlg::BitBtn1Click);
  ui::connectGuarded(BitBtn2, &QPushButton::clicked, this, &Tcapformdlg::BitBtn2Click);

  auto* top = new QHBoxLayout;
  top->addWidget(Image1);
  top->addWidget(Label1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(BitBtn1);
  buttons->addWidget(BitBtn2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(buttons);

  adjustSize();
  const QSize screen = ui::environment().screenSize();
  move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

int Tcapformdlg::execute() { return ui::dialogs().runModal(*this); }
