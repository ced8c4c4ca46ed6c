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
  if (!image2->bitmap().empty()) markModified();
  pictureReplaced();
}

void TPbook1::redoptb1Click() {
  ui::BusyCursor busy;
  document::UndoButtons buttons = buttonsOf(undoptb1, redoptb1);
  document::redo(picture(), redo->bitmap(), buttons);
  redoptb1->setEnabled(buttons.redo);
  undoptb1->setEnabled(buttons.undo);
  // An empty redo copy (nothing undone since the picture came) changes nothing.
  if (!redo->bitmap().empty()) markModified();
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

// The file holds the undo copy, not the picture: the window keeps its name
// and the modified flag, so the close check and a quick save still mean the
// picture.
void TPbook1::Save1Click() { saveAsSequence(image2->bitmap()); }
