#pragma once
#include <QWidget>

class Tgradform1 : public QWidget {
  Q_OBJECT
 public:
  explicit Tgradform1(QWidget* parent = nullptr);
};
