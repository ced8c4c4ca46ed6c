#pragma once
// File name masks such as "*.jpg;*.bmp": wildcard patterns separated by ';',
// matched against a file name in any letter case, as the original platform's
// file system did. "*.*" and "*" match every name, with or without extension.
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <vector>

namespace ui {

class FileMask {
 public:
  FileMask() = default;
  explicit FileMask(const QString& mask);

  // Empty patterns (as in "*.bmp;") are ignored; a mask without any pattern
  // matches nothing.
  const QStringList& patterns() const { return patterns_; }
  bool matches(const QString& fileName) const;

 private:
  QStringList patterns_;
  std::vector<QRegularExpression> expressions_;
};

// Splits "*.jpg; *.bmp" or "*.jpg *.bmp" into patterns (';', ',' and blanks separate).
QStringList splitPatterns(const QString& text);

}  // namespace ui
