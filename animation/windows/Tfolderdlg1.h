#pragma once
// The folder dialog ("Choose a folder"): a target folder and a file-name
// prefix for a series of numbered frame files. The tools that write frames
// (the Animation Wizard, the camera, the image divider, the AVI dump) ask it
// through chooseTarget():
//
//   if (auto target = Tfolderdlg1::chooseTarget()) {
//     // target->folder, target->prefix ("frame007" or "temp"),
//     // target->base(): folder and prefix joined, ready for numberedFrameName
//   }  // nothing on Cancel: the caller's own target stays as it was
#include <QDialog>
#include <QString>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace ui {
class DirectoryListBox;
class DriveComboBox;
class FileListBox;
class SpinEdit;
}  // namespace ui

class Tfolderdlg1 : public QDialog {
  Q_OBJECT
 public:
  explicit Tfolderdlg1(QWidget* parent = nullptr);

  struct Target {
    QString folder;  // the chosen folder
    QString prefix;  // the prefix box cut at its first "."; "temp" when empty
    // Folder and prefix with one separator between them.
    QString base() const;
  };

  // Shows the studio's folder dialog modally, starting in `folder` when it
  // names an existing folder (else where it was last). The chosen target, or
  // nothing when the user cancelled.
  static std::optional<Target> chooseTarget(const QString& folder = {});

  // The target as the dialog stands: Label1's folder (empty after Cancel)
  // and the prefix box's text made into a prefix. Nothing without a folder.
  std::optional<Target> target();

  QLabel* Label1 = nullptr;    // the chosen folder; empty after Cancel
  QLineEdit* Edit1 = nullptr;  // the file-name prefix
  ui::DriveComboBox* DriveComboBox1 = nullptr;
  ui::DirectoryListBox* DirectoryListBox1 = nullptr;
  ui::FileListBox* FileListBox1 = nullptr;  // "*.bmp" files of the folder
  QLabel* Label4 = nullptr;                 // sample of the number part of the names
  QWidget* Panel5 = nullptr;                // hidden: "Start Frame", "End Frame"
  ui::SpinEdit* SpinEdit1 = nullptr;
  ui::SpinEdit* SpinEdit2 = nullptr;
  QWidget* Panel4 = nullptr;       // hidden guidance on making a folder
  QPushButton* BitBtn1 = nullptr;  // OK
  QPushButton* BitBtn2 = nullptr;  // Cancel
  QPushButton* BitBtn3 = nullptr;  // "Create New"

  void FormShow();
  void DirectoryListBox1Change();
  void FileListBox1Click();
  void BitBtn1Click();
  void BitBtn2Click();
  // Asks for a name and makes that folder inside the current one, which it
  // then opens. The small form is "NewFolder" with its name box "FolderName".
  void BitBtn3Click();

 private:
  void buildLayout();
};
