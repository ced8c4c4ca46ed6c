#include "clips/engine/OutlineMask.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "clips/engine/Capture.h"

namespace clips {

namespace {

// Pixels keep their fourth byte zero, so this value marks flooded pixels
// without any look-aside bitmap.
constexpr std::uint32_t kFlooded = 0xFF000000u;
constexpr std::uint32_t kBarrier = std::uint32_t(kMaskOutlineColor);

bool open(std::uint32_t p) { return p != kBarrier && p != kFlooded; }

// Four-connected scanline flood over open pixels from every seed.
void flood(gdi::Bitmap& b, std::vector<gdi::Point>& seeds) {
  const int w = b.width(), h = b.height();
  while (!seeds.empty()) {
    const gdi::Point s = seeds.back();
    seeds.pop_back();
    std::uint32_t* row = b.row(s.y);
    if (!open(row[s.x])) continue;
    int x1 = s.x, x2 = s.x + 1;
    while (x1 > 0 && open(row[x1 - 1])) --x1;
    while (x2 < w && open(row[x2])) ++x2;
    std::fill(row + x1, row + x2, kFlooded);
    for (const int ny : {s.y - 1, s.y + 1}) {
      if (ny < 0 || ny >= h) continue;
      const std::uint32_t* next = b.row(ny);
      for (int x = x1; x < x2;) {
        if (!open(next[x])) {
          ++x;
          continue;
        }
        seeds.push_back({x, ny});
        while (x < x2 && open(next[x])) ++x;
      }
    }
  }
}

// A seed at the start of every open run in [x1, x2) of row y.
void seedRuns(const std::uint32_t* row, int y, int x1, int x2, std::vector<gdi::Point>& seeds) {
  for (int x = x1; x < x2; ++x)
    if (open(row[x]) && (x == x1 || !open(row[x - 1]))) seeds.push_back({x, y});
}

// Seeds along one edge line of the scratch where the figure runs off the
// picture: the edge pixels outside the figure. `line` is the edge in scratch
// coordinates (one pixel wide or high).
void seedEdge(const gdi::Bitmap& scratch, const gdi::Rect& line, const MaskFigure& figure,
              gdi::Point scratchOrigin, std::vector<gdi::Point>& seeds) {
  gdi::Bitmap inside(line.width(), line.height());
  gdi::Canvas& c = inside.canvas();
  c.pen.style = gdi::PenStyle::Clear;
  c.brush.setColor(gdi::clBlack);
  c.brush.setStyle(gdi::BrushStyle::Solid);
  figure.fill(c, {-(scratchOrigin.x + line.left), -(scratchOrigin.y + line.top)});
  for (int y = 0; y < line.height(); ++y)
    for (int x = 0; x < line.width(); ++x)
      if (inside.row(y)[x] != std::uint32_t(gdi::clBlack) &&
          open(scratch.row(line.top + y)[line.left + x]))
        seeds.push_back({line.left + x, line.top + y});
}

}  // namespace

gdi::Bitmap maskedClip(const gdi::Bitmap& picture, const gdi::Rect& box, const MaskFigure& figure,
                       int penWidth) {
  const gdi::Rect all = figure.extent.united(box);
  const gdi::Rect area = all.inflated(1).intersected(picture.rect());
  gdi::Bitmap scratch = copyRegion(picture, area);
  const gdi::Point toScratch{-area.left, -area.top};

  gdi::Canvas& c = scratch.canvas();
  c.pen = gdi::Pen{kMaskOutlineColor, penWidth, gdi::PenStyle::Solid, gdi::PenMode::Copy};
  c.brush.setColor(gdi::clWhite);
  c.brush.setStyle(gdi::BrushStyle::Clear);
  figure.outline(c, toScratch);
  // The box's edge turns white, except where the outline crosses it.
  c.pen.color = gdi::clWhite;
  c.rectangle(box.translated(toScratch.x, toScratch.y));
  c.pen.color = kMaskOutlineColor;
  figure.outline(c, toScratch);

  // The ring round everything drawn lies outside the figure: made white it
  // joins every outside part of the box. The flood starts from every pixel
  // outside the figure's extent.
  const int w = scratch.width(), h = scratch.height();
  const gdi::Rect inner = all.translated(toScratch.x, toScratch.y);
  const gdi::Rect shape = figure.extent.translated(toScratch.x, toScratch.y);
  std::vector<gdi::Point> seeds;
  for (int y = 0; y < h; ++y) {
    std::uint32_t* row = scratch.row(y);
    if (y < inner.top || y >= inner.bottom) {
      std::fill(row, row + w, std::uint32_t(gdi::clWhite));
    } else {
      std::fill(row, row + std::clamp(inner.left, 0, w), std::uint32_t(gdi::clWhite));
      std::fill(row + std::clamp(inner.right, 0, w), row + w, std::uint32_t(gdi::clWhite));
    }
    if (y < shape.top || y >= shape.bottom) {
      seedRuns(row, y, 0, w, seeds);
    } else {
      seedRuns(row, y, 0, std::clamp(shape.left, 0, w), seeds);
      seedRuns(row, y, std::clamp(shape.right, 0, w), w, seeds);
    }
  }
  // Sides where the figure runs off the picture have no ring.
  const gdi::Point origin{area.left, area.top};
  if (inner.left < 1) seedEdge(scratch, {0, 0, 1, h}, figure, origin, seeds);
  if (inner.right >= w) seedEdge(scratch, {w - 1, 0, w, h}, figure, origin, seeds);
  if (inner.top < 1) seedEdge(scratch, {0, 0, w, 1}, figure, origin, seeds);
  if (inner.bottom >= h) seedEdge(scratch, {0, h - 1, w, h}, figure, origin, seeds);
  flood(scratch, seeds);

  gdi::Bitmap clip(box.width(), box.height());
  for (int y = 0; y < box.height(); ++y) {
    const std::uint32_t* from = scratch.row(box.top - area.top + y) + (box.left - area.left);
    std::uint32_t* to = clip.row(y);
    for (int x = 0; x < box.width(); ++x)
      to[x] = from[x] == kFlooded ? std::uint32_t(gdi::clWhite) : from[x];
  }
  // Last, the outline itself turns white.
  gdi::Canvas& cc = clip.canvas();
  cc.pen = gdi::Pen{gdi::clWhite, penWidth, gdi::PenStyle::Solid, gdi::PenMode::Copy};
  cc.brush.setColor(gdi::clWhite);
  cc.brush.setStyle(gdi::BrushStyle::Clear);
  figure.outline(cc, {-box.left, -box.top});
  clip.takeDirty();
  return clip;
}

}  // namespace clips
