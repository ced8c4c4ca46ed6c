#include "platform/ui/SpinEdit.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <limits>

#include "platform/ui/TextFit.h"

namespace ui {

namespace {
// Without bounds: picture coordinates, which stay within five digits.
constexpr int kUnboundedWidest = 99999;
}  // namespace

SpinEdit::SpinEdit(QWidget* parent) : QAbstractSpinBox(parent) {
  lineEdit()->setText(QStringLiteral("0"));
  connect(lineEdit(), &QLineEdit::textChanged, this, [this] { emit changed(); });
}

int SpinEdit::value() const {
  bool ok = false;
  const qlonglong v = text().trimmed().toLongLong(&ok);
  if (!ok || v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()) return min_;
  return int(v);
}

int SpinEdit::checkValue(int v) const {
  if (max_ == min_) return v;
  return std::clamp(v, std::min(min_, max_), std::max(min_, max_));
}

void SpinEdit::setValue(int v) {
  const QString t = QString::number(checkValue(v));
  if (t != lineEdit()->text()) lineEdit()->setText(t);
}

void SpinEdit::setMinValue(int v) {
  min_ = v;
  setValue(value());
  updateGeometry();
}

void SpinEdit::setMaxValue(int v) {
  max_ = v;
  setValue(value());
  updateGeometry();
}

QString SpinEdit::widestText() const {
  if (min_ == max_) return widestNumber(font(), -kUnboundedWidest, kUnboundedWidest);
  return widestNumber(font(), min_, max_);
}

QSize SpinEdit::sizeHint() const { return spinBoxSizeFor(*this, widestText()); }

// Never narrower than its widest value: a layout short of room squeezes
// something else.
QSize SpinEdit::minimumSizeHint() const { return sizeHint(); }

void SpinEdit::setText(const QString& text) { lineEdit()->setText(text); }

void SpinEdit::stepBy(int steps) {
  const qlonglong next = qlonglong(value()) + qlonglong(steps) * increment_;
  setValue(int(std::clamp<qlonglong>(next, std::numeric_limits<int>::min(),
                                     std::numeric_limits<int>::max())));
  selectAll();
}

QAbstractSpinBox::StepEnabled SpinEdit::stepEnabled() const {
  if (max_ == min_) return StepUpEnabled | StepDownEnabled;
  StepEnabled e = StepNone;
  if (value() < max_) e |= StepUpEnabled;
  if (value() > min_) e |= StepDownEnabled;
  return e;
}

QValidator::State SpinEdit::validate(QString& input, int&) const {
  static const QRegularExpression number(QStringLiteral("^\\s*-?\\d{0,10}\\s*$"));
  if (!number.match(input).hasMatch()) return QValidator::Invalid;
  bool ok = false;
  input.trimmed().toLongLong(&ok);
  return ok ? QValidator::Acceptable : QValidator::Intermediate;
}

void SpinEdit::focusOutEvent(QFocusEvent* event) {
  QAbstractSpinBox::focusOutEvent(event);
  if (checkValue(value()) != value()) setValue(value());
}

}  // namespace ui
