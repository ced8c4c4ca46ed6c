#pragma once
#include <QWidget>

class Tmovwizfrm1 : public QWidget {
  Q_OBJECT
 public:
  explicit Tmovwizfrm1(QWidget* parent = nullptr);
};
