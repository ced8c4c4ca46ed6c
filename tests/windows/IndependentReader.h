#pragma once
// What a program other than the studio makes of a file it wrote:
// ImageMagick's `identify` names the format and size ("JPEG 400x300",
// "BMP3 12x9" for a bitmap with the common 40-byte header).
#include <QProcess>
#include <QString>
#include <QStringList>

namespace testing_support {

// "FORMAT WxH" as identify reports it, or the tool's complaint.
inline QString identifyFile(const QString& file) {
  QProcess p;
  p.start(QStringLiteral("identify"),
          {QStringLiteral("-format"), QStringLiteral("%m %wx%h"), file});
  if (!p.waitForFinished(30000)) return QStringLiteral("identify did not finish");
  if (p.exitCode() != 0) return QString::fromLocal8Bit(p.readAllStandardError());
  return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

}  // namespace testing_support
