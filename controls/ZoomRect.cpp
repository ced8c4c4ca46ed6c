#include "controls/ZoomRect.h"

#include <algorithm>
#include <cstdint>

namespace controls {
namespace {

std::uint16_t edge(int v) {
  return static_cast<std::uint16_t>(std::clamp(v, 0, ZoomRect::kMaxEdge));
}

// Half extent and centre along one axis for setZoomValue. `extent` is the
// rectangle's extent for the asked scale, `limit` the bitmap's. The centre is
// pushed in from both sides; when the bitmap is narrower than the rectangle
// the rectangle starts at 0 and sticks out on the far side only.
struct Span {
  int lo, hi;
};
Span centredSpan(int centre, int half, int limit) {
  if (centre - half < 0) centre = half;
  if (centre + half > limit) centre = limit - half;
  if (centre - half < 0) centre = half;
  return {centre - half, centre + half};
}

}  // namespace

void ZoomRect::reset() {
  left = top = 0;
  if (hasBitmap()) {
    right = edge(bitmapWidth);
    bottom = edge(bitmapHeight);
  } else {
    right = bottom = kMinExtent;
  }
}

void ZoomRect::setLeft(int v) {
  if (!hasBitmap()) return;
  left = edge(v);
  if (right - left < kMinExtent) left = edge(right - kMinExtent);
}

void ZoomRect::setTop(int v) {
  if (!hasBitmap()) return;
  top = edge(v);
  if (bottom - top < kMinExtent) top = edge(bottom - kMinExtent);
}

void ZoomRect::setRight(int v) {
  if (!hasBitmap()) return;
  right = edge(std::min(v, bitmapWidth));
  if (right - left < kMinExtent) right = edge(left + kMinExtent);
}

void ZoomRect::setBottom(int v) {
  if (!hasBitmap()) return;
  bottom = edge(std::min(v, bitmapHeight));
  if (bottom - top < kMinExtent) bottom = edge(top + kMinExtent);
}

int ZoomRect::zoomValue() const {
  if (!hasBitmap()) return 100;
  // (vw / rw + vh / rh) * 0.5 * 100, truncated, worked out exactly in
  // integers. An empty rectangle (a bitmap one pixel high) counts as one pixel.
  const std::int64_t rw = std::max(1, right - left), rh = std::max(1, bottom - top);
  const std::int64_t value =
      50 *
      (std::int64_t(std::max(0, viewWidth)) * rh + std::int64_t(std::max(0, viewHeight)) * rw) /
      (rw * rh);
  return int(std::min<std::int64_t>(value, kMaxEdge));
}

void ZoomRect::setZoomValue(int percent) {
  if (!hasBitmap()) return;
  percent = std::clamp(percent, 0, kMaxEdge);
  if (percent == 0) {
    left = top = 0;
    right = edge(bitmapWidth);
    bottom = edge(bitmapHeight);
    return;
  }
  // The view's extent divided by percent / 100, truncated (exact in integers).
  const int w = std::min(int(std::int64_t(std::max(0, viewWidth)) * 100 / percent), bitmapWidth);
  const int halfW = w < kMinExtent ? kMinExtent / 2 : w / 2;
  const Span x = centredSpan(xCenter(), halfW, bitmapWidth);

  int h = int(std::int64_t(std::max(0, viewHeight)) * 100 / percent);
  h = std::min(std::max(h, kMinExtent), bitmapHeight);
  // A bitmap one pixel high would otherwise give an empty rectangle.
  const int halfH = std::max(1, h / 2);
  const Span y = centredSpan(yCenter(), halfH, bitmapHeight);

  left = edge(x.lo);
  right = edge(x.hi);
  top = edge(y.lo);
  bottom = edge(y.hi);
}

void ZoomRect::setXCenter(int v) {
  if (!hasBitmap()) return;
  int d = std::clamp(v, 0, kMaxEdge) - xCenter();
  d = std::min(d, bitmapWidth - right);
  d = std::max(d, -int(left));
  left = edge(left + d);
  right = edge(right + d);
}

void ZoomRect::setYCenter(int v) {
  if (!hasBitmap()) return;
  int d = std::clamp(v, 0, kMaxEdge) - yCenter();
  d = std::min(d, bitmapHeight - bottom);
  d = std::max(d, -int(top));
  top = edge(top + d);
  bottom = edge(bottom + d);
}

}  // namespace controls
