#pragma once
#include <QWidget>

class Tactivityfrm : public QWidget {
  Q_OBJECT
 public:
  explicit Tactivityfrm(QWidget* parent = nullptr);
};
