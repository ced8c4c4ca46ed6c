#include "app/Tclpform1.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Windows.h"
#include "app/interface/MainWindow.h"
#include "platform/ui/ErrorReport.h"
#include "platform/ui/GuardedConnect.h"
#include "platform/ui/Services.h"

Tclpform1::Tclpform1(QWidget* parent) : QDialog(parent) {
  setObjectName("Tclpform1");
  setWindowTitle("Message");
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setModal(false);

  Label1 = new QLabel("Clipboard in use or Clipboard Format Not availilable", this);
  Label1->setObjectName("Label1");
  Label1->setWordWrap(true);
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setMinimumWidth(280);

  BitBtn1 = new QPushButton("OK", this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setDefault(true);
  BitBtn2 = new QPushButton("Try and Free it", this);
  BitBtn2->setObjectName("BitBtn2");
  ui::connectGuarded(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
  ui::connectGuarded(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(BitBtn2);
  buttons->addWidget(BitBtn1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(18, 18, 18, 14);
  layout->setSpacing(16);
  layout->addWidget(Label1);
  layout->addLayout(buttons);
  adjustSize();

  // Centred on the screen once, when created.
  const QSize screen = ui::environment().screenSize();
  move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

void Tclpform1::BitBtn1Click() { close(); }

// Lets go of the clipboard and empties it, so another program's stale claim
// no longer blocks copying.
void Tclpform1::BitBtn2Click() { ui::clipboard().clear(); }

namespace app {

void showClipboardMessage() {
  Tclpform1* form = windows().clpform1;
  if (!form) return;
  form->Label1->setText("Clipboard Not Available or Empty");
  form->show();
  form->raise();
}

}  // namespace app
