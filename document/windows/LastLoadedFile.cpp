#include "document/windows/LastLoadedFile.h"

#include <QSettings>

namespace document {
namespace {

constexpr auto kKey = "ImageBrowser/LastFile";

}  // namespace

QString lastLoadedFile() {
  const QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Quillmoor", "Quillmoor");
  return s.value(kKey).toString();
}

void rememberLoadedFile(const QString& path) {
  QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Quillmoor", "Quillmoor");
  s.setValue(kKey, path);
}

}  // namespace document
