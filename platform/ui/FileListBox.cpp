#include "platform/ui/FileListBox.h"

#include <QDir>
#include <algorithm>

namespace ui {

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent), directory_(QDir::currentPath()) {
  connect(this, &QListWidget::currentRowChanged, this, [this] { emit changed(); });
  refresh();
}

void FileListBox::setDirectory(const QString& folder) {
  directory_ = QDir::cleanPath(folder);
  refresh();
}

void FileListBox::setMask(const QString& mask) {
  mask_ = mask;
  refresh();
}

bool FileListBox::multiSelect() const { return selectionMode() == ExtendedSelection; }

void FileListBox::setMultiSelect(bool on) {
  setSelectionMode(on ? ExtendedSelection : SingleSelection);
}

QString FileListBox::filePath(int row) const {
  const QListWidgetItem* it = item(row);
  return it ? QDir(directory_).filePath(it->text()) : QString();
}

QString FileListBox::fileName() const { return filePath(currentRow()); }

QStringList FileListBox::selectedPaths() const {
  QStringList paths;
  for (int i = 0; i < count(); ++i)
    if (item(i)->isSelected()) paths << filePath(i);
  return paths;
}

QStringList FileListBox::names() const {
  QStringList list;
  for (int i = 0; i < count(); ++i) list << item(i)->text();
  return list;
}

void FileListBox::refresh() {
  const FileMask filter(mask_);
  QStringList files;
  for (const QString& name : QDir(directory_).entryList(QDir::Files))
    if (filter.matches(name)) files << name;
  std::sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
  });
  {
    const QSignalBlocker quiet(this);
    clear();
    addItems(files);
  }
  emit changed();
}

}  // namespace ui
