#pragma once
// The spin edit: an integer edit with up and down buttons, MinValue,
// MaxValue and Increment, behaving as the program's handlers expect of the
// original control:
// - The buttons and setValue() keep the value within MinValue..MaxValue;
//   when both are equal (0 and 0 by default) there are no bounds.
// - A value typed in is kept as typed, even outside the bounds, until the
//   edit loses the focus; value() returns it meanwhile. This lets a change
//   handler apply its own rule (a line width above 90 set back to 90).
// - Text that is not a number reads as MinValue.
// - changed() is emitted on every change of the text.
// - It is as wide as the widest value within its bounds needs, buttons and
//   frame included; one without bounds is sized for five digits and a sign.
#include <QAbstractSpinBox>

namespace ui {

class SpinEdit : public QAbstractSpinBox {
  Q_OBJECT
 public:
  explicit SpinEdit(QWidget* parent = nullptr);

  int value() const;
  void setValue(int v);
  int minValue() const { return min_; }
  int maxValue() const { return max_; }
  void setMinValue(int v);
  void setMaxValue(int v);
  int increment() const { return increment_; }
  void setIncrement(int v) { increment_ = v; }
  // The value limited to the bounds (unchanged without bounds).
  int checkValue(int v) const;

  // Types `text` as the user would (for tests and programmatic edits).
  void setText(const QString& text);

  // The widest text the edit is sized to show whole.
  QString widestText() const;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  void stepBy(int steps) override;
  QValidator::State validate(QString& input, int& pos) const override;

 signals:
  void changed();

 protected:
  StepEnabled stepEnabled() const override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  int min_ = 0;
  int max_ = 0;
  int increment_ = 1;
};

}  // namespace ui
