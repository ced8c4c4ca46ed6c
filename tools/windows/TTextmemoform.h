#pragma once
#include <QWidget>

class TTextmemoform : public QWidget {
  Q_OBJECT
 public:
  explicit TTextmemoform(QWidget* parent = nullptr);
};
