#include "document/windows/Tmessform.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ui/GuardedConnect.h"
#include "platform/ui/Services.h"

Tmessform::Tmessform(QWidget* parent) : QDialog(parent) {
  setObjectName("Tmessform");
  setWindowTitle("Message");
  setWindowFlag(Qt::WindowStaysOnTopHint);
  Label1 = new QLabel(QStringLiteral("Unable to complete Request"), this);
  Label1->setObjectName("Label1");
  Label2 = new QLabel(this);
  Label2->setObjectName("Label2");
  Label3 = new QLabel(this);
  Label3->setObjectName("Label3");
  Label3->setWordWrap(true);
  Label3->setTextInteractionFlags(Qt::TextSelectableByMouse);
  BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setDefault(true);
  ui::connectGuarded(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addWidget(Label2);
  layout->addWidget(Label3);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(BitBtn1);
  buttons->addStretch();
  layout->addLayout(buttons);
}

void Tmessform::showReason(const QString& reason, const QString& detail) {
  Label2->setText(reason);
  Label3->setText(detail);
  Label3->setVisible(!detail.isEmpty());
  ui::dialogs().runModal(*this);
}
