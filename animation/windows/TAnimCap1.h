#pragma once
#include <QWidget>

class TAnimCap1 : public QWidget {
  Q_OBJECT
 public:
  explicit TAnimCap1(QWidget* parent = nullptr);
};
