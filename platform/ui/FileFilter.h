#pragma once
// The classic dialog filter "Description|*.a;*.b|Other|*.c" taken apart, and
// the defaults the program's file dialogs apply to a chosen name.
#include <QString>
#include <QStringList>
#include <vector>

namespace ui {

struct FileFilterEntry {
  QString description;
  QStringList patterns;
};

// Entries of a classic filter. A filter without '|' is one entry whose
// description is the text itself ("*.jpg"); an odd trailing description
// without patterns is taken as both.
std::vector<FileFilterEntry> parseFileFilter(const QString& filter);

// The same entries as Qt name filters ("Bitmaps (*.bmp)"); a description that
// already names its patterns in parentheses is kept as it is.
QStringList toQtNameFilters(const std::vector<FileFilterEntry>& entries);

// `name` with ".<ext>" appended when it has no extension of its own and
// `ext` is not empty.
QString withDefaultExtension(const QString& name, const QString& ext);

// True when the text is a wildcard pattern rather than a file name.
bool isPattern(const QString& name);

}  // namespace ui
