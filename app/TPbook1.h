#pragma once
#include <QLabel>
#include <QMainWindow>

#include "platform/gdi/Bitmap.h"

// The main window: holds the picture being edited.
class TPbook1 : public QMainWindow {
  Q_OBJECT
 public:
  explicit TPbook1(QWidget* parent = nullptr);

  gdi::Bitmap& picture() { return picture_; }
  void showPicture();

 private:
  gdi::Bitmap picture_{400, 400};
  QLabel* ptbox1 = nullptr;
};
