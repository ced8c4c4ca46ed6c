#pragma once
// The file list box: the files of one folder whose names match a mask of
// several patterns ("*.jpg;*.bmp", any letter case), sorted by name in any
// letter case; hidden files and folders are not listed. Items are bare file
// names; fileName() and selectedPaths() give full paths.
#include <QListWidget>

#include "platform/ui/FileMask.h"

namespace ui {

class FileListBox : public QListWidget {
  Q_OBJECT
 public:
  explicit FileListBox(QWidget* parent = nullptr);

  QString directory() const { return directory_; }
  void setDirectory(const QString& folder);
  QString mask() const { return mask_; }
  void setMask(const QString& mask);
  bool multiSelect() const;
  void setMultiSelect(bool on);

  // The full path of the current item, or empty.
  QString fileName() const;
  QString filePath(int row) const;
  // Full paths of the selected items, in list order.
  QStringList selectedPaths() const;
  // The listed names, in list order.
  QStringList names() const;

  // Reads the folder again.
  void refresh();

 signals:
  // The list was read again or the current file changed.
  void changed();

 private:
  QString directory_;
  QString mask_ = QStringLiteral("*.*");
};

}  // namespace ui
