#include "platform/ui/UserDialogs.h"

#include <QDir>
#include <QFileInfo>

namespace ui {
namespace {

// The folder of a chosen file becomes the process's current folder (when it
// exists: a save may name a folder that is gone).
void followChosenFolder(const QString& file) {
  if (file.isEmpty()) return;
  const QString folder = QFileInfo(file).absolutePath();
  if (QFileInfo(folder).isDir()) QDir::setCurrent(folder);
}

}  // namespace

std::optional<QString> UserDialogs::openFile(const FileDialogOptions& options) {
  std::optional<QString> chosen = askOpenFile(options);
  if (chosen) followChosenFolder(*chosen);
  return chosen;
}

QStringList UserDialogs::openFiles(const FileDialogOptions& options) {
  QStringList chosen = askOpenFiles(options);
  if (!chosen.isEmpty()) followChosenFolder(chosen.last());
  return chosen;
}

std::optional<QString> UserDialogs::saveFile(const FileDialogOptions& options) {
  std::optional<QString> chosen = askSaveFile(options);
  if (chosen) followChosenFolder(*chosen);
  return chosen;
}

}  // namespace ui
