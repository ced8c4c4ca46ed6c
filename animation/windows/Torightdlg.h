#pragma once
#include <QDialog>

class Torightdlg : public QDialog {
  Q_OBJECT
 public:
  explicit Torightdlg(QWidget* parent = nullptr);
};
