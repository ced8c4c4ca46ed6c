#include "clips/engine/ToneFilters.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace clips {
namespace {

using Byte = std::uint8_t;

Byte* bytes(std::uint32_t* p) { return reinterpret_cast<Byte*>(p); }
const Byte* bytes(const std::uint32_t* p) { return reinterpret_cast<const Byte*>(p); }

// The kernels run over the bytes of whole rows, the always-zero fourth byte
// of each pixel included (a blend of 0 with 0 is 0), so the compiler can
// work on many channels at once.

// a blended toward b by 3 parts of 6: their average, halves to even.
void averageBytes(const Byte* __restrict a, const Byte* __restrict b, Byte* __restrict out,
                  std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned s = unsigned(a[i]) + b[i], q = s >> 1;
    out[i] = Byte(q + (s & q & 1));
  }
}

// v / 10 for v up to 7 * 255 + 3 * 255 + 5, in 16 bits so the compiler can
// use a 16-bit multiply-high on every processor.
inline std::uint16_t tenth(std::uint16_t v) {
  return std::uint16_t(std::uint16_t((std::uint32_t(v) * 52429u) >> 16) >> 3);
}

// a blended toward b by 3 parts of 10: v = 7a + 3b over 10, halves to even,
// which is (v + 4 + (v / 10 odd)) / 10.
void blendTenthsBytes(const Byte* __restrict a, const Byte* __restrict b, Byte* __restrict out,
                      std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint16_t v = std::uint16_t(7 * a[i] + 3 * b[i]);
    out[i] = Byte(tenth(std::uint16_t(v + 4 + (tenth(v) & 1))));
  }
}

template <Tone kTone>
void shiftPixels(const std::uint32_t* __restrict in, std::uint32_t* __restrict out, int n,
                 int shift) {
  for (int i = 0; i < n; ++i) out[i] = shiftColor(in[i], shift, kTone);
}

// A bitmap for a filter to write into: the picture's size, pixel format,
// palette and transparency. Palette pictures are copied, so the palette
// comes along without snapping a white buffer to it.
gdi::Bitmap outputLike(const gdi::Bitmap& picture) {
  const gdi::PixelFormat f = picture.pixelFormat();
  if (picture.hasPalette() || f == gdi::PixelFormat::Bits1 || f == gdi::PixelFormat::Bits4 ||
      f == gdi::PixelFormat::Bits8)
    return picture;
  gdi::Bitmap out(picture.width(), picture.height());
  out.setPixelFormat(f);
  out.setTransparent(picture.transparent());
  if (picture.transparentMode() == gdi::TransparentMode::Fixed)
    out.setTransparentColor(picture.transparentColor());
  return out;
}

void copyRow(const gdi::Bitmap& from, gdi::Bitmap& to, int y) {
  std::copy_n(from.row(y), from.width(), to.row(y));
}

// How many links from the end the chain is first tried from.
constexpr int kChainWindow = 48;

}  // namespace

namespace detail {

std::uint32_t softenChainEnd(const std::uint32_t* in, int width, int window) {
  const int last = width - 2;
  // Each link is a non-decreasing function of the value before it, so
  // chains started from black and from white hold the true chain between
  // them; once they meet, the true chain is that value too. Each link keeps
  // only 3/10 of the gap, so they nearly always meet within a few dozen
  // links and the thousands before do not matter. When they have not met,
  // the whole chain is worked out.
  const int start = last - window + 1;
  if (start > 1) {
    std::uint32_t low = 0, high = 0xFFFFFF;
    for (int x = start; x <= last; ++x) {
      low = blendColor(in[x], low, 3, 10);
      high = blendColor(in[x], high, 3, 10);
    }
    if (low == high) return low;
  }
  std::uint32_t s = in[0] & 0xFFFFFF;
  for (int x = 1; x <= last; ++x) s = blendColor(in[x], s, 3, 10);
  return s;
}

}  // namespace detail

