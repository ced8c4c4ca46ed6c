#include "platform/ui/Environment.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include "platform/ui/FileLookup.h"

namespace ui {

namespace {

QString withTrailingSeparator(QString folder) {
  folder = withPlatformSeparators(folder);
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  return folder;
}

}  // namespace

QSize Environment::screenSize() const {
  if (screen_) return *screen_;
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    if (const QScreen* s = QGuiApplication::primaryScreen()) return s->size();
  return {1024, 768};
}

QRect Environment::availableArea() const {
  if (area_) return *area_;
  if (screen_) return {QPoint(0, 0), *screen_};
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    if (const QScreen* s = QGuiApplication::primaryScreen()) return s->availableGeometry();
  return {QPoint(0, 0), screenSize()};
}

void Environment::setProgramFolder(std::optional<QString> folder) {
  if (folder) folder = withTrailingSeparator(*folder);
  folder_ = std::move(folder);
}

QString Environment::programFolder() const {
  if (folder_) return *folder_;
  if (QCoreApplication::instance())
    return withTrailingSeparator(QCoreApplication::applicationDirPath());
  return QStringLiteral("./");
}

QString Environment::programFile(const QString& name) const {
  return findFileNoCase(programFolder(), name);
}

}  // namespace ui
