#pragma once
// The clipboard in bitmap format, as the program uses it. The current
// instance is ui::clipboard() (see Services.h); tests put a MemoryClipboard
// in its place.
//
// The program's habit before pasting or copying: when the clipboard does not
// offer a bitmap, claim the bitmap format and test again. A claimed format
// counts as offered (hasBitmap() is true) but holds no picture: bitmap()
// returns an empty bitmap, which callers treat as an empty clipboard.
//
// Testing and claiming never change the clipboard: on a desktop it holds
// what other programs put there (text, say), and a paste that finds no
// picture must leave that alone. Only setBitmap() and clear() change it.
#include "platform/gdi/Bitmap.h"

namespace ui {

class Clipboard {
 public:
  virtual ~Clipboard() = default;

  // False while the clipboard cannot be opened; every change then fails.
  virtual bool available() const = 0;
  // True when the bitmap format is offered (also when only claimed).
  virtual bool hasBitmap() const = 0;
  // Announces the bitmap format with no data, leaving the contents as they
  // are; the claim lasts until the clipboard changes.
  virtual bool claimFormat() = 0;
  // Replaces the clipboard's contents with a copy of `bitmap` (an empty
  // bitmap empties the clipboard).
  virtual bool setBitmap(const gdi::Bitmap& bitmap) = 0;
  // The offered picture, or an empty bitmap when there is none.
  virtual gdi::Bitmap bitmap() const = 0;
  // Empties the clipboard.
  virtual bool clear() = 0;
};

}  // namespace ui
