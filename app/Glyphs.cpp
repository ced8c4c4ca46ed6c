#include "app/Glyphs.h"

#include "platform/ui/Services.h"

namespace app {

QIcon glyphIcon(const QString& name) {
  const QString path =
      ui::environment().programFile(QStringLiteral("glyphs/") + name + QStringLiteral(".svg"));
  if (path.isEmpty()) return {};
  return QIcon(path);
}

}  // namespace app