namespace {

// The end of the horizontal chain of a soften-light row: each inner pixel
// blended toward its left neighbour as already blended. Only the last link
// survives the pass; the others are overwritten by the vertical blend.
std::uint32_t chainEnd(const std::uint32_t* in, int width, const gdi::Bitmap& out) {
  if (!out.hasPalette()) return detail::softenChainEnd(in, width, kChainWindow);
  // Snapping to a palette is not monotone: the whole chain, snapped link
  // by link.
  std::uint32_t s = in[0];
  for (int x = 1; x <= width - 2; ++x)
    s = std::uint32_t(out.snap(gdi::TColor(blendColor(in[x], s, 3, 10))));
  return s;
}

}  // namespace

bool softFocus(gdi::Bitmap& picture, const StoppableStep& step) {
  const int w = picture.width(), h = picture.height();
  if (w < 2 || h < 2) return true;
  gdi::Bitmap out = outputLike(picture);
  StoppableRows rows(h, step);
  if (!rows.row(0)) return false;
  copyRow(picture, out, 0);
  // Pass 1 of the row above and of this row; pass 2 reads its own result
  // of the row above from `out`.
  std::vector<std::uint32_t> above(picture.row(0), picture.row(0) + w), pass1(std::size_t(w), 0);
  const std::size_t n = std::size_t(w - 1) * 4;
  for (int y = 1; y < h; ++y) {
    if (!rows.row(y)) return false;
    const std::uint32_t* in = picture.row(y);
    pass1[0] = in[0];
    averageBytes(bytes(in + 1), bytes(above.data()), bytes(pass1.data() + 1), n);
    out.snapSpan(pass1.data(), w);
    std::uint32_t* o = out.row(y);
    o[0] = in[0];
    averageBytes(bytes(pass1.data() + 1), bytes(out.row(y - 1)), bytes(o + 1), n);
    out.snapSpan(o, w);
    above.swap(pass1);
  }
  picture = std::move(out);
  return true;
}

bool softenLight(gdi::Bitmap& picture, const StoppableStep& step) {
  const int w = picture.width(), h = picture.height();
  if (w < 3 || h < 3) return true;
  gdi::Bitmap out = outputLike(picture);
  StoppableRows rows(h, step);
  if (!rows.row(0)) return false;
  copyRow(picture, out, 0);
  // Row y as the pass leaves it: pixel x - 1 (for x up to width - 2) is the
  // vertical blend at x between the finished row above and the untouched
  // row below; pixel width - 2 is the end of the horizontal chain; the last
  // pixel is untouched.
  for (int y = 1; y < h - 1; ++y) {
    if (!rows.row(y)) return false;
    std::uint32_t* o = out.row(y);
    blendTenthsBytes(bytes(out.row(y - 1) + 1), bytes(picture.row(y + 1) + 1), bytes(o),
                     std::size_t(w - 2) * 4);
    out.snapSpan(o, w - 2);
    o[w - 2] = chainEnd(picture.row(y), w, out);
    o[w - 1] = picture.row(y)[w - 1];
  }
  if (!rows.row(h - 1)) return false;
  copyRow(picture, out, h - 1);
  picture = std::move(out);
  return true;
}

bool shiftImage(gdi::Bitmap& picture, Tone tone, const StoppableStep& step) {
  const int w = picture.width(), h = picture.height();
  if (picture.empty()) return true;
  gdi::Bitmap out = outputLike(picture);
  StoppableRows rows(h, step);
  for (int y = 0; y < h; ++y) {
    if (!rows.row(y)) return false;
    if (tone == Tone::Lighten)
      shiftPixels<Tone::Lighten>(picture.row(y), out.row(y), w, kImageShift);
    else
      shiftPixels<Tone::Darken>(picture.row(y), out.row(y), w, kImageShift);
    out.snapSpan(out.row(y), w);
  }
  picture = std::move(out);
  return true;
}

}  // namespace clips
