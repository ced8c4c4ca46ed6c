#pragma once
// The directory list box: the current folder with its ancestors above it and
// its subfolders below, indented by depth, all in sight at once where they fit
// (else the current folder halfway up, its subfolders below and the nearest
// part of its path above). Double-clicking a line (or Enter) opens that
// folder. A linked file list follows the current folder.
#include <QListWidget>
#include <QPointer>

namespace ui {

class FileListBox;

class DirectoryListBox : public QListWidget {
  Q_OBJECT
 public:
  explicit DirectoryListBox(QWidget* parent = nullptr);

  QString directory() const { return directory_; }
  // False (and nothing changes) when the folder does not exist.
  bool setDirectory(const QString& folder);
  // Keeps the current folder when it is on that drive, else goes to its root.
  void setDrive(const QString& root);
  void setFileList(FileListBox* list);
  // The folder shown on a line.
  QString folderAt(int row) const;
  void refresh();

 signals:
  void changed();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Scrolls the current folder, its subfolders and its path into sight.
  void revealSubfolders();

  QString directory_;
  QPointer<FileListBox> fileList_;
};

}  // namespace ui
