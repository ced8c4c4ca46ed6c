#pragma once
#include <QWidget>

class TLabel3d;

class Tactivityfrm : public QWidget {
  Q_OBJECT
 public:
  explicit Tactivityfrm(QWidget* parent = nullptr);

  TLabel3d* l3d1 = nullptr;  // the heading: the activity's name, raised
};
