#pragma once
#include <QWidget>

class Taviwin : public QWidget {
  Q_OBJECT
 public:
  explicit Taviwin(QWidget* parent = nullptr);
};
