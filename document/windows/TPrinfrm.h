#pragma once
#include <QWidget>

class TPrinfrm : public QWidget {
  Q_OBJECT
 public:
  explicit TPrinfrm(QWidget* parent = nullptr);
};
