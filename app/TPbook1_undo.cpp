// Undo and redo, and the pop-up menu of the undo copy on "View Undo".
#include <QToolButton>

#include "app/TPbook1.h"
#include "app/Tclpform1.h"
#include "document/engine/UndoRedo.h"
#include "document/windows/ClipboardBitmap.h"
#include "platform/ui/BusyCursor.h"
#include "platform/ui/ImageControl.h"

namespace {

document::UndoButtons buttonsOf(const QToolButton* undo, const QToolButton* redo) {
  return {undo->isEnabled(), redo->isEnabled()};
}

}  // namespace

void TPbook1::undoptb1Click() {
  document::UndoButtons buttons = buttonsOf(undoptb1, redoptb1);
  document::undo(picture(), image2->bitmap(), redo->bitmap(), buttons);
  redoptb1->setEnabled(buttons.redo);
  pictureReplaced();
}

void TPbook1::redoptb1Click() {
  ui::BusyCursor busy;
  document::UndoButtons buttons = buttonsOf(undoptb1, redoptb1);
  document::redo(picture(), redo->bitmap(), buttons);
  redoptb1->setEnabled(buttons.redo);
  undoptb1->setEnabled(buttons.undo);
  pictureReplaced();
}

void TPbook1::pictureReplaced() {
  const gdi::Bitmap& pic = picture();
  if (ptbox1->width() != pic.width() || ptbox1->height() != pic.height())
    ptbox1->resize(pic.width(), pic.height());
  ptbox1->refresh();
}

void TPbook1::Copy1Click() {
  if (!document::putBitmapOnClipboard(image2->bitmap())) app::showClipboardMessage();
}

// Saving the undo copy names the window after the file written, but the
// picture itself is still unsaved: the modified flag stays, so closing still
// asks about the picture's changes.
void TPbook1::Save1Click() {
  if (const std::optional<QString> path = saveAsSequence(image2->bitmap())) setCaption(*path);
}
