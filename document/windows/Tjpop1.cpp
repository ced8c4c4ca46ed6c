#include "document/windows/Tjpop1.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "platform/ui/GuardedConnect.h"
#include "platform/ui/Services.h"

Tjpop1::Tjpop1(QWidget* parent) : QDialog(parent) {
  setObjectName("Tjpop1");
  setWindowTitle("Jpeg Save Options");

  auto* heading = new QLabel(QStringLiteral("JPEG Save Options"), this);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  TrackBar1 = new QSlider(Qt::Horizontal, this);
  TrackBar1->setObjectName("TrackBar1");
  TrackBar1->setRange(10, 100);
  TrackBar1->setSingleStep(1);
  TrackBar1->setPageStep(10);
  TrackBar1->setTickInterval(10);
  TrackBar1->setTickPosition(QSlider::TicksBelow);
  TrackBar1->setValue(100);
  BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setDefault(true);
  ui::connectGuarded(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

  auto* hints = new QHBoxLayout;
  hints->addWidget(new QLabel(QStringLiteral("<-----   Smaller Files Less Quality"), this));
  hints->addStretch();
  hints->addWidget(new QLabel(QStringLiteral("Better Quality Larger Files ------>"), this));
  auto* ends = new QHBoxLayout;
  ends->addWidget(new QLabel(QStringLiteral("10%"), this));
  ends->addStretch();
  ends->addWidget(new QLabel(QStringLiteral("100%"), this));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addLayout(hints);
  layout->addWidget(TrackBar1);
  layout->addLayout(ends);
  layout->addWidget(BitBtn1, 0, Qt::AlignHCenter);

  adjustSize();
  const QSize screen = ui::environment().screenSize();
  move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

int Tjpop1::quality() const { return TrackBar1->value(); }

void Tjpop1::setQuality(int q) { TrackBar1->setValue(q); }
