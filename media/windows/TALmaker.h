#pragma once
#include <QWidget>

class TALmaker : public QWidget {
  Q_OBJECT
 public:
  explicit TALmaker(QWidget* parent = nullptr);
};
