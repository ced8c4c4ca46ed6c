#include "platform/ui/RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace ui {

RadioGroup::RadioGroup(QWidget* parent)
    : QGroupBox(parent), group_(new QButtonGroup(this)), grid_(new QGridLayout(this)) {
  connect(group_, &QButtonGroup::idClicked, this, [this](int id) { setItemIndex(id); });
}

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : RadioGroup(parent) {
  setTitle(caption);
  setItems(items);
}

void RadioGroup::setItems(const QStringList& items) {
  for (QAbstractButton* b : group_->buttons()) {
    group_->removeButton(b);
    delete b;
  }
  items_ = items;
  for (int i = 0; i < items.size(); ++i) {
    auto* b = new QRadioButton(items[i], this);
    b->setObjectName(objectName() + QStringLiteral("_item%1").arg(i));
    group_->addButton(b, i);
  }
  index_ = -1;
  layOut();
}

void RadioGroup::setColumns(int columns) {
  columns_ = std::max(1, columns);
  layOut();
}

void RadioGroup::layOut() {
  const QList<QAbstractButton*> buttons = group_->buttons();
  const int n = int(buttons.size());
  const int rows = (n + columns_ - 1) / columns_;
  for (int i = 0; i < n; ++i)
    grid_->addWidget(group_->button(i), rows ? i % rows : 0, rows ? i / rows : 0);
}

QRadioButton* RadioGroup::button(int index) const {
  return qobject_cast<QRadioButton*>(group_->button(index));
}

void RadioGroup::setItemIndex(int index) {
  if (index < 0 || index >= items_.size()) index = -1;
  if (index == index_) {
    if (index >= 0) button(index)->setChecked(true);
    return;
  }
  index_ = index;
  if (index < 0) {
    // An exclusive group cannot uncheck its last button.
    group_->setExclusive(false);
    for (QAbstractButton* b : group_->buttons()) b->setChecked(false);
    group_->setExclusive(true);
  } else {
    button(index)->setChecked(true);
  }
  emit clicked();
}

}  // namespace ui
