#include "document/engine/DocumentNames.h"

namespace document {
namespace {

qsizetype lastSeparator(const QString& path) {
  return std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
}

}  // namespace

QString fileNamePart(const QString& path) { return path.mid(lastSeparator(path) + 1); }

QString upperExtension(const QString& path) {
  const qsizetype nameStart = lastSeparator(path) + 1;
  const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
  if (dot < nameStart) return {};
  return path.mid(dot).toUpper();
}

bool isJpegName(const QString& path) {
  const QString ext = upperExtension(path);
  return ext == QLatin1String(".JPG") || ext == QLatin1String(".JPEG") ||
         ext == QLatin1String(".JPE");
}

QString shownNameFor(const QString& path) {
  if (upperExtension(path) == QLatin1String(".BMP") || isJpegName(path)) return path;
  // The first dot of the file name, not of the whole path: a dot in a folder
  // name must not cut the caption short inside that folder.
  const qsizetype nameStart = lastSeparator(path) + 1;
  const qsizetype dot = path.indexOf(QLatin1Char('.'), nameStart);
  return (dot < 0 ? path : path.left(dot)) + QStringLiteral(".bmp");
}

QString quickSaveName(const QString& caption) {
  const QString name = fileNamePart(caption);
  const qsizetype dot = name.indexOf(QLatin1Char('.'));
  return name.left(dot + 1) + QStringLiteral("bmp");
}

SaveKind saveKindFor(const QString& path) {
  if (isJpegName(path)) return SaveKind::Jpeg;
  if (upperExtension(path) == QLatin1String(".GIF")) return SaveKind::Gif;
  return SaveKind::Bmp;
}

QString gifReplacementPath(const QString& path) { return path + QStringLiteral(".bmp"); }

OpenKind openKindFor(const QString& path) {
  const QString ext = upperExtension(path);
  if (ext == QLatin1String(".GIF")) return OpenKind::Gif;
  if (isJpegName(path)) return OpenKind::Picture;
  for (const char* known : {".BMP", ".EMF", ".ICO", ".WMF"})
    if (ext == QLatin1String(known)) return OpenKind::Picture;
  return OpenKind::Ignored;
}

QString resolveScreenshotAlias(const QString& name) {
  return name == kScreenshotAlias ? kScreenshotFile : name;
}

}  // namespace document
