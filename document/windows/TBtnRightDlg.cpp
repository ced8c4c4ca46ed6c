#include "document/windows/TBtnRightDlg.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "platform/ui/GuardedConnect.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/Services.h"
#include "platform/ui/SpinEdit.h"

namespace {

struct FrameSize {
  const char* text;
  int width;
  int height;
};

const std::array<FrameSize, 10> kSizes{{
    {"176 x 144  Standard Netshow Frame Size (Must be divisible by 16)", 176, 144},
    {"352x288   Doubled Netshow Size. Suitable for High speed connection.", 352, 288},
    {"320x240 Full Screen VGA  or suitable for small window in HTML if compressed", 320, 240},
    {"400x400  Typical all round AVI size", 400, 400},
    {"468x60  Standard Web Ad Banner Size", 468, 60},
    {"640x480 Full Screen SVGA 1 (too large for modem data transfer at 56k)", 640, 480},
    {"800x600 Full Screen SVGA 2 (High Resolution. Huge storage requirements)", 800, 600},
    {"1024x768 Full Screen SVGA 3 (High Resolution. Suitable for Backgrounds)", 1024, 768},
    {"850x1100 Standard Letter Size (requires plenty of RAM, 64 MB recommended)", 850, 1100},
    {"827x1100 Standard FAX Size (requires plenty of RAM, 64 MB recommended)", 827, 1100},
}};

ui::SpinEdit* sideSpin(QWidget* parent, const char* name, int value) {
  auto* spin = new ui::SpinEdit(parent);
  spin->setObjectName(name);
  spin->setMinValue(0);
  spin->setMaxValue(TBtnRightDlg::kMaxSide);
  spin->setIncrement(10);
  spin->setValue(value);
  return spin;
}

}  // namespace

TBtnRightDlg::TBtnRightDlg(QWidget* parent) : QDialog(parent) {
  setObjectName("TBtnRightDlg");
  setWindowTitle("New Image Size");
  setWindowFlag(Qt::WindowStaysOnTopHint);

  SpinEdit1 = sideSpin(this, "SpinEdit1", 640);
  SpinEdit2 = sideSpin(this, "SpinEdit2", 480);
  QStringList items;
  for (const FrameSize& s : kSizes) items << QString::fromLatin1(s.text);
  RadioButton1 =
      new ui::RadioGroup(QStringLiteral("Standard Image and Movie Frame Sizes"), items, this);
  RadioButton1->setObjectName("RadioButton1");
  RadioButton1->setItemIndex(5);
  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setObjectName("OKBtn");
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
  CancelBtn->setObjectName("CancelBtn");

  auto* spins = new QHBoxLayout;
  spins->addWidget(new QLabel(QStringLiteral("Width"), this));
  spins->addWidget(SpinEdit1);
  spins->addWidget(new QLabel(QStringLiteral("Height"), this));
  spins->addWidget(SpinEdit2);
  spins->addStretch();
  auto* left = new QVBoxLayout;
  left->addLayout(spins);
  left->addWidget(RadioButton1);
  auto* right = new QVBoxLayout;
  right->addWidget(OKBtn);
  right->addWidget(CancelBtn);
  right->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(right);

  ui::connectGuarded(RadioButton1, &ui::RadioGroup::clicked, this,
                     &TBtnRightDlg::RadioButton1Click);
  ui::connectGuarded(OKBtn, &QPushButton::clicked, this, &TBtnRightDlg::OKBtnClick);
  ui::connectGuarded(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

  adjustSize();
  const QSize screen = ui::environment().screenSize();
  move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

void TBtnRightDlg::RadioButton1Click() {
  const int i = RadioButton1->itemIndex();
  if (i < 0 || i >= int(kSizes.size())) return;
  SpinEdit1->setValue(kSizes[std::size_t(i)].width);
  SpinEdit2->setValue(kSizes[std::size_t(i)].height);
}

void TBtnRightDlg::FormShow() {
  const int i = RadioButton1->itemIndex();
  // The letter and fax sizes are not applied again; the banner comes back
  // a little smaller.
  if (i == 8 || i == 9) return;
  if (i == 4) {
    SpinEdit1->setValue(460);
    SpinEdit2->setValue(55);
    return;
  }
  RadioButton1Click();
}

void TBtnRightDlg::OKBtnClick() {
  SpinEdit1->setValue(std::clamp(SpinEdit1->value(), kMinSide, kMaxSide));
  SpinEdit2->setValue(std::clamp(SpinEdit2->value(), kMinSide, kMaxSide));
  accept();
}

bool TBtnRightDlg::execute() {
  FormShow();
  return ui::dialogs().runModal(*this) == QDialog::Accepted;
}
