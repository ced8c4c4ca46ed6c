#pragma once
#include <QWidget>

class Tpicform1 : public QWidget {
  Q_OBJECT
 public:
  explicit Tpicform1(QWidget* parent = nullptr);
};
