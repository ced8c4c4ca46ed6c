#pragma once
// The Play List Maker: appends a run of plainly numbered frame files of the
// Animation Manager's current folder (base1.bmp, base2.bmp, ...) to its
// frame list, stopping at the first file that does not exist.
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;

namespace ui {
class FileListBox;
class SpinEdit;
}  // namespace ui

class TALmaker : public QWidget {
  Q_OBJECT
 public:
  explicit TALmaker(QWidget* parent = nullptr);

  QLineEdit* Edit1 = nullptr;               // base name
  ui::SpinEdit* SpinEdit3 = nullptr;        // "First frame number"
  ui::SpinEdit* SpinEdit1 = nullptr;        // "Last frame number"
  QLabel* Label1 = nullptr;                 // the name looked for
  ui::FileListBox* FileListBox1 = nullptr;  // the frames of the Manager's folder
  QPushButton* BitBtn1 = nullptr;           // "OK Make List"
  QPushButton* BitBtn2 = nullptr;           // Cancel

  void FormShow();
  void BitBtn1Click();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QString folder() const;
};
