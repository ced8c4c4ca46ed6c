#pragma once
#include <QWidget>

class TAVICAP : public QWidget {
  Q_OBJECT
 public:
  explicit TAVICAP(QWidget* parent = nullptr);
};
