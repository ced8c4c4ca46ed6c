#include "platform/ui/FileFilter.h"

#include <QFileInfo>

#include "platform/ui/FileMask.h"

namespace ui {

std::vector<FileFilterEntry> parseFileFilter(const QString& filter) {
  std::vector<FileFilterEntry> entries;
  if (filter.trimmed().isEmpty()) return entries;
  const QStringList parts = filter.split(QLatin1Char('|'));
  if (parts.size() == 1) {
    entries.push_back({filter, splitPatterns(filter)});
    return entries;
  }
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    const QString& description = parts[i];
    const QString patterns = i + 1 < parts.size() ? parts[i + 1] : description;
    if (description.isEmpty() && patterns.isEmpty()) continue;
    entries.push_back({description, splitPatterns(patterns)});
  }
  return entries;
}

namespace {

// Whether `description` ends with "(...)" listing exactly `patterns`.
bool namesItsPatterns(const QString& description, const QStringList& patterns) {
  const QString d = description.trimmed();
  if (!d.endsWith(QLatin1Char(')'))) return false;
  const qsizetype open = d.lastIndexOf(QLatin1Char('('));
  if (open < 0) return false;
  QStringList named = splitPatterns(d.mid(open + 1, d.size() - open - 2));
  QStringList wanted = patterns;
  for (QString& s : named) s = s.toLower();
  for (QString& s : wanted) s = s.toLower();
  named.sort();
  wanted.sort();
  return named == wanted;
}

}  // namespace

QStringList toQtNameFilters(const std::vector<FileFilterEntry>& entries) {
  QStringList filters;
  for (const FileFilterEntry& e : entries) {
    QStringList patterns = e.patterns;
    for (QString& p : patterns)
      if (p == QStringLiteral("*.*")) p = QStringLiteral("*");
    if (namesItsPatterns(e.description, e.patterns) && patterns == e.patterns) {
      filters << e.description;
    } else {
      const QString description = e.description.trimmed();
      filters << (description.isEmpty() ? QString() : description + QLatin1Char(' ')) +
                     QLatin1Char('(') + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
  }
  return filters;
}

QString withDefaultExtension(const QString& name, const QString& ext) {
  if (name.isEmpty() || ext.isEmpty()) return name;
  if (!QFileInfo(name).suffix().isEmpty()) return name;
  QString e = ext;
  while (e.startsWith(QLatin1Char('.'))) e.remove(0, 1);
  if (e.isEmpty()) return name;
  return name.endsWith(QLatin1Char('.')) ? name + e : name + QLatin1Char('.') + e;
}

bool isPattern(const QString& name) {
  return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

}  // namespace ui
