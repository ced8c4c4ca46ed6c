#pragma once
#include <QWidget>

class Tmediaform1 : public QWidget {
  Q_OBJECT
 public:
  explicit Tmediaform1(QWidget* parent = nullptr);
};
