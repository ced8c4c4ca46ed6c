#pragma once
#include <QDialog>

class TResizeForm : public QDialog {
  Q_OBJECT
 public:
  explicit TResizeForm(QWidget* parent = nullptr);
};
