#pragma once
#include <QWidget>

class Tshapeform : public QWidget {
  Q_OBJECT
 public:
  explicit Tshapeform(QWidget* parent = nullptr);
};
