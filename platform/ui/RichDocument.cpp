#include "platform/ui/RichDocument.h"

#include <QStringList>

namespace ui {

QString Paragraph::text() const {
  QString s;
  for (const TextRun& r : runs) s += r.text;
  return s;
}

void Paragraph::append(const QString& text, const CharFormat& format) {
  if (text.isEmpty()) return;
  if (!runs.empty() && runs.back().format == format)
    runs.back().text += text;
  else
    runs.push_back({text, format});
}

QString RichDocument::plainText() const {
  QStringList lines;
  for (const Paragraph& p : paragraphs) lines << p.text();
  return lines.join(QLatin1Char('\n'));
}

}  // namespace ui
