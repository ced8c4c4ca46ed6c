#pragma once
// A picture in memory: width x height pixels of 32 bits, stored row by row in
// the TColor layout (bytes R, G, B, X with X always 0).
//
// Bitmap is a value with implicit sharing, as Qt's image classes have: a
// copy shares the pixels of the original until one of them is written, so
// the program's many copies of a picture (undo copy, clip, zoom backup...)
// cost nothing until they differ. Every non-const access to the pixels
// (row(), bits(), setPixel(), fill(), drawing on the canvas...) first gives
// this bitmap pixels of its own. A pointer from row() or bits() is therefore
// only good until the bitmap is next copied: write through it after a copy
// and both bitmaps change. Take it again after copying. Moving is cheap.
//
// Every bitmap object owns one Canvas whose pen, brush, font and pen position
// persist for the life of the object, as the original platform's bitmap
// canvases did; assigning another bitmap's pixels keeps this object's canvas
// state.
#include <atomic>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/gdi/Color.h"
#include "platform/gdi/Geometry.h"
#include "platform/gdi/Palette.h"

namespace gdi {

class Canvas;

// Thrown when a bitmap cannot be given the size asked for (the platform's
// "out of GDI resources"). The bitmap keeps its previous size and pixels.
class ResourceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Pixel format tag. Pixels are always held as 32-bit values; the tag records
// what the bitmap stands for and, for 1/4/8-bit formats, that writes snap to
// the palette.
enum class PixelFormat { Device, Bits1, Bits4, Bits8, Bits15, Bits16, Bits24, Bits32 };

enum class TransparentMode { Auto, Fixed };

class Bitmap {
 public:
  // Largest side and pixel count a bitmap may have; larger sizes throw
  // ResourceError before anything is allocated.
  static constexpr int kMaxSide = 65535;
  static constexpr std::int64_t kMaxPixels = std::int64_t(1) << 28;  // 1 GiB of pixels

  Bitmap();
  // A new bitmap is white.
  Bitmap(int width, int height);
  // A new bitmap whose pixels are left as the memory holds them, for callers
  // that write every pixel before anything reads one (a decoder, a filter
  // over the whole picture): it spares a pass over the whole picture.
  static Bitmap forOverwrite(int width, int height);
  Bitmap(const Bitmap& other);
  Bitmap(Bitmap&& other) noexcept;
  Bitmap& operator=(const Bitmap& other);
  Bitmap& operator=(Bitmap&& other) noexcept;
  ~Bitmap();

  int width() const { return width_; }
  int height() const { return height_; }
  Rect rect() const { return {0, 0, width_, height_}; }
  // An empty bitmap (0 x 0) stands for "no picture".
  bool empty() const { return width_ <= 0 || height_ <= 0; }

  // Resizes keeping the existing pixels at the top left; new area is white.
  void setSize(int width, int height);
  void setWidth(int width) { setSize(width, height_); }
  void setHeight(int height) { setSize(width_, height); }

  // Raw rows; the stride is width() pixels. The non-const forms give this
  // bitmap pixels of its own first (see the note at the top).
  std::uint32_t* row(int y) { return bits() + std::size_t(y) * std::size_t(width_); }
  const std::uint32_t* row(int y) const { return constRow(y); }
  const std::uint32_t* constRow(int y) const {
    return constBits() + std::size_t(y) * std::size_t(width_);
  }
  std::uint32_t* bits() {
    if (!isDetached()) detach();
    return data_ ? data_->pixels.get() : nullptr;
  }
  const std::uint32_t* bits() const { return constBits(); }
  const std::uint32_t* constBits() const { return data_ ? data_->pixels.get() : nullptr; }

  // Frees the pixel memory kept from the last large bitmap released for the
  // next one of its size (see Bitmap.cpp).
  static void freeSpareMemory();

  // True when no other bitmap shares these pixels (an empty bitmap too).
  bool isDetached() const { return !data_ || data_->refs.load(std::memory_order_acquire) == 1; }
  // True when both bitmaps hold the very same pixel memory.
  bool sharesPixelsWith(const Bitmap& other) const { return data_ && data_ == other.data_; }

  // The pixel at (x, y), or -1 outside the bitmap.
  TColor pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return -1;
    return TColor(constRow(y)[x]);
  }
  // Writes one pixel (snapped to the palette); outside the bitmap it does nothing.
  void setPixel(int x, int y, TColor c);
  void fill(TColor c);

  PixelFormat pixelFormat() const { return format_; }
  // Changing to 1/4/8 bits gives the bitmap a standard palette (when it has
  // none of the right size) and snaps every pixel to it; other formats drop
  // the palette and keep the pixels.
  void setPixelFormat(PixelFormat format);
  bool hasPalette() const { return !matcher_.empty(); }
  const Palette& palette() const { return matcher_.palette(); }
  // Sets the palette and snaps every pixel to it. An empty palette removes it.
  void setPalette(Palette palette);
  // The colour a write of `c` actually stores: the nearest palette entry when
  // the bitmap has a palette, else `c` reduced to RGB.
  TColor snap(TColor c) const {
    c &= 0xFFFFFF;
    return matcher_.empty() ? c : matcher_.nearest(c);
  }
  // Snaps a run of stored pixels to the palette (no-op without one).
  void snapSpan(std::uint32_t* p, int count) const;

  bool transparent() const { return transparent_; }
  void setTransparent(bool on) { transparent_ = on; }
  TransparentMode transparentMode() const { return transparentMode_; }
  void setTransparentMode(TransparentMode m) { transparentMode_ = m; }
  // The key colour used when drawn transparently: the bottom-left pixel in
  // Auto mode, the fixed colour otherwise.
  TColor transparentColor() const;
  void setTransparentColor(TColor c) {
    transparentColor_ = c;
    transparentMode_ = TransparentMode::Fixed;
  }

  // The persistent canvas of this bitmap.
  Canvas& canvas();

  // Area written since the last takeDirty(): drawing code records what it
  // touched so views can repaint only that.
  void markDirty(const Rect& r) { dirty_ = dirty_.united(r.intersected(rect())); }
  void markAllDirty() { dirty_ = rect(); }
  Rect dirty() const { return dirty_; }
  Rect takeDirty() {
    Rect d = dirty_;
    dirty_ = {};
    return d;
  }

  // Same size and the same pixels (format, palette and transparency ignored).
  bool samePixels(const Bitmap& other) const;
  friend bool operator==(const Bitmap& a, const Bitmap& b) { return a.samePixels(b); }

 private:
  // Pixel memory with the count of bitmaps that share it.
  struct Pixels {
    std::atomic<int> refs{1};
    std::size_t count = 0;
    std::unique_ptr<std::uint32_t[]> pixels;
  };
  static Pixels* allocate(int width, int height);
  static void release(Pixels* data);
  // The last large pixel memory released, kept for the next bitmap of its
  // size (see Bitmap.cpp); null when none.
  static Pixels*& spare();

  void copyFrom(const Bitmap& other);
  // Gives this bitmap a copy of the pixels it shares.
  void detach();

  int width_ = 0;
  int height_ = 0;
  Pixels* data_ = nullptr;
  PixelFormat format_ = PixelFormat::Device;
  PaletteMatcher matcher_;
  bool transparent_ = false;
  TransparentMode transparentMode_ = TransparentMode::Auto;
  TColor transparentColor_ = clWhite;
  Rect dirty_;
  std::unique_ptr<Canvas> canvas_;
};

}  // namespace gdi
