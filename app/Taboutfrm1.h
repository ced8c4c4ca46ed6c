#pragma once
#include <QDialog>

class Taboutfrm1 : public QDialog {
  Q_OBJECT
 public:
  explicit Taboutfrm1(QWidget* parent = nullptr);
};
