#pragma once
// The "drives" the drive box offers: the file-system root and the mounted
// volumes a user keeps files on (system and virtual file systems left out).
#include <QString>
#include <vector>

namespace ui {

struct Drive {
  QString root;   // with a trailing separator: "/", "/media/usb/"
  QString label;  // volume name, may be empty
};

std::vector<Drive> listDrives();
// The listed drive holding `path`: the longest drive root it starts with.
QString driveOf(const QString& path);
// Whether a mount point of this type and place is one a user keeps files on.
bool isUserVolume(const QString& root, const QByteArray& fileSystemType);

}  // namespace ui
