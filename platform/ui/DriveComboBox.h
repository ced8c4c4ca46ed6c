#pragma once
// The drive box: the drives of listDrives(). Choosing one points a linked
// directory list at it.
#include <QComboBox>
#include <QPointer>

namespace ui {

class DirectoryListBox;

class DriveComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit DriveComboBox(QWidget* parent = nullptr);

  // The root of the chosen drive, with a trailing separator.
  QString drive() const;
  // Chooses the drive that holds `path`.
  void setDrive(const QString& path);
  void setDirList(DirectoryListBox* list);
  void refreshDrives();

 signals:
  void changed();

 private:
  QPointer<DirectoryListBox> dirList_;
};

}  // namespace ui
