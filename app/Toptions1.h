#pragma once
#include <QWidget>

namespace ui {
class RadioGroup;
}

class Toptions1 : public QWidget {
  Q_OBJECT
 public:
  explicit Toptions1(QWidget* parent = nullptr);

  // "Polygon Area  Options": what a special outline capture does next.
  ui::RadioGroup* RadioGroup1 = nullptr;
  // The steps of the lighten, darken and blend choices (items 2 to 4).
  QWidget* Panel5 = nullptr;
};
