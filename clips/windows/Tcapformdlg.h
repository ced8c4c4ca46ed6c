#pragma once
#include <QDialog>

class Tcapformdlg : public QDialog {
  Q_OBJECT
 public:
  explicit Tcapformdlg(QWidget* parent = nullptr);
};
