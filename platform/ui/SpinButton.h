#pragma once
// The spin button: an up and a down arrow with no edit, each click (and
// each repeat while held) reported to the owner, which decides what a step
// means.
#include <QWidget>

class QToolButton;

namespace ui {

class SpinButton : public QWidget {
  Q_OBJECT
 public:
  explicit SpinButton(Qt::Orientation orientation = Qt::Vertical, QWidget* parent = nullptr);

  QToolButton* upButton() const { return up_; }
  QToolButton* downButton() const { return down_; }
  // A click of one arrow, as the user would.
  void clickUp();
  void clickDown();

 signals:
  void upClick();
  void downClick();

 private:
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace ui
