#include "platform/ui/ErrorReport.h"

#include <QtDebug>
#include <stdexcept>

#include "platform/ui/Services.h"

namespace ui {

QString errorText(std::exception_ptr e) {
  QString text;
  try {
    if (e) std::rethrow_exception(e);
  } catch (const std::exception& ex) {
    text = QString::fromUtf8(ex.what()).trimmed();
  } catch (...) {
  }
  if (text.isEmpty()) return QStringLiteral("Unknown error.");
  if (text.back().isLetterOrNumber()) text += QLatin1Char('.');
  return text;
}

void reportError(const QString& text) noexcept {
  try {
    dialogs().message(text, QStringLiteral("Error"), MsgButtons::Ok, MsgIcon::Error);
  } catch (const std::exception& e) {
    // The report itself failed (in tests: an unscripted question); the
    // original error must not be lost.
    qCritical("Error report failed (%s) while reporting: %s", e.what(), qPrintable(text));
  } catch (...) {
    qCritical("Error report failed while reporting: %s", qPrintable(text));
  }
}

void reportCurrentException() noexcept {
  QString text;
  try {
    text = errorText(std::current_exception());
  } catch (...) {
    text = QStringLiteral("Unknown error.");
  }
  reportError(text);
}

}  // namespace ui
