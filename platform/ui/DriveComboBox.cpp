#include "platform/ui/DriveComboBox.h"

#include <QDir>

#include "platform/ui/DirectoryListBox.h"
#include "platform/ui/Drives.h"

namespace ui {

DriveComboBox::DriveComboBox(QWidget* parent) : QComboBox(parent) {
  refreshDrives();
  setDrive(QDir::currentPath());
  connect(this, &QComboBox::currentIndexChanged, this, [this] {
    if (dirList_) dirList_->setDrive(drive());
    emit changed();
  });
}

void DriveComboBox::refreshDrives() {
  const QString chosen = drive();
  const QSignalBlocker quiet(this);
  clear();
  for (const Drive& d : listDrives()) {
    const QString shown = QDir::toNativeSeparators(d.root);
    addItem(d.label.isEmpty() ? shown : shown + QStringLiteral(" [") + d.label + QLatin1Char(']'),
            d.root);
  }
  if (!chosen.isEmpty()) setDrive(chosen);
}

QString DriveComboBox::drive() const { return currentData().toString(); }

void DriveComboBox::setDrive(const QString& path) {
  const int index = findData(driveOf(path));
  if (index >= 0) setCurrentIndex(index);
}

void DriveComboBox::setDirList(DirectoryListBox* list) { dirList_ = list; }

}  // namespace ui
