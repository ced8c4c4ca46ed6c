#pragma once
// The one setting the program keeps between runs: the file last loaded
// through the image browser, whose folder the browser opens in next time.
#include <QString>

namespace document {

QString lastLoadedFile();
void rememberLoadedFile(const QString& path);

}  // namespace document
