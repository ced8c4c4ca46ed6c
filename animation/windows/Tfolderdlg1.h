#pragma once
#include <QDialog>

class Tfolderdlg1 : public QDialog {
  Q_OBJECT
 public:
  explicit Tfolderdlg1(QWidget* parent = nullptr);
};
