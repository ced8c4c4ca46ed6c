#pragma once
#include <QWidget>

class Tmorfshapeform : public QWidget {
  Q_OBJECT
 public:
  explicit Tmorfshapeform(QWidget* parent = nullptr);
};
