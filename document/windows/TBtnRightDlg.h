#pragma once
#include <QDialog>

class TBtnRightDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TBtnRightDlg(QWidget* parent = nullptr);
};
