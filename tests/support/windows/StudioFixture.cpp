#include "support/windows/StudioFixture.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <cstdlib>

#include "app/FaultInjection.h"
#include "app/Studio.h"

namespace testing_support {

namespace {

QString programFolderFor(const StudioOptions& options) {
  return options.programFolder.isEmpty() ? Studio::builtProgramFolder() : options.programFolder;
}

}  // namespace

Studio::Studio(const StudioOptions& options) : ui_(programFolderFor(options)) {
  ui_.environment().setScreenSize(options.screen);
  app::StartOptions start;
  start.show = options.show;
  app::startStudio(start);
}

Studio::~Studio() {
  app::stopStudio();
  app::faults::beforeCompanionCopies() = nullptr;
}

QString Studio::builtProgramFolder() {
  if (const char* env = std::getenv("QM_PROGRAM_DIR"); env && *env)
    return QString::fromLocal8Bit(env);
  return QStringLiteral(QM_BUILT_PROGRAM_DIR);
}

}  // namespace testing_support

namespace testing_support {

void Studio::leftClick(QWidget* widget, std::optional<QPoint> at) {
  const QPointF local = at.value_or(widget->rect().center());
  const QPointF global = widget->mapToGlobal(local);
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &release);
}

}  // namespace testing_support
