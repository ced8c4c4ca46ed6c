#pragma once
// Integer points and rectangles in pixel coordinates. Rectangles are
// half-open: right and bottom are not part of the rectangle.
#include <algorithm>

namespace gdi {

struct Point {
  int x = 0;
  int y = 0;
  friend constexpr bool operator==(Point, Point) = default;
};

struct Size {
  int cx = 0;
  int cy = 0;
  friend constexpr bool operator==(Size, Size) = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  static constexpr Rect fromSize(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }

  constexpr int width() const { return right - left; }
  constexpr int height() const { return bottom - top; }
  constexpr bool isEmpty() const { return right <= left || bottom <= top; }
  constexpr bool contains(int x, int y) const {
    return x >= left && x < right && y >= top && y < bottom;
  }
  constexpr bool contains(Point p) const { return contains(p.x, p.y); }
  // Same rectangle with left <= right and top <= bottom.
  constexpr Rect normalized() const {
    return {std::min(left, right), std::min(top, bottom), std::max(left, right),
            std::max(top, bottom)};
  }
  constexpr Rect intersected(const Rect& o) const {
    Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
           std::min(bottom, o.bottom)};
    if (r.isEmpty()) return {};
    return r;
  }
  // Smallest rectangle holding both; an empty rectangle adds nothing.
  constexpr Rect united(const Rect& o) const {
    if (isEmpty()) return o;
    if (o.isEmpty()) return *this;
    return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
            std::max(bottom, o.bottom)};
  }
  constexpr Rect translated(int dx, int dy) const {
    return {left + dx, top + dy, right + dx, bottom + dy};
  }
  constexpr Rect inflated(int d) const { return {left - d, top - d, right + d, bottom + d}; }
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace gdi
