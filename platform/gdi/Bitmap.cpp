#include "platform/gdi/Bitmap.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <new>
#include <utility>

#include "platform/gdi/Canvas.h"
#include "platform/gdi/HugePages.h"

namespace gdi {
namespace {

Palette standardPaletteFor(PixelFormat f) {
  switch (f) {
    case PixelFormat::Bits1:
      return monochromePalette();
    case PixelFormat::Bits4:
      return vgaPalette();
    case PixelFormat::Bits8:
      return halftonePalette();
    default:
      return {};
  }
}

std::size_t paletteSizeFor(PixelFormat f) {
  switch (f) {
    case PixelFormat::Bits1:
      return 2;
    case PixelFormat::Bits4:
      return 16;
    case PixelFormat::Bits8:
      return 256;
    default:
      return 0;
  }
}

// Pixel memory of at least this many pixels (4 MiB) is large. The system
// hands out such memory in fresh pages that it zeroes on first touch, which
// for a 4000 x 4000 picture costs more than filling it. So the last large
// buffer released is kept, and the next bitmap of the same size takes it:
// replacing a picture by a new one of its size, or the copy a stroke makes of
// a shared picture, then writes into memory already in use. Only one buffer
// is kept, and a large bitmap of another size frees it.
constexpr std::size_t kLargePixels = std::size_t(1) << 20;

std::mutex& spareMutex() {
  static auto* m = new std::mutex;  // never destroyed, like the spare itself
  return *m;
}

}  // namespace

Bitmap::Pixels*& Bitmap::spare() {
  // Never destroyed: bitmaps of static objects are released after the end
  // of main, and the spare is freed with the process.
  static Pixels* kept = nullptr;
  return kept;
}

void Bitmap::freeSpareMemory() {
  Pixels* kept = nullptr;
  {
    const std::lock_guard<std::mutex> lock(spareMutex());
    kept = std::exchange(spare(), nullptr);
  }
  delete kept;
}

Bitmap::Pixels* Bitmap::allocate(int width, int height) {
  if (width < 0 || height < 0 || width > kMaxSide || height > kMaxSide ||
      std::int64_t(width) * height > kMaxPixels)
    throw ResourceError("Bitmap size " + std::to_string(width) + " x " + std::to_string(height) +
                        " is too large");
  const std::size_t count = std::size_t(width) * std::size_t(height);
  if (count == 0) return nullptr;
  if (count >= kLargePixels) {
    Pixels* unwanted = nullptr;
    {
      const std::lock_guard<std::mutex> lock(spareMutex());
      Pixels*& kept = spare();
      if (kept && kept->count == count) {
        Pixels* reused = std::exchange(kept, nullptr);
        reused->refs.store(1, std::memory_order_relaxed);
        return reused;
      }
      unwanted = std::exchange(kept, nullptr);
    }
    delete unwanted;  // before allocating: the two need not be held at once
  }
  try {
    auto data = std::make_unique<Pixels>();
    data->count = count;
    data->pixels.reset(new std::uint32_t[count]);
    adviseHugePages(data->pixels.get(), count * 4);
    return data.release();
  } catch (const std::bad_alloc&) {
    throw ResourceError("Not enough memory for a " + std::to_string(width) + " x " +
                        std::to_string(height) + " bitmap");
  }
}

void Bitmap::release(Pixels* data) {
  if (!data || data->refs.fetch_sub(1, std::memory_order_acq_rel) != 1) return;
  if (data->count >= kLargePixels) {
    const std::lock_guard<std::mutex> lock(spareMutex());
    data = std::exchange(spare(), data);
  }
  delete data;
}

Bitmap::Bitmap() = default;

Bitmap::Bitmap(int width, int height)
    : width_(width), height_(height), data_(allocate(width, height)) {
  if (data_)
    std::fill_n(data_->pixels.get(), std::size_t(width_) * std::size_t(height_), 0xFFFFFFu);
}

Bitmap Bitmap::forOverwrite(int width, int height) {
  Bitmap b;
  b.data_ = allocate(width, height);
  b.width_ = width;
  b.height_ = height;
  b.dirty_ = b.rect();
  return b;
}

Bitmap::Bitmap(const Bitmap& other) { copyFrom(other); }

Bitmap::Bitmap(Bitmap&& other) noexcept
    : width_(other.width_),
      height_(other.height_),
      data_(std::exchange(other.data_, nullptr)),
      format_(other.format_),
      matcher_(std::move(other.matcher_)),
      transparent_(other.transparent_),
      transparentMode_(other.transparentMode_),
      transparentColor_(other.transparentColor_),
      dirty_(rect()) {
  other.width_ = other.height_ = 0;
  other.matcher_ = PaletteMatcher();
  other.dirty_ = {};
}

Bitmap& Bitmap::operator=(const Bitmap& other) {
  if (this != &other) copyFrom(other);
  return *this;
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
  if (this == &other) return *this;
  release(std::exchange(data_, std::exchange(other.data_, nullptr)));
  width_ = other.width_;
  height_ = other.height_;
  format_ = other.format_;
  matcher_ = std::move(other.matcher_);
  transparent_ = other.transparent_;
  transparentMode_ = other.transparentMode_;
  transparentColor_ = other.transparentColor_;
  dirty_ = rect();
  other.width_ = other.height_ = 0;
  other.matcher_ = PaletteMatcher();
  other.dirty_ = {};
  return *this;
}

Bitmap::~Bitmap() { release(data_); }

void Bitmap::copyFrom(const Bitmap& other) {
  // The palette is copied first: it is the only part that can fail.
  PaletteMatcher matcher(other.matcher_.palette());
  if (other.data_) other.data_->refs.fetch_add(1, std::memory_order_relaxed);
  release(std::exchange(data_, other.data_));
  width_ = other.width_;
  height_ = other.height_;
  format_ = other.format_;
  matcher_ = std::move(matcher);
  transparent_ = other.transparent_;
  transparentMode_ = other.transparentMode_;
  transparentColor_ = other.transparentColor_;
  dirty_ = rect();
}

void Bitmap::detach() {
  Pixels* own = allocate(width_, height_);
  std::memcpy(own->pixels.get(), data_->pixels.get(),
              std::size_t(width_) * std::size_t(height_) * 4);
  release(std::exchange(data_, own));
}

void Bitmap::setSize(int width, int height) {
  if (width == width_ && height == height_) return;
  Pixels* resized = allocate(width, height);
  const int keepW = std::min(width, width_), keepH = std::min(height, height_);
  for (int y = 0; resized && y < height; ++y) {
    std::uint32_t* dst = resized->pixels.get() + std::size_t(y) * std::size_t(width);
    int from = 0;
    if (y < keepH) {
      std::memcpy(dst, constRow(y), std::size_t(keepW) * 4);
      from = keepW;
    }
    std::fill(dst + from, dst + width, snap(clWhite));
  }
  release(std::exchange(data_, resized));
  width_ = width;
  height_ = height;
  dirty_ = rect();
}

void Bitmap::setPixel(int x, int y, TColor c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  row(y)[x] = std::uint32_t(snap(c));
  markDirty({x, y, x + 1, y + 1});
}

void Bitmap::fill(TColor c) {
  // Shared pixels are not copied only to be overwritten.
  if (!isDetached()) release(std::exchange(data_, allocate(width_, height_)));
  std::fill_n(bits(), std::size_t(width_) * std::size_t(height_), std::uint32_t(snap(c)));
  markAllDirty();
}

void Bitmap::setPixelFormat(PixelFormat format) {
  const std::size_t want = paletteSizeFor(format);
  format_ = format;
  if (want == 0) {
    matcher_ = PaletteMatcher();
    return;
  }
  if (matcher_.palette().size() > want || matcher_.empty()) setPalette(standardPaletteFor(format));
}

void Bitmap::setPalette(Palette palette) {
  for (TColor& c : palette) c = colorToRGB(c);
  matcher_ = PaletteMatcher(std::move(palette));
  if (matcher_.empty()) return;
  for (int y = 0; y < height_; ++y) snapSpan(row(y), width_);
  markAllDirty();
}

void Bitmap::snapSpan(std::uint32_t* p, int count) const {
  if (matcher_.empty()) return;
  std::uint32_t last = ~0u, lastOut = 0;
  for (int i = 0; i < count; ++i) {
    if (p[i] != last) {
      last = p[i];
      lastOut = std::uint32_t(matcher_.nearest(TColor(last)));
    }
    p[i] = lastOut;
  }
}

TColor Bitmap::transparentColor() const {
  if (transparentMode_ == TransparentMode::Fixed) return transparentColor_;
  if (empty()) return clWhite;
  return pixel(0, height_ - 1);
}

Canvas& Bitmap::canvas() {
  if (!canvas_) canvas_ = std::make_unique<Canvas>(*this);
  return *canvas_;
}

bool Bitmap::samePixels(const Bitmap& other) const {
  if (width_ != other.width_ || height_ != other.height_) return false;
  if (empty() || data_ == other.data_) return true;
  return std::memcmp(constBits(), other.constBits(),
                     std::size_t(width_) * std::size_t(height_) * 4) == 0;
}

}  // namespace gdi
