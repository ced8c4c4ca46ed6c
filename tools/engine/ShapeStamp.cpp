#include "tools/engine/ShapeStamp.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tools {

namespace {

gdi::Point rounded(double x, double y) { return {int(std::nearbyint(x)), int(std::nearbyint(y))}; }

// Keeps a canvas's pen and brush across a stamp.
class SavedTools {
 public:
  explicit SavedTools(gdi::Canvas& c) : c_(c), pen_(c.pen), brush_(c.brush) {}
  ~SavedTools() {
    c_.pen = pen_;
    c_.brush = brush_;
  }
  SavedTools(const SavedTools&) = delete;
  SavedTools& operator=(const SavedTools&) = delete;

 private:
  gdi::Canvas& c_;
  gdi::Pen pen_;
  gdi::Brush brush_;
};

void drawStamp(gdi::Canvas& c, StampKind kind, gdi::Point from, gdi::Point to, gdi::Point centre,
               int radius) {
  std::vector<gdi::Point> points;
  switch (kind) {
    case StampKind::Arrow:
      points = arrowPoints(from, to);
      break;
    case StampKind::Star:
      points = starPoints(centre, radius);
      break;
    case StampKind::Heart:
      points = heartPoints(centre, radius);
      break;
  }
  if (points.size() >= 3) c.polygon(points);
}

}  // namespace

std::vector<gdi::Point> starPoints(gdi::Point centre, int radius) {
  if (radius < 1) return {};
  // The inner corners sit where the star's edges cross: the golden ratio.
  const double inner = radius * 0.381966;
  std::vector<gdi::Point> points;
  for (int k = 0; k < 10; ++k) {
    const double angle = -std::numbers::pi / 2 + k * std::numbers::pi / 5;
    const double r = k % 2 ? inner : radius;
    points.push_back(rounded(centre.x + r * std::cos(angle), centre.y + r * std::sin(angle)));
  }
  return points;
}

std::vector<gdi::Point> heartPoints(gdi::Point centre, int radius) {
  if (radius < 1) return {};
  // The classic heart curve spans x in [-16, 16] and y in [-17, 12] (y up);
  // scaled so its widest reach is `radius` and shifted to sit centred.
  constexpr int kPoints = 48;
  const double scale = radius / 17.0;
  std::vector<gdi::Point> points;
  for (int k = 0; k < kPoints; ++k) {
    const double t = 2 * std::numbers::pi * k / kPoints;
    const double s = std::sin(t);
    const double x = 16 * s * s * s;
    const double y = 13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t);
    points.push_back(rounded(centre.x + x * scale, centre.y - (y + 2.5) * scale));
  }
  return points;
}

std::vector<gdi::Point> arrowPoints(gdi::Point from, gdi::Point to) {
  const double dx = to.x - from.x, dy = to.y - from.y;
  const double length = std::hypot(dx, dy);
  if (length < 4) return {};
  const double ux = dx / length, uy = dy / length;  // along the arrow
  const double nx = -uy, ny = ux;                   // across it
  const double head = length * 0.35, headHalf = length * 0.2;
  const double shaftHalf = std::max(1.0, length * 0.08);
  const double bx = from.x + ux * (length - head), by = from.y + uy * (length - head);
  return {rounded(from.x + nx * shaftHalf, from.y + ny * shaftHalf),
          rounded(bx + nx * shaftHalf, by + ny * shaftHalf),
          rounded(bx + nx * headHalf, by + ny * headHalf),
          to,
          rounded(bx - nx * headHalf, by - ny * headHalf),
          rounded(bx - nx * shaftHalf, by - ny * shaftHalf),
          rounded(from.x - nx * shaftHalf, from.y - ny * shaftHalf)};
}

void stampTrail(gdi::Canvas& c, gdi::Point from, gdi::Point to, StampKind kind, int size) {
  if (size < 1) return;
  SavedTools saved(c);
  const gdi::TColor colour = c.pen.color;
  c.pen.width = 1;
  c.pen.style = gdi::PenStyle::Solid;
  c.brush.setStyle(gdi::BrushStyle::Solid);
  c.brush.setColor(colour);
  const double dx = to.x - from.x, dy = to.y - from.y;
  const double length = std::hypot(dx, dy);
  const int spacing = 2 * size;
  const int count = 1 + int(length / spacing);
  for (int i = 0; i < count; ++i) {
    const double t = length > 0 ? double(i) * spacing / length : 0;
    const gdi::Point centre = rounded(from.x + dx * t, from.y + dy * t);
    // Trail arrows point along the drag, tail to tip one stamp long.
    const gdi::Point tail = rounded(centre.x - dx / std::max(length, 1.0) * size,
                                    centre.y - dy / std::max(length, 1.0) * size);
    const gdi::Point tip = rounded(centre.x + dx / std::max(length, 1.0) * size,
                                   centre.y + dy / std::max(length, 1.0) * size);
    drawStamp(c, kind, tail, tip, centre, size);
  }
}

void stampShapes(gdi::Canvas& c, gdi::Point from, gdi::Point to, StampKind kind, int count,
                 int penWidth, gdi::TColor fill, gdi::TColor outline) {
  if (count < 1) return;
  SavedTools saved(c);
  c.pen.width = std::max(penWidth, 1);
  c.pen.color = outline;
  c.pen.style = gdi::PenStyle::Solid;
  c.brush.setStyle(gdi::BrushStyle::Solid);
  c.brush.setColor(fill);
  const double dx = double(to.x - from.x) / count, dy = double(to.y - from.y) / count;
  const int radius = int(std::hypot(dx, dy) / 2);
  for (int i = 0; i < count; ++i) {
    const gdi::Point a = rounded(from.x + dx * i, from.y + dy * i);
    const gdi::Point b = rounded(from.x + dx * (i + 1), from.y + dy * (i + 1));
    drawStamp(c, kind, a, b, rounded((a.x + b.x) / 2.0, (a.y + b.y) / 2.0), radius);
  }
}

}  // namespace tools
