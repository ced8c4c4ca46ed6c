#pragma once
#include <QDialog>

class TLabel3d;

class Taboutfrm1 : public QDialog {
  Q_OBJECT
 public:
  explicit Taboutfrm1(QWidget* parent = nullptr);

  TLabel3d* Heading = nullptr;  // the program's name, raised
};
