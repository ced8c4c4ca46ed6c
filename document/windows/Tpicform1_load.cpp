// Making the preview the main window's picture.
#include "app/interface/MainWindow.h"
#include "document/windows/Tmessform.h"
#include "document/windows/Tpicform1.h"
#include "platform/ui/ImageControl.h"

void Tpicform1::loadpic() {
  app::MainWindow* main = app::findMainWindow();
  if (!main) return;
  if (!main->loadPicture(Image1->bitmap(), shownName)) reportReadFailure();
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
