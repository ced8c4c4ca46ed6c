#pragma once
// Runs an independent tool (ImageMagick's convert and identify, djpeg) as a
// test's witness: the files it writes are read by the program, and the
// files the program writes are read by it.
#include <QProcess>
#include <QString>
#include <QStringList>

#include "platform/gdi/Bitmap.h"

namespace testing_support {

struct ToolRun {
  int exitCode = -1;  // -1: the tool did not start or did not finish
  QByteArray output;  // standard output
  QByteArray errors;  // standard error
  bool ok() const { return exitCode == 0; }
};

inline ToolRun runTool(const QString& program, const QStringList& arguments,
                       int timeoutMs = 120000) {
  QProcess p;
  p.start(program, arguments);
  ToolRun run;
  if (!p.waitForStarted() || !p.waitForFinished(timeoutMs)) {
    p.kill();
    p.waitForFinished();
    run.errors = program.toUtf8() + " did not run";
    return run;
  }
  run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  run.output = p.readAllStandardOutput();
  run.errors = p.readAllStandardError();
  return run;
}

// The picture in `file` as ImageMagick reads it; empty when it cannot.
inline gdi::Bitmap readWithImageMagick(const QString& file) {
  const ToolRun run =
      runTool(QStringLiteral("convert"), {file + QStringLiteral("[0]"), QStringLiteral("-depth"),
                                          QStringLiteral("8"), QStringLiteral("ppm:-")});
  if (!run.ok()) return {};
  // P6, width, height, maximum, one white-space character, then RGB bytes.
  const QByteArray& out = run.output;
  qsizetype pos = 0;
  QList<int> header;
  while (header.size() < 4 && pos < out.size()) {
    while (pos < out.size() && QChar(out[pos]).isSpace()) ++pos;
    const qsizetype start = pos;
    while (pos < out.size() && !QChar(out[pos]).isSpace()) ++pos;
    const QByteArray word = out.mid(start, pos - start);
    header.append(header.isEmpty() ? (word == "P6" ? 6 : -1) : word.toInt());
  }
  ++pos;
  if (header.size() < 4 || header[0] != 6 || header[3] != 255) return {};
  const int w = header[1], h = header[2];
  if (out.size() - pos < qsizetype(w) * h * 3) return {};
  gdi::Bitmap b(w, h);
  const auto* p = reinterpret_cast<const unsigned char*>(out.constData() + pos);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x, p += 3) b.row(y)[x] = std::uint32_t(gdi::RGB(p[0], p[1], p[2]));
  return b;
}

}  // namespace testing_support
