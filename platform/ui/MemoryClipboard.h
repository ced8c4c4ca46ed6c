#pragma once
// A clipboard held in memory, for tests: it can be empty, hold a bitmap,
// have the format claimed without data, or be unavailable.
#include "platform/ui/Clipboard.h"

namespace ui {

class MemoryClipboard : public Clipboard {
 public:
  MemoryClipboard() = default;
  explicit MemoryClipboard(gdi::Bitmap content);

  // An unavailable clipboard refuses every change and offers nothing.
  void setAvailable(bool on) { available_ = on; }
  // True after claimFormat() until something replaces the claim.
  bool claimed() const { return claimed_; }
  // Number of successful setBitmap calls.
  int writes() const { return writes_; }

  bool available() const override { return available_; }
  bool hasBitmap() const override;
  bool claimFormat() override;
  bool setBitmap(const gdi::Bitmap& bitmap) override;
  gdi::Bitmap bitmap() const override;
  bool clear() override;

 private:
  bool available_ = true;
  bool claimed_ = false;
  int writes_ = 0;
  gdi::Bitmap content_;
};

}  // namespace ui
