#include "platform/ui/FileLookup.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace ui {

QString withPlatformSeparators(const QString& path) {
  QString p = path;
  p.replace(QLatin1Char('\\'), QLatin1Char('/'));
  return p;
}

QString findFileNoCase(const QString& folder, const QString& relativeName) {
  static const QRegularExpression separators(QStringLiteral("[\\\\/]+"));
  const QStringList parts = relativeName.split(separators, Qt::SkipEmptyParts);
  if (parts.isEmpty()) return {};
  QString current = folder.isEmpty() ? QStringLiteral(".") : folder;
  for (const QString& part : parts) {
    QDir dir(current);
    if (part == QLatin1String(".")) continue;
    if (part == QLatin1String("..")) {
      current = dir.filePath(part);
      continue;
    }
    if (QFileInfo::exists(dir.filePath(part))) {
      current = dir.filePath(part);
      continue;
    }
    QString found;
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
      if (entry.compare(part, Qt::CaseInsensitive) == 0) {
        found = entry;
        break;
      }
    }
    if (found.isEmpty()) return {};
    current = dir.filePath(found);
  }
  return QDir::cleanPath(current);
}

}  // namespace ui
