#pragma once
#include <QWidget>

class Tjpop1 : public QWidget {
  Q_OBJECT
 public:
  explicit Tjpop1(QWidget* parent = nullptr);
};
