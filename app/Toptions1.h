#pragma once
#include <QWidget>

class Toptions1 : public QWidget {
  Q_OBJECT
 public:
  explicit Toptions1(QWidget* parent = nullptr);
};
