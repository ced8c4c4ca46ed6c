#pragma once
// One step of undo and one of redo over three bitmaps the main window keeps:
// the picture, the undo copy and the redo copy.
//
// The undo copy is not taken per stroke but at fixed moments (a tool picked,
// a whole-picture operation begun, the page set-up after a new picture), so
// Undo returns the picture to how it was then. Undo keeps the undo copy, so a
// second Undo stores the already undone picture as the redo copy; Redo keeps
// the redo copy, so it can be repeated, but its button is disabled after it.
#include "platform/gdi/Bitmap.h"

namespace document {

// Whether the "Undo" and "Redo" buttons are enabled.
struct UndoButtons {
  bool undo = false;
  bool redo = false;
  friend bool operator==(const UndoButtons&, const UndoButtons&) = default;
};

// Copies `from` into `into` (size, pixels, format, palette), keeping the
// canvas and transparency settings of `into`, as assigning a picture did.
void assignPicture(gdi::Bitmap& into, const gdi::Bitmap& from);

// The snapshot: picture -> undo copy.
inline void takeUndoCopy(const gdi::Bitmap& picture, gdi::Bitmap& undoCopy) {
  assignPicture(undoCopy, picture);
}

// Undo: redo copy := picture, picture := undo copy; enables "Redo". An empty
// undo copy (none taken yet) leaves the picture as it is.
void undo(gdi::Bitmap& picture, const gdi::Bitmap& undoCopy, gdi::Bitmap& redoCopy,
          UndoButtons& buttons);

// Redo: picture := redo copy; disables "Redo", enables "Undo". An empty redo
// copy (Redo before any Undo) leaves the picture as it is instead of blanking it.
void redo(gdi::Bitmap& picture, const gdi::Bitmap& redoCopy, UndoButtons& buttons);

}  // namespace document
