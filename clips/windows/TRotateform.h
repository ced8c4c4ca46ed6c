#pragma once
#include <QDialog>

class TRotateform : public QDialog {
  Q_OBJECT
 public:
  explicit TRotateform(QWidget* parent = nullptr);
};
