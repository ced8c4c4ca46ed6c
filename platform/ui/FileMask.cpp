#include "platform/ui/FileMask.h"

namespace ui {

QStringList splitPatterns(const QString& text) {
  static const QRegularExpression separators(QStringLiteral("[;,\\s]+"));
  return text.split(separators, Qt::SkipEmptyParts);
}

FileMask::FileMask(const QString& mask) : patterns_(splitPatterns(mask)) {
  for (const QString& p : patterns_) {
    // "*.*" means every file, also those without a dot in their name.
    const QString pattern = p == QStringLiteral("*.*") ? QStringLiteral("*") : p;
    expressions_.emplace_back(QRegularExpression::wildcardToRegularExpression(pattern),
                              QRegularExpression::CaseInsensitiveOption);
  }
}

bool FileMask::matches(const QString& fileName) const {
  for (const QRegularExpression& re : expressions_)
    if (re.match(fileName).hasMatch()) return true;
  return false;
}

}  // namespace ui
