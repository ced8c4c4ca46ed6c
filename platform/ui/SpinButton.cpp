#include "platform/ui/SpinButton.h"

#include <QBoxLayout>
#include <QToolButton>

namespace ui {

SpinButton::SpinButton(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
  const bool vertical = orientation == Qt::Vertical;
  up_->setObjectName(QStringLiteral("up"));
  down_->setObjectName(QStringLiteral("down"));
  up_->setArrowType(vertical ? Qt::UpArrow : Qt::LeftArrow);
  down_->setArrowType(vertical ? Qt::DownArrow : Qt::RightArrow);
  for (QToolButton* b : {up_, down_}) {
    b->setAutoRepeat(true);
    b->setAutoRaise(false);
    b->setFocusPolicy(Qt::NoFocus);
  }
  auto* layout = new QBoxLayout(vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(up_);
  layout->addWidget(down_);
  connect(up_, &QToolButton::clicked, this, &SpinButton::upClick);
  connect(down_, &QToolButton::clicked, this, &SpinButton::downClick);
}

void SpinButton::clickUp() { up_->click(); }
void SpinButton::clickDown() { down_->click(); }

}  // namespace ui
