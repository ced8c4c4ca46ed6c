// The small controls: colour grid, radio group, spin edit, shape.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QRadioButton>

#include "platform/ui/ColorGrid.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/ShapeControl.h"
#include "platform/ui/SpinEdit.h"

namespace {

void click(QWidget& w, QPoint at, Qt::MouseButton button) {
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), QPointF(w.mapToGlobal(at)), button,
                    button, Qt::NoModifier);
  QApplication::sendEvent(&w, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), QPointF(w.mapToGlobal(at)), button,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&w, &release);
}

}  // namespace

TEST(ColorGrid, LeftClickForegroundRightClickBackground) {
  ui::ColorGrid g;
  g.resize(100, 100);
  int changes = 0;
  QObject::connect(&g, &ui::ColorGrid::changed, [&] { ++changes; });
  EXPECT_EQ(g.foregroundColor(), gdi::clBlack);
  EXPECT_EQ(g.backgroundColor(), gdi::clWhite);
  click(g, {30, 60}, Qt::LeftButton);  // row 2, column 1
  EXPECT_EQ(g.foregroundIndex(), 9);
  EXPECT_EQ(g.foregroundColor(), gdi::clRed);
  click(g, {99, 0}, Qt::RightButton);
  EXPECT_EQ(g.backgroundIndex(), 3);
  EXPECT_EQ(g.backgroundColor(), gdi::clOlive);
  EXPECT_EQ(g.foregroundIndex(), 9);
  EXPECT_EQ(changes, 2);
  // Grid order: the platform palette's first and last eight entries.
  EXPECT_EQ(ui::ColorGrid::kColors[7], gdi::clSilver);
  EXPECT_EQ(ui::ColorGrid::kColors[8], gdi::clGray);
  EXPECT_EQ(ui::ColorGrid::kColors[12], gdi::clBlue);
}

TEST(RadioGroup, ItemIndexByClickAndByCode) {
  ui::RadioGroup g("Standard Image and Movie Frame Sizes", {"320 x 240", "640 x 480", "800 x 600"});
  int clicks = 0;
  QObject::connect(&g, &ui::RadioGroup::clicked, [&] { ++clicks; });
  EXPECT_EQ(g.itemIndex(), -1);
  g.setItemIndex(1);
  EXPECT_TRUE(g.button(1)->isChecked());
  g.button(2)->click();
  EXPECT_EQ(g.itemIndex(), 2);
  EXPECT_FALSE(g.button(1)->isChecked());
  g.setItemIndex(7);  // out of range: nothing chosen
  EXPECT_EQ(g.itemIndex(), -1);
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(g.button(i)->isChecked());
  g.setItemIndex(-1);  // no change, no signal
  EXPECT_EQ(clicks, 3);
}

TEST(SpinEdit, BoundsApplyToButtonsAndCodeButTypedValuesWaitForTheHandler) {
  ui::SpinEdit s;
  s.setMinValue(1);
  s.setMaxValue(90);
  EXPECT_EQ(s.value(), 1);  // 0 brought into range
  s.setValue(120);
  EXPECT_EQ(s.value(), 90);
  s.stepBy(1);
  EXPECT_EQ(s.value(), 90);

  // Typed above the maximum: the change handler sees it and applies its rule.
  int seen = 0;
  QObject::connect(&s, &ui::SpinEdit::changed, [&] {
    seen = s.value();
    if (s.value() > 90) s.setValue(90);
  });
  s.setText("120");
  EXPECT_EQ(seen, 90);  // the handler ran twice: 120, then its own 90
  EXPECT_EQ(s.value(), 90);

  // Without a handler the typed value stays until the focus leaves.
  QObject::disconnect(&s, &ui::SpinEdit::changed, nullptr, nullptr);
  s.setText("500");
  EXPECT_EQ(s.value(), 500);
  QFocusEvent out(QEvent::FocusOut);
  QApplication::sendEvent(&s, &out);
  EXPECT_EQ(s.value(), 90);

  s.setText("");
  EXPECT_EQ(s.value(), 1);  // not a number reads as the minimum
  s.setText("abc");
  EXPECT_EQ(s.value(), 1);
}

TEST(SpinEdit, EqualBoundsMeanNoBounds) {
  ui::SpinEdit s;  // 0 and 0
  s.setValue(-25);
  EXPECT_EQ(s.value(), -25);
  s.setIncrement(10);
  s.stepBy(-3);
  EXPECT_EQ(s.value(), -55);
  s.setValue(2147483647);
  s.stepBy(1);  // no overflow
  EXPECT_EQ(s.value(), 2147483647);
}

TEST(ShapeControl, SquaresAndCirclesSitCentredOnTheShorterSide) {
  ui::ShapeControl s;
  s.resize(100, 40);
  s.setShape(ui::ShapeType::Circle);
  EXPECT_EQ(s.figureRect(), QRect(30, 0, 40, 40));
  s.setPen({gdi::clBlack, 4});
  EXPECT_EQ(s.figureRect(), QRect(2 + 30, 2, 37, 37));

  s.setShape(ui::ShapeType::Rectangle);
  s.setPen({gdi::clBlack, 1});
  s.setBrushColor(gdi::clRed);
  const QImage shot = s.grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(shot.pixelColor(0, 0), QColor(0, 0, 0));
  EXPECT_EQ(shot.pixelColor(99, 39), QColor(0, 0, 0));
  EXPECT_EQ(shot.pixelColor(50, 20), QColor(255, 0, 0));
}
