#pragma once
// Finding files by names whose letter case may differ from the file system's:
// the program's own files are named "Getting Started.RTF" in one place and
// "GETTING STARTED.RTF" in another.
#include <QString>

namespace ui {

// The path of `relativeName` below `folder`, each part of it matched in any
// letter case ('\\' and '/' both separate parts); empty when there is no
// such file or folder. An exact match wins over other spellings.
QString findFileNoCase(const QString& folder, const QString& relativeName);

// `path` with the platform's separators ("bin\\b1.bmp" becomes "bin/b1.bmp" here).
QString withPlatformSeparators(const QString& path);

}  // namespace ui
