#pragma once
// The system clipboard through QClipboard. Our clips are published as
// image/bmp and image/png so other programs can paste them; images copied in
// other programs are taken in any format Qt can read.
#include <QMetaObject>

#include "platform/ui/Clipboard.h"

namespace ui {

class QtClipboard : public Clipboard {
 public:
  QtClipboard();
  ~QtClipboard() override;
  QtClipboard(const QtClipboard&) = delete;
  QtClipboard& operator=(const QtClipboard&) = delete;

  bool available() const override;
  bool hasBitmap() const override;
  bool claimFormat() override;
  bool setBitmap(const gdi::Bitmap& bitmap) override;
  gdi::Bitmap bitmap() const override;
  bool clear() override;

 private:
  // Sets the system clipboard without ending our own claim.
  template <class Change>
  void change(Change&& c);

  bool claimed_ = false;
  bool changing_ = false;
  QMetaObject::Connection watch_;
};

}  // namespace ui
