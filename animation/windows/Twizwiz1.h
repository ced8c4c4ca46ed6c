#pragma once
#include <QWidget>

class Twizwiz1 : public QWidget {
  Q_OBJECT
 public:
  explicit Twizwiz1(QWidget* parent = nullptr);
};
