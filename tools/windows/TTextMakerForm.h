#pragma once
#include <QWidget>

class TTextMakerForm : public QWidget {
  Q_OBJECT
 public:
  explicit TTextMakerForm(QWidget* parent = nullptr);
};
