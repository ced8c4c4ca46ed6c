// Number boxes and captions measured from the font: the widest value a box
// can hold shows whole, at small, default and large fonts alike.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>

#include "platform/ui/SpinEdit.h"
#include "platform/ui/TextFit.h"

namespace {

// The room a line edit gives its text, as its painting computes it.
int textRoom(const QLineEdit& edit) {
  QStyleOptionFrame panel;
  panel.initFrom(&edit);
  panel.rect = edit.rect();
  panel.lineWidth = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, &edit) : 0;
  const QRect contents = edit.style()->subElementRect(QStyle::SE_LineEditContents, &panel, &edit)
                             .marginsRemoved(edit.textMargins());
  return contents.width() - 2 * 2;  // the edit's own margin on either side
}

std::vector<QFont> fonts() {
  QFont small = QApplication::font();
  small.setPointSize(8);
  QFont large = QApplication::font();
  large.setPointSize(16);
  QFont bold = QApplication::font();
  bold.setBold(true);
  return {QApplication::font(), small, large, bold};
}

struct Range {
  int low, high;
};

}  // namespace

TEST(TextFit, SpinEditShowsItsWidestValueWhole) {
  for (const QFont& font : fonts()) {
    for (const Range r : {Range{0, 4000}, Range{1, 90}, Range{10, 4000}, Range{0, 65535},
                          Range{-360, 360}, Range{100, 1000}, Range{0, 0}}) {
      ui::SpinEdit spin;
      spin.setFont(font);
      spin.setMinValue(r.low);
      spin.setMaxValue(r.high);
      spin.resize(spin.sizeHint());
      spin.show();
      const auto* edit = spin.findChild<QLineEdit*>();
      ASSERT_NE(edit, nullptr);
      const QFontMetrics fm(font);
      const int high = r.low == r.high ? 99999 : r.high;
      const int low = r.low == r.high ? -99999 : r.low;
      const QString trace = QStringLiteral("%1..%2 at %3pt").arg(r.low).arg(r.high).arg(font.pointSizeF());
      for (int v : {low, high}) {
        spin.setValue(v);
        EXPECT_GE(textRoom(*edit), fm.horizontalAdvance(QString::number(v))) << trace.toStdString();
      }
      // A layout short of room squeezes something else.
      EXPECT_EQ(spin.minimumSizeHint(), spin.sizeHint());
      spin.hide();
    }
  }
}

TEST(TextFit, SpinEditWidthFollowsItsBoundsNotItsValue) {
  ui::SpinEdit spin;
  spin.setMinValue(0);
  spin.setMaxValue(9);
  const int oneDigit = spin.sizeHint().width();
  spin.setValue(5);
  EXPECT_EQ(spin.sizeHint().width(), oneDigit);
  spin.setMaxValue(4000);
  const int fourDigits = spin.sizeHint().width();
  EXPECT_GT(fourDigits, oneDigit);
  spin.setMinValue(-4000);
  EXPECT_GT(spin.sizeHint().width(), fourDigits);  // room for the sign
}

TEST(TextFit, WidestNumberIsAtLeastAsWideAsEveryNumberInRange) {
  QRandomGenerator rng(14);
  for (const QFont& font : fonts()) {
    const QFontMetrics fm(font);
    for (int round = 0; round < 40; ++round) {
      const int a = int(rng.bounded(-70000, 70000));
      const int b = int(rng.bounded(-70000, 70000));
      const int low = std::min(a, b), high = std::max(a, b);
      const int widest = fm.horizontalAdvance(ui::widestNumber(font, low, high));
      for (int i = 0; i < 50; ++i) {
        const int v = low + int(rng.bounded(qint64(high) - low + 1));
        ASSERT_GE(widest, fm.horizontalAdvance(QString::number(v))) << low << ".." << high << ": " << v;
      }
      EXPECT_GE(widest, fm.horizontalAdvance(QString::number(low)));
      EXPECT_GE(widest, fm.horizontalAdvance(QString::number(high)));
    }
  }
}

TEST(TextFit, EditBoxFittedToItsWidestValueShowsItWhole) {
  for (const QFont& font : fonts()) {
    for (bool frame : {true, false}) {
      QLineEdit edit;
      edit.setFont(font);
      edit.setFrame(frame);
      edit.setTextMargins(3, 0, 5, 0);
      for (const QString& widest : {QStringLiteral("-99999"), QStringLiteral("W"), QStringLiteral("1024x768")}) {
        ui::fitEditTo(edit, widest);
        edit.resize(edit.minimumWidth(), edit.sizeHint().height());
        EXPECT_GE(textRoom(edit), QFontMetrics(font).horizontalAdvance(widest)) << widest.toStdString();
        EXPECT_EQ(ui::editSizeFor(edit, widest).height(), edit.sizeHint().height());
      }
    }
  }
}

TEST(TextFit, WidestTextAndWrappedHeight) {
  const QFont font = QApplication::font();
  EXPECT_EQ(ui::widestText(font, {"Dark", "Shadow", "x2"}), "Shadow");
  EXPECT_EQ(ui::widestText(font, {}), QString());
  const QFontMetrics fm(font);
  const int line = fm.height();
  EXPECT_EQ(ui::wrappedHeight(font, 1000, {"Pen", "Flood Fill"}), line);
  const QString hint = QStringLiteral("Special Outline Circlular Area");
  const int narrow = fm.horizontalAdvance(QStringLiteral("Circlular")) + 2;
  EXPECT_GE(ui::wrappedHeight(font, narrow, {"Pen", hint}), 3 * line);
  EXPECT_EQ(ui::wrappedHeight(font, narrow, {}), 0);
}

TEST(TextFit, HandPlacedControlsGrowToTheirCaptionsAndNeverShrink) {
  QWidget parent;
  auto* button = new QToolButton(&parent);
  button->setText(QStringLiteral("Normal"));
  button->setGeometry(0, 0, 10, 10);
  ui::growToCaption(*button);
  EXPECT_GE(button->width(), button->sizeHint().width());
  EXPECT_GE(button->height(), button->sizeHint().height());

  auto* wide = new QToolButton(&parent);
  wide->setText(QStringLiteral("OK"));
  wide->setGeometry(0, 0, 300, 60);
  ui::growToCaption(*wide);
  EXPECT_EQ(wide->size(), QSize(300, 60));

  auto* note = new QLabel(QStringLiteral("The spray is at least 10 pixels wide. Mixing inverts what it sprays over."),
                          &parent);
  note->setWordWrap(true);
  note->setGeometry(0, 0, 116, 12);
  ui::growToCaption(*note);
  EXPECT_EQ(note->width(), 116);  // wraps at its width, grows downwards
  EXPECT_GE(note->height(), note->heightForWidth(116));
  EXPECT_GE(note->height(), 3 * QFontMetrics(note->font()).height());
}
