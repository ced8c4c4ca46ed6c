#include "tools/engine/GradientFills.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/gdi/Stroke.h"
#include "tools/engine/GradientList.h"
#include "tools/engine/PictureCopy.h"

namespace tools {

namespace {

// The pen every gradient fill draws with.
void setGradientPen(gdi::Canvas& c) {
  c.brush.setStyle(gdi::BrushStyle::Clear);
  c.pen.width = 2;
  c.pen.style = gdi::PenStyle::InsideFrame;
}

struct Box {
  int left, top, width, height;
};

// The dragged box: its top left corner and sides of at least one pixel.
Box boxOf(int x1, int y1, int x2, int y2) {
  return {std::min(x1, x2), std::min(y1, y2), std::max(std::abs(x2 - x1), 1),
          std::max(std::abs(y2 - y1), 1)};
}

// The minimum size of the stepped side of a box fill, frame or globe radius.
constexpr int kMinSteps = 4;

// The step colours as the picture stores them.
std::vector<std::uint32_t> storedColours(const gdi::Bitmap& picture,
                                         const std::vector<gdi::TColor>& steps) {
  std::vector<std::uint32_t> out;
  out.reserve(steps.size());
  for (gdi::TColor c : steps) out.push_back(std::uint32_t(picture.snap(gdi::colorToRGB(c))));
  return out;
}

// The gradient fills below draw many figures one over the other, each later
// figure covering parts of the earlier ones. In copy mode (how the tools call
// them) the picture they leave is worked out directly, pixel by pixel in row
// order, as the colour of the last figure covering each pixel; in any other
// mode the figures are drawn one by one. Tests hold the two ways equal.
bool directPaint(const gdi::Canvas& c) { return c.pen.mode == gdi::PenMode::Copy; }

// --- area fills -----------------------------------------------------------------

// The colours a picture-sized work bitmap would hold if each of its rows
// (or columns) were drawn as a line across it in its step colour. Away from
// the lines' ends every column (row) of such a bitmap is the same, so a strip
// a few pixels across stands for the whole work bitmap.
std::vector<gdi::TColor> workColours(int length, bool rows, const std::vector<gdi::TColor>& steps) {
  constexpr int kAcross = 5, kMiddle = 2, kReach = 8;
  gdi::Bitmap strip(rows ? kAcross : length, rows ? length : kAcross);
  gdi::Canvas& c = strip.canvas();
  setGradientPen(c);
  c.pen.mode = gdi::PenMode::Copy;
  for (int k = 0; k < length; ++k) {
    c.pen.color = steps[std::size_t(k)];
    if (rows) {
      c.moveTo(-kReach, k);
      c.lineTo(kAcross + kReach, k);
    } else {
      c.moveTo(k, -kReach);
      c.lineTo(k, kAcross + kReach);
    }
  }
  std::vector<gdi::TColor> colours(static_cast<std::size_t>(length));
  for (int i = 0; i < length; ++i)
    colours[std::size_t(i)] = rows ? strip.pixel(kMiddle, i) : strip.pixel(i, kMiddle);
  return colours;
}

// Flooded pixels (those that now differ from the copy taken before the flood)
// take `colour`.
void recolourFlooded(std::uint32_t* __restrict p, const std::uint32_t* __restrict old, int n,
                     std::uint32_t colour) {
  for (int i = 0; i < n; ++i) p[i] = p[i] != old[i] ? colour : p[i];
}

void recolourFlooded(std::uint32_t* __restrict p, const std::uint32_t* __restrict old, int n,
                     const std::uint32_t* __restrict colours) {
  for (int i = 0; i < n; ++i) p[i] = p[i] != old[i] ? colours[i] : p[i];
}

bool areaFill(gdi::Bitmap& picture, gdi::Bitmap& undoCopy, int x, int y,
              std::span<const gdi::TColor> list, bool rows) {
  if (list.size() < 2 || picture.empty()) return false;
  const int length = rows ? picture.height() : picture.width();
  const std::vector<std::uint32_t> colours =
      storedColours(picture, workColours(length, rows, gradientSteps(list, length)));

  gdi::Canvas& c = picture.canvas();
  c.brush.setColor(0x000001);
  copyPicture(undoCopy, picture);
  // The flood's own dirty area says where to look for flooded pixels.
  const gdi::Rect before = picture.takeDirty();
  c.floodFill(x, y, picture.pixel(x, y), gdi::FillStyle::Surface);
  const gdi::Rect flooded = picture.dirty();
  picture.markDirty(before);

  const int n = flooded.width();
  for (int row = flooded.top; row < flooded.bottom; ++row) {
    std::uint32_t* p = picture.row(row) + flooded.left;
    const std::uint32_t* old = undoCopy.row(row) + flooded.left;
    if (rows)
      recolourFlooded(p, old, n, colours[std::size_t(row)]);
    else
      recolourFlooded(p, old, n, colours.data() + flooded.left);
  }
  return true;
}

// --- box fills ------------------------------------------------------------------

void drawLines(gdi::Canvas& c, const Box& b, bool rows, const std::vector<gdi::TColor>& steps) {
  const int n = int(steps.size());
  for (int k = 0; k < n; ++k) {
    c.pen.color = steps[std::size_t(k)];
    if (rows) {
      c.moveTo(b.left, b.top + k);
      c.lineTo(b.left + b.width, b.top + k);
    } else {
      c.moveTo(b.left + k, b.top);
      c.lineTo(b.left + k, b.top + b.height);
    }
  }
}

// Vertical lines side by side: every line covers the first line's pixels
// moved k columns right, so in each row the last line covering column x is
// the one k = x - (first column it covers there), capped at the last line.
// Returns false when the pen's line is not one run per row (then the caller
// draws the lines).
bool sweepColumns(gdi::Canvas& c, const Box& b, const std::vector<gdi::TColor>& steps) {
  gdi::Bitmap& picture = c.bitmap();
  const int n = int(steps.size());
  const gdi::Point line[2] = {{b.left, b.top}, {b.left, b.top + b.height}};
  const gdi::Rect reach{b.left - 8, b.top - 8, b.left + 9, b.top + b.height + 9};
  const gdi::detail::Stroke stroke = gdi::detail::strokePath(line, false, c.pen, false, reach);
  const std::vector<gdi::Span>& spans = stroke.ink.spans();
  for (std::size_t i = 1; i < spans.size(); ++i)
    if (spans[i].y == spans[i - 1].y) return false;
  const std::vector<std::uint32_t> colours = storedColours(picture, steps);
  gdi::Rect touched;
  for (const gdi::Span& s : spans) {
    if (s.y < 0 || s.y >= picture.height()) continue;
    const int first = s.x1, end = s.x2 + n - 1;
    const int x1 = std::max(first, 0), x2 = std::min(end, picture.width());
    if (x1 >= x2) continue;
    std::uint32_t* p = picture.row(s.y);
    for (int x = x1; x < x2; ++x) p[x] = colours[std::size_t(std::min(n - 1, x - first))];
    touched = touched.united({x1, s.y, x2, s.y + 1});
  }
  picture.markDirty(touched);
  c.pen.color = steps.back();
  c.moveTo(b.left + n - 1, b.top + b.height);
  return true;
}

bool boxFill(gdi::Canvas& c, int x1, int y1, int x2, int y2, std::span<const gdi::TColor> list,
             bool rows) {
  const Box b = boxOf(x1, y1, x2, y2);
  setGradientPen(c);
  const int n = rows ? b.height : b.width;
  if (list.size() < 2 || n <= kMinSteps) return false;
  const std::vector<gdi::TColor> steps = gradientSteps(list, n);
  // Horizontal lines are long runs already; vertical ones are worked out.
  if (rows || !directPaint(c) || !sweepColumns(c, b, steps)) drawLines(c, b, rows, steps);
  return true;
}

// --- frame and globe ------------------------------------------------------------

// Paints each picture pixel of `area` that some ring covers with the colour of
// the last ring covering it; `ringAt(x, y)` gives that ring, or -1.
template <class RingAt>
void paintRings(gdi::Bitmap& picture, const gdi::Rect& area,
                const std::vector<std::uint32_t>& colours, RingAt ringAt) {
  const gdi::Rect r = area.intersected(picture.rect());
  for (int y = r.top; y < r.bottom; ++y) {
    std::uint32_t* p = picture.row(y);
    for (int x = r.left; x < r.right; ++x) {
      const int ring = ringAt(x, y);
      if (ring >= 0) p[x] = colours[std::size_t(ring)];
    }
  }
  picture.markDirty(r);
}

}  // namespace

bool Hdogradboxfill(gdi::Canvas& c, int x1, int y1, int x2, int y2,
                    std::span<const gdi::TColor> list) {
  return boxFill(c, x1, y1, x2, y2, list, true);
}

bool Vdogradboxfill(gdi::Canvas& c, int x1, int y1, int x2, int y2,
                    std::span<const gdi::TColor> list) {
  return boxFill(c, x1, y1, x2, y2, list, false);
}

bool Hdogradfill(gdi::Bitmap& picture, gdi::Bitmap& undoCopy, int x, int y,
                 std::span<const gdi::TColor> list) {
  return areaFill(picture, undoCopy, x, y, list, true);
}

bool Vdogradfill(gdi::Bitmap& picture, gdi::Bitmap& undoCopy, int x, int y,
                 std::span<const gdi::TColor> list) {
  return areaFill(picture, undoCopy, x, y, list, false);
}

bool Hdogradrectfill(gdi::Canvas& c, int x1, int y1, int x2, int y2,
                     std::span<const gdi::TColor> list, gdi::TColor backColor) {
  const Box b = boxOf(x1, y1, x2, y2);
  c.pen.color = backColor;
  setGradientPen(c);
  if (list.size() < 2 || b.height <= kMinSteps) return false;
  // Taken from the list's end backwards: the steps of the reversed list.
  const std::vector<gdi::TColor> reversed(list.rbegin(), list.rend());
  const int n = b.height / 2;
  const std::vector<gdi::TColor> steps = gradientSteps(reversed, n);
  // Ring k is inset k rows and, until the sides meet in the middle, k columns.
  const int sideLimit = (b.width - 1) / 2;
  auto inset = [&](int k) { return std::min(k, sideLimit); };
  if (directPaint(c)) {
    // A ring is its box less the box two pixels further in, so each pixel
    // shows the innermost ring whose box holds it.
    const std::vector<std::uint32_t> colours = storedColours(c.bitmap(), steps);
    paintRings(c.bitmap(), {b.left, b.top, b.left + b.width, b.top + b.height}, colours,
               [&](int x, int y) {
                 const int ky = std::min(y - b.top, b.top + b.height - 1 - y);
                 const int kx = std::min(x - b.left, b.left + b.width - 1 - x);
                 return std::min({ky, kx >= sideLimit ? n - 1 : kx, n - 1});
               });
    c.pen.color = steps.back();
    return true;
  }
  for (int k = 0; k < n; ++k) {
    c.pen.color = steps[std::size_t(k)];
    c.rectangle(b.left + inset(k), b.top + k, b.left + b.width - inset(k), b.top + b.height - k);
  }
  return true;
}

bool globe(gdi::Canvas& c, int x1, int y1, int x2, int y2, std::span<const gdi::TColor> list) {
  const Box b = boxOf(x1, y1, x2, y2);
  const int radius = std::max(b.width / 2, b.height / 2);
  setGradientPen(c);
  if (list.size() < 2 || radius <= kMinSteps) return false;
  const std::vector<gdi::TColor> steps = gradientSteps(list, radius);
  if (directPaint(c)) {
    // Ring n (a circle of radius R - n with a two-pixel pen inside it) covers
    // what the circle of radius R - n - 1 leaves of its own disc, so each
    // pixel shows the smallest disc that holds it. In doubled coordinates
    // about the centre (both odd) a pixel lies in the disc of radius r when
    // dx^2 + dy^2 <= (2r)^2, and the middle two columns when |dy| <= 2r.
    const std::int64_t cx2 = 2 * std::int64_t(b.left) + 2 * radius - 1;
    const std::int64_t cy2 = 2 * std::int64_t(b.top) + 2 * radius - 1;
    const std::vector<std::uint32_t> colours = storedColours(c.bitmap(), steps);
    paintRings(c.bitmap(), {b.left, b.top, b.left + 2 * radius, b.top + 2 * radius}, colours,
               [&](int x, int y) {
                 const std::int64_t dx = 2 * std::int64_t(x) - cx2, dy = 2 * std::int64_t(y) - cy2;
                 const std::int64_t s = dx * dx + dy * dy;
                 auto t = std::int64_t(std::sqrt(double(s)));
                 while (t * t < s) ++t;
                 while (t > 0 && (t - 1) * (t - 1) >= s) --t;
                 std::int64_t k = (t + 1) / 2;  // smallest r with (2r)^2 >= s
                 if (dx == 1 || dx == -1) k = std::min(k, ((dy < 0 ? -dy : dy) + 1) / 2);
                 return int(radius - k);
               });
    c.pen.color = steps.back();
    return true;
  }
  for (int n = 0; n < radius; ++n) {
    c.pen.color = steps[std::size_t(n)];
    c.ellipse(b.left + n, b.top + n, b.left + 2 * radius - n, b.top + 2 * radius - n);
  }
  return true;
}

bool dogradtubes(gdi::Canvas& c, gdi::Point from, gdi::Point to, int lineWidth,
                 gdi::TColor foreColor, std::span<const gdi::TColor> list) {
  const int n = (lineWidth + 1) / 2;
  bool drawn = false;
  if (list.size() >= 2 && n >= 2) {
    const std::vector<gdi::TColor> steps = gradientSteps(list, n);
    c.pen.mode = gdi::PenMode::Copy;
    for (int k = 0; k < n; ++k) {
      c.pen.width = lineWidth - 2 * k;
      c.pen.color = steps[std::size_t(k)];
      c.moveTo(from.x, from.y);
      c.lineTo(to.x, to.y);
    }
    drawn = true;
  }
  c.pen.mode = gdi::PenMode::Copy;
  c.pen.width = lineWidth;
  c.pen.color = foreColor;
  return drawn;
}

}  // namespace tools
