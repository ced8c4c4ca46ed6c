#include "document/engine/UndoRedo.h"

namespace document {

void assignPicture(gdi::Bitmap& into, const gdi::Bitmap& from) {
  if (&into == &from) return;
  const bool transparent = into.transparent();
  const gdi::TransparentMode mode = into.transparentMode();
  const gdi::TColor key = into.transparentColor();
  into = from;  // keeps into's canvas
  into.setTransparent(transparent);
  if (mode == gdi::TransparentMode::Fixed) into.setTransparentColor(key);
  into.setTransparentMode(mode);
  into.markAllDirty();
}

void undo(gdi::Bitmap& picture, const gdi::Bitmap& undoCopy, gdi::Bitmap& redoCopy,
          UndoButtons& buttons) {
  buttons.redo = true;
  if (undoCopy.empty()) return;
  assignPicture(redoCopy, picture);
  assignPicture(picture, undoCopy);
}

void redo(gdi::Bitmap& picture, const gdi::Bitmap& redoCopy, UndoButtons& buttons) {
  buttons.redo = false;
  if (!redoCopy.empty()) assignPicture(picture, redoCopy);
  buttons.undo = true;
}

}  // namespace document
