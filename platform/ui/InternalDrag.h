#pragma once
// Dragging one of the program's controls onto another, as the original
// toolkit's drag and drop between controls did: the drop side learns which
// control was dragged (an image control, a list box) and reads it directly.
//
// The drag travels as Qt drag-and-drop with a private MIME type naming the
// current drag; a drop from another program or an earlier drag names no
// source.
#include <QPixmap>
#include <Qt>

class QMimeData;
class QWidget;

namespace ui {

class InternalDrag {
 public:
  static const char* const kMimeType;

  // Drags `source` until it is dropped or cancelled; returns the action.
  static Qt::DropAction exec(QWidget* source, const QPixmap& image = {});

  // Starts a drag of `source` and returns the data that names it (exec uses
  // this; tests build drag events with it). end() finishes the drag.
  static QMimeData* begin(QWidget* source);
  static void end();

  // The control being dragged when `data` belongs to the current drag.
  static QWidget* sourceOf(const QMimeData* data);
};

}  // namespace ui
