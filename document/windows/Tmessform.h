#pragma once
// The modal "Message" window the loader shows when a picture could not be
// made: "Unable to complete Request" over a second line the caller sets.
#include <QDialog>

class QLabel;
class QPushButton;

class Tmessform : public QDialog {
  Q_OBJECT
 public:
  explicit Tmessform(QWidget* parent = nullptr);

  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QPushButton* BitBtn1 = nullptr;  // OK

  // Shows the window modally with `reason` as its second line.
  void showReason(const QString& reason);
};
