#include "platform/ui/MemoryClipboard.h"

namespace ui {

MemoryClipboard::MemoryClipboard(gdi::Bitmap content) : content_(std::move(content)) {}

bool MemoryClipboard::hasBitmap() const { return available_ && (claimed_ || !content_.empty()); }

bool MemoryClipboard::claimFormat() {
  if (!available_) return false;
  claimed_ = true;
  return true;
}

bool MemoryClipboard::setBitmap(const gdi::Bitmap& bitmap) {
  if (!available_) return false;
  content_ = bitmap;
  claimed_ = false;
  ++writes_;
  return true;
}

gdi::Bitmap MemoryClipboard::bitmap() const {
  if (!available_) return {};
  return content_;
}

bool MemoryClipboard::clear() {
  if (!available_) return false;
  content_ = {};
  claimed_ = false;
  return true;
}

}  // namespace ui
