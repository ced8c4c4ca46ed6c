#pragma once
#include <QDialog>

class Tclpform1 : public QDialog {
  Q_OBJECT
 public:
  explicit Tclpform1(QWidget* parent = nullptr);
};
