#pragma once
#include <QWidget>

class Tanwizfrm1 : public QWidget {
  Q_OBJECT
 public:
  explicit Tanwizfrm1(QWidget* parent = nullptr);
};
