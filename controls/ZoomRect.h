#pragma once
// The arithmetic of the zoom view: which rectangle of its bitmap the view
// stretches over its client area, and how the edge, zoom and centre setters
// move that rectangle. Kept apart from the widget so it can be reasoned
// about (and tested) as plain numbers.
//
// Edges are 16-bit unsigned values, right and bottom exclusive. Bitmaps are
// never wider or higher than 65535 (gdi::Bitmap::kMaxSide), so the whole
// bitmap always fits; where the 10-pixel minimum would push an edge past
// 65535 or below 0 the edge is clamped instead of wrapping around.
#include <cstdint>

namespace controls {

struct ZoomRect {
  // The rectangle never gets narrower or lower than this through a setter.
  static constexpr int kMinExtent = 10;
  static constexpr int kMaxEdge = 65535;

  // Size of the bitmap (0 x 0: no bitmap) and of the control showing it.
  int bitmapWidth = 0;
  int bitmapHeight = 0;
  int viewWidth = 160;
  int viewHeight = 160;

  std::uint16_t left = 0;
  std::uint16_t top = 0;
  std::uint16_t right = 10;
  std::uint16_t bottom = 10;

  // Every setter does nothing without a bitmap.
  bool hasBitmap() const { return bitmapWidth > 0 && bitmapHeight > 0; }

  // The bitmap changed: the rectangle becomes the whole bitmap, or
  // (0, 0, 10, 10) without one.
  void reset();

  // Moving one edge keeps the rectangle at least 10 pixels wide and high by
  // moving that same edge back; right and bottom are first cut to the bitmap.
  void setLeft(int v);
  void setTop(int v);
  void setRight(int v);
  void setBottom(int v);

  // Percent, the mean of the horizontal and vertical scale, truncated; 100
  // without a bitmap.
  int zoomValue() const;
  // 0 shows the whole bitmap; any other value sizes the rectangle for that
  // scale around the current centre, pushing the centre in so the rectangle
  // stays inside the bitmap.
  void setZoomValue(int percent);

  int xCenter() const { return (left + right) / 2; }
  int yCenter() const { return (top + bottom) / 2; }
  // Moves the rectangle so its centre comes as near `v` as the bitmap's
  // edges allow; the rectangle keeps its size.
  void setXCenter(int v);
  void setYCenter(int v);

  friend bool operator==(const ZoomRect&, const ZoomRect&) = default;
};

}  // namespace controls
