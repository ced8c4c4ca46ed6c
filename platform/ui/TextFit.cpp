#include "platform/ui/TextFit.h"

#include <QAbstractSpinBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QStyleOptionSpinBox>
#include <algorithm>
#include <cstdlib>

namespace ui {

namespace {

// A line edit keeps this much room on either side of its text, and one pixel
// for the cursor after it.
constexpr int kEditMargin = 2;
constexpr int kCursorWidth = 1;

}  // namespace

QString widestText(const QFont& font, const QStringList& texts) {
  const QFontMetrics fm(font);
  QString widest;
  int most = -1;
  for (const QString& t : texts) {
    const int w = fm.horizontalAdvance(t);
    if (w > most) {
      most = w;
      widest = t;
    }
  }
  return widest;
}

QString widestNumber(const QFont& font, int low, int high) {
  const QFontMetrics fm(font);
  QChar broad = QLatin1Char('0');
  for (char c = '1'; c <= '9'; ++c)
    if (fm.horizontalAdvance(QLatin1Char(c)) > fm.horizontalAdvance(broad)) broad = QLatin1Char(c);
  auto shape = [&](int v) {
    const QString digits = QString::number(std::llabs(static_cast<long long>(v)));
    const QString run(digits.size(), broad);
    return v < 0 ? QLatin1Char('-') + run : run;
  };
  return widestText(font, {shape(low), shape(high)});
}

QSize editSizeFor(const QLineEdit& edit, const QString& widest) {
  edit.ensurePolished();
  const QFontMetrics fm(edit.font());
  const QMargins text = edit.textMargins();
  const QMargins contents = edit.contentsMargins();
  const int inner = fm.horizontalAdvance(widest) + 2 * kEditMargin + kCursorWidth + text.left() +
                    text.right() + contents.left() + contents.right();
  QStyleOptionFrame opt;
  opt.initFrom(&edit);
  opt.lineWidth = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, &edit) : 0;
  opt.midLineWidth = 0;
  opt.state |= QStyle::State_Sunken;
  opt.features = QStyleOptionFrame::None;
  const QSize outer =
      edit.style()->sizeFromContents(QStyle::CT_LineEdit, &opt, QSize(inner, fm.height()), &edit);
  return {outer.width(), edit.sizeHint().height()};
}

QSize spinBoxSizeFor(const QAbstractSpinBox& box, const QString& widest) {
  box.ensurePolished();
  const QFontMetrics fm(box.font());
  const QLineEdit* edit = box.findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
  const int height = edit ? edit->sizeHint().height() : fm.height() + 2 * kEditMargin;
  // The edit inside the box has no frame but keeps its margins and cursor.
  const int width = fm.horizontalAdvance(widest) + 2 * kEditMargin + kCursorWidth +
                    (edit ? edit->textMargins().left() + edit->textMargins().right() : 0);
  QStyleOptionSpinBox opt;
  opt.initFrom(&box);
  opt.buttonSymbols = box.buttonSymbols();
  opt.frame = box.hasFrame();
  opt.subControls = QStyle::SC_SpinBoxFrame | QStyle::SC_SpinBoxEditField;
  if (box.buttonSymbols() != QAbstractSpinBox::NoButtons)
    opt.subControls |= QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
  opt.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
  return box.style()->sizeFromContents(QStyle::CT_SpinBox, &opt, QSize(width, height), &box);
}

void fitEditTo(QLineEdit& edit, const QString& widest) {
  edit.setMinimumWidth(editSizeFor(edit, widest).width());
}

int wrappedHeight(const QFont& font, int width, const QStringList& texts) {
  const QFontMetrics fm(font);
  int tallest = 0;
  for (const QString& t : texts) {
    const QRect r = fm.boundingRect(QRect(0, 0, std::max(width, 1), 1 << 20), Qt::TextWordWrap, t);
    tallest = std::max(tallest, r.height());
  }
  return tallest;
}

void growToCaption(QWidget& control) {
  control.ensurePolished();
  QSize wanted = control.sizeHint();
  if (auto* label = qobject_cast<QLabel*>(&control); label && label->wordWrap())
    wanted = {control.width(), label->heightForWidth(control.width())};
  const QSize size = control.size().expandedTo(wanted);
  if (size != control.size()) control.resize(size);
}

}  // namespace ui
