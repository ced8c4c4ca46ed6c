#include "document/windows/ClipboardBitmap.h"

#include "platform/ui/Services.h"

namespace document {

bool putBitmapOnClipboard(const gdi::Bitmap& bitmap) {
  if (bitmap.empty()) return false;
  ui::Clipboard& clipboard = ui::clipboard();
  if (!clipboard.hasBitmap()) clipboard.claimFormat();
  return clipboard.hasBitmap() && clipboard.setBitmap(bitmap);
}

}  // namespace document
