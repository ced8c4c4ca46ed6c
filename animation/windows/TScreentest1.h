#pragma once
#include <QWidget>

class TScreentest1 : public QWidget {
  Q_OBJECT
 public:
  explicit TScreentest1(QWidget* parent = nullptr);
};
