#include "platform/ui/DirectoryListBox.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "platform/ui/Drives.h"
#include "platform/ui/FileListBox.h"

namespace ui {

namespace {
constexpr int kPathRole = Qt::UserRole + 1;
}

DirectoryListBox::DirectoryListBox(QWidget* parent)
    : QListWidget(parent), directory_(QDir::currentPath()) {
  connect(this, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { setDirectory(item->data(kPathRole).toString()); });
  refresh();
}

bool DirectoryListBox::setDirectory(const QString& folder) {
  const QFileInfo info(folder);
  if (!info.isDir()) return false;
  directory_ = QDir::cleanPath(info.absoluteFilePath());
  refresh();
  if (fileList_) fileList_->setDirectory(directory_);
  emit changed();
  return true;
}

void DirectoryListBox::setDrive(const QString& root) {
  if (driveOf(directory_) == driveOf(root)) return;
  setDirectory(root);
}

void DirectoryListBox::setFileList(FileListBox* list) {
  fileList_ = list;
  if (list) list->setDirectory(directory_);
}

QString DirectoryListBox::folderAt(int row) const {
  const QListWidgetItem* it = item(row);
  return it ? it->data(kPathRole).toString() : QString();
}

void DirectoryListBox::refresh() {
  const QSignalBlocker quiet(this);
  clear();
  // Ancestors from the root down to the current folder.
  QStringList chain;
  for (QDir d(directory_);; ) {
    chain.prepend(d.absolutePath());
    if (d.isRoot() || !d.cdUp()) break;
  }
  int depth = 0;
  const QString indent = QStringLiteral("  ");
  for (const QString& path : chain) {
    const QString name = QDir(path).isRoot() ? QDir::toNativeSeparators(path) : QFileInfo(path).fileName();
    auto* it = new QListWidgetItem(indent.repeated(depth) + name, this);
    it->setData(kPathRole, path);
    ++depth;
  }
  setCurrentRow(count() - 1);
  QStringList subfolders = QDir(directory_).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  std::sort(subfolders.begin(), subfolders.end(), [](const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) < 0;
  });
  for (const QString& sub : subfolders) {
    auto* it = new QListWidgetItem(indent.repeated(depth) + sub, this);
    it->setData(kPathRole, QDir(directory_).filePath(sub));
  }
  revealSubfolders();
}

void DirectoryListBox::showEvent(QShowEvent* event) {
  QListWidget::showEvent(event);
  revealSubfolders();
}

void DirectoryListBox::revealSubfolders() {
  if (count() == 0) return;
  const int rows = std::max(1, viewport()->height() / std::max(1, sizeHintForRow(0)));
  const int current = std::max(0, currentRow());
  const int last = count() - 1;
  // All of it when it fits; else the current folder no lower than the middle
  // with its subfolders below it, and as much of its path above as is left.
  const int top = std::clamp(current - (rows - 1) / 2, 0, std::max(0, last - rows + 1));
  scrollToItem(item(top), QAbstractItemView::PositionAtTop);
}

}  // namespace ui
