#pragma once
// The modal "Message" window the loader shows when a picture could not be
// made: "Unable to complete Request" over a second line with the cause and,
// when a file was read, a third naming the file and what its reader found.
#include <QDialog>

class QLabel;
class QPushButton;

class Tmessform : public QDialog {
  Q_OBJECT
 public:
  explicit Tmessform(QWidget* parent = nullptr);

  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;        // the file and the reader's words (hidden without them)
  QPushButton* BitBtn1 = nullptr;  // OK

  // Shows the window modally with `reason` as its second line and `detail`
  // as its third.
  void showReason(const QString& reason, const QString& detail = {});
};
