#pragma once
// The radio group: a framed column (or columns) of radio buttons whose
// chosen item is ItemIndex (-1 for none).
#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QGridLayout;
class QRadioButton;

namespace ui {

class RadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  explicit RadioGroup(QWidget* parent = nullptr);
  RadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);

  QStringList items() const { return items_; }
  // Replaces the buttons; the item index becomes -1.
  void setItems(const QStringList& items);
  int itemIndex() const { return index_; }
  // Out-of-range values choose nothing (-1).
  void setItemIndex(int index);
  int columns() const { return columns_; }
  void setColumns(int columns);
  QRadioButton* button(int index) const;

 signals:
  // The item index changed, by a click or by code, as the program's
  // handlers expect from the original control.
  void clicked();

 private:
  void layOut();

  QStringList items_;
  int index_ = -1;
  int columns_ = 1;
  QButtonGroup* group_;
  QGridLayout* grid_;
};

}  // namespace ui
