#include "document/windows/TResizeForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <iterator>

#include "app/interface/MainWindow.h"
#include "platform/gdi/Bitmap.h"
#include "platform/ui/ErrorReport.h"
#include "platform/ui/GuardedConnect.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/Services.h"
#include "platform/ui/SpinEdit.h"

TResizeForm::TResizeForm(QWidget* parent) : QDialog(parent) {
  setObjectName("TResizeForm");
  setWindowTitle("Resize Image");

  auto sizeSpin = [this](const char* name) {
    auto* s = new ui::SpinEdit(this);
    s->setObjectName(QString::fromLatin1(name));
    s->setMinValue(0);
    s->setMaxValue(gdi::Bitmap::kMaxSide);
    return s;
  };
  SpinEdit1 = sizeSpin("SpinEdit1");
  SpinEdit2 = sizeSpin("SpinEdit2");
  auto stepButton = [this](const char* name, const QString& text, const QString& hint) {
    auto* b = new QToolButton(this);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setToolTip(hint);
    return b;
  };
  SpeedButton1 =
      stepButton("SpeedButton1", QStringLiteral("x 2"), QStringLiteral("Double the size"));
  SpeedButton2 =
      stepButton("SpeedButton2", QStringLiteral("1/2"), QStringLiteral("Halve the size"));

  QStringList presets;
  for (const PresetSize& p : kPresets)
    presets << QStringLiteral("%1 x %2").arg(p.width).arg(p.height);
  presets << QStringLiteral("Custom");
  RadioGroup1 = new ui::RadioGroup(QStringLiteral("Preset Sizes"), presets, this);
  RadioGroup1->setObjectName("RadioGroup1");
  RadioGroup1->setColumns(3);
  RadioGroup2 =
      new ui::RadioGroup(QStringLiteral("Method"),
                         {QStringLiteral("Smooth when halving"), QStringLiteral("Stretch")}, this);
  RadioGroup2->setObjectName("RadioGroup2");
  RadioGroup2->setItemIndex(0);

  BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setDefault(true);
  BitBtn2 = new QPushButton(QStringLiteral("Cancel"), this);
  BitBtn2->setObjectName("BitBtn2");

  auto* sizes = new QGridLayout;
  sizes->addWidget(new QLabel(QStringLiteral("Width"), this), 0, 0);
  sizes->addWidget(SpinEdit1, 0, 1);
  sizes->addWidget(SpeedButton1, 0, 2);
  sizes->addWidget(new QLabel(QStringLiteral("Height"), this), 1, 0);
  sizes->addWidget(SpinEdit2, 1, 1);
  sizes->addWidget(SpeedButton2, 1, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(BitBtn1);
  buttons->addWidget(BitBtn2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(sizes);
  layout->addWidget(RadioGroup1);
  layout->addWidget(RadioGroup2);
  layout->addLayout(buttons);

  ui::connectGuarded(RadioGroup1, &ui::RadioGroup::clicked, this, [this] { RadioGroup1Click(); });
  ui::connectGuarded(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
  ui::connectGuarded(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });
  ui::connectGuarded(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
  ui::connectGuarded(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

  FormShow();
  adjustSize();
  const QSize screen = ui::environment().screenSize();
  move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

void TResizeForm::FormShow() {
  if (app::MainWindow* main = app::findMainWindow()) {
    SpinEdit1->setValue(main->picture().width());
    SpinEdit2->setValue(main->picture().height());
  }
  RadioGroup1->setItemIndex(kNeutralPreset);
  resized = false;
}

bool TResizeForm::execute() {
  FormShow();
  return ui::dialogs().runModal(*this) == QDialog::Accepted;
}

void TResizeForm::RadioGroup1Click() {
  const int i = RadioGroup1->itemIndex();
  if (i < 0 || i >= int(std::size(kPresets))) return;
  SpinEdit1->setValue(kPresets[i].width);
  SpinEdit2->setValue(kPresets[i].height);
}

void TResizeForm::SpeedButton1Click() {
  SpinEdit1->setValue(SpinEdit1->value() * 2);
  SpinEdit2->setValue(SpinEdit2->value() * 2);
}

void TResizeForm::SpeedButton2Click() {
  for (ui::SpinEdit* s : {SpinEdit1, SpinEdit2})
    if (s->value() > 0) s->setValue(s->value() / 2);
}
