// Making the preview the main window's picture.
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

#include "app/TPbook1.h"
#include "app/Windows.h"
#include "document/windows/Tmessform.h"
#include "document/windows/Tpicform1.h"
#include "platform/ui/ImageControl.h"

void Tpicform1::loadpic() {
  TPbook1* main = app::windows().Pbook1;
  if (!main) return;
  main->ScrollBox1->horizontalScrollBar()->setValue(0);
  main->ScrollBox1->verticalScrollBar()->setValue(0);
  main->ptbox1->move(main->ptbox1->x(), 0);
  if (Image1->bitmap().empty()) {
    reportReadFailure();
    return;
  }
  // A zoomed edit of the old picture must not be merged into the new one.
  main->endZoomedEditing();
  main->picture() = Image1->bitmap();
  main->ptbox1->refresh();
  main->PagesReady = true;
  main->initpages();
  main->PageControl1->setCurrentWidget(main->TabSheet1);
  main->setWindowTitle(shownName);
  if (main->isHidden()) main->show();
}

void Tpicform1::reportReadFailure() {
  if (failure_ == document::ReadFailure::None) {
    messform().showReason(QStringLiteral("Not Enough Resources"));
    return;
  }
  QString detail = failedFile_;
  if (!failureDetail_.isEmpty()) detail += QStringLiteral("\n") + failureDetail_;
  messform().showReason(document::readFailureText(failure_), detail);
}
