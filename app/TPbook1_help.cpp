// The help pages: rich-text files of the program folder shown on the
// "Getting Started" page.
#include <QFrame>
#include <QPushButton>
#include <QTabWidget>

#include "app/TPbook1.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/Services.h"

namespace {

const char* const kSupportLine = "E-mail support@quillmoor.example for a replacement.";

}  // namespace

bool TPbook1::loadHelpPage(const QString& fileName) {
  const QString path = ui::environment().programFile(fileName);
  if (path.isEmpty()) return false;
  RichEdit1->loadFromFile(path);
  Panel6->hide();
  getsbut1->show();
  PageControl1->setCurrentWidget(TabSheet6);
  return true;
}

void TPbook1::showMissingHelp(const QStringList& lines) {
  for (const QString& line : lines) RichEdit1->addLine(line);
  // The note is only seen with the cover panel out of the way.
  Panel6->hide();
  getsbut1->show();
  PageControl1->setCurrentWidget(TabSheet6);
}

void TPbook1::dohelp(const QString& fileName) {
  if (!loadHelpPage(fileName))
    ui::dialogs().error(QStringLiteral("Help file is missing. E-mail for a replacement"));
}

void TPbook1::showHelp(const QString& fileName, const QStringList& missingLines) {
  if (!loadHelpPage(fileName)) showMissingHelp(missingLines);
}

void TPbook1::getsbut1Click() {
  Panel6->show();
  getsbut1->hide();
}

void TPbook1::Panel6Click() {
  if (!loadHelpPage(QStringLiteral("GETTING STARTED.RTF")))
    showMissingHelp({QStringLiteral("File Getting Started.RTF is missing")});
}

void TPbook1::Label16Click() {
  if (!loadHelpPage(QStringLiteral("ANIMATION MAGIC.RTF")))
    showMissingHelp({QStringLiteral("File Animation Magic.RTF is missing")});
}

void TPbook1::SpeedButton2Click() {
  if (!loadHelpPage(QStringLiteral("Paste Panel.RTF")))
    showMissingHelp(
        {QStringLiteral("File Paste Panel.RTF is missing."), QString::fromLatin1(kSupportLine)});
}

void TPbook1::Image5Click() { PageControl1->setCurrentWidget(TabSheet1); }

void TPbook1::notifygif() {
  ui::dialogs().error(QStringLiteral("Gif utilities available at our website"));
}
