#pragma once
// RichDocument to and from QTextDocument, the rich edit's own storage.
#include <QFont>

#include "platform/ui/RichDocument.h"

class QTextDocument;

namespace ui {

// Replaces the document's contents. Runs without a face keep the
// document's default font.
void toTextDocument(const RichDocument& rich, QTextDocument& doc);
RichDocument fromTextDocument(const QTextDocument& doc);

}  // namespace ui
