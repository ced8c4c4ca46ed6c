#pragma once
#include <QWidget>

class Tstation1 : public QWidget {
  Q_OBJECT
 public:
  explicit Tstation1(QWidget* parent = nullptr);
};
