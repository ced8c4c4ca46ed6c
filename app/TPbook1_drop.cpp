// Pictures arriving by drag and drop: files from the desktop's file manager
// and image controls of the program dropped on the "Drag To" page.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTabWidget>
#include <QUrl>

#include "app/TPbook1.h"
#include "app/Windows.h"
#include "document/engine/DocumentNames.h"
#include "document/windows/Tpicform1.h"
#include "platform/ui/ErrorReport.h"
#include "platform/ui/ImageControl.h"

namespace {

// The first local file of a drop, or nothing.
QString firstLocalFile(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) return url.toLocalFile();
  return {};
}

}  // namespace

void TPbook1::dragEnterEvent(QDragEnterEvent* event) {
  if (!firstLocalFile(event->mimeData()).isEmpty())
    event->acceptProposedAction();
  else
    event->ignore();
}

void TPbook1::dragMoveEvent(QDragMoveEvent* event) {
  if (!firstLocalFile(event->mimeData()).isEmpty())
    event->acceptProposedAction();
  else
    event->ignore();
}

void TPbook1::dropEvent(QDropEvent* event) {
  const QString path = firstLocalFile(event->mimeData());
  if (path.isEmpty()) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  ui::runGuarded([&] { dropFile(path); });
}

void TPbook1::dropFile(const QString& path) {
  if (!document::isJpegName(path) && document::upperExtension(path) != QLatin1String(".BMP"))
    return;
  // Cancel keeps the unsaved picture instead of replacing it.
  if (!checktosave()) return;
  Tpicform1* browser = app::windows().picform1;
  if (browser && browser->openthefile(path)) browser->loadpic();
}

void TPbook1::Image1DragDrop(QWidget* source) {
  auto* image = qobject_cast<ui::ImageControl*>(source);
  if (!image || image->bitmap().empty()) return;
  if (image != Image1) Image1->setBitmap(image->bitmap());
  if (Modified && !checktosave()) return;
  endZoomedEditing();
  picture() = Image1->bitmap();
  ptbox1->refresh();
  PageControl1->setCurrentWidget(TabSheet1);
  markModified();
  initpages();
}
